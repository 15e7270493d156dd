#pragma once
// The views of the golfer dialogs: Golfer Information, Initial Handicap Information, Select Golfer.

#include "manage/CNumberRoundsDlg.h"
#include "manage/CPeopleDlg.h"
#include "manage/CSelectPersonDlg.h"
#include "ui/ModelDialog.h"

#include <array>

class QCheckBox;
class QLineEdit;
class QListWidget;
class QSpinBox;

namespace kip::ui {

class PeopleView : public ModelDialog {
    Q_OBJECT
public:
    PeopleView(manage::CPeopleDlg& model, QWidget* parent);
    QLineEdit* field(manage::CPeopleDlg::Field field) const { return edits_.at(field); }
    QCheckBox* initialHandicap() const { return initialHandicap_; }

private:
    void edited(manage::CPeopleDlg::Field field, const QString& text);
    void pressSave();

    manage::CPeopleDlg& model_;
    std::array<QLineEdit*, manage::CPeopleDlg::fieldCount> edits_{};
    QCheckBox* initialHandicap_ = nullptr;
};

class NumberRoundsView : public ModelDialog {
    Q_OBJECT
public:
    NumberRoundsView(manage::CNumberRoundsDlg& model, QWidget* parent);
    QLineEdit* handicap() const { return handicap_; }
    QSpinBox* rounds() const { return rounds_; }

private:
    void pressOk();

    manage::CNumberRoundsDlg& model_;
    QLineEdit* handicap_;
    QSpinBox* rounds_;
};

class SelectPersonView : public ModelDialog {
    Q_OBJECT
public:
    SelectPersonView(manage::CSelectPersonDlg& model, QWidget* parent);
    QListWidget* list() const { return list_; }
    QCheckBox* useAll() const { return useAll_; }

private:
    void end(int result);

    manage::CSelectPersonDlg& model_;
    QListWidget* list_;
    QCheckBox* useAll_;
};

} // namespace kip::ui
