#pragma once
// The views of Select Round, Delete Round and Enter Year.

#include "rounds/RoundSelectionDlgs.h"
#include "ui/ModelDialog.h"

class QLineEdit;
class QListWidget;

namespace kip::ui {

class SelectScoreView : public ModelDialog {
    Q_OBJECT
public:
    SelectScoreView(rounds::CSelectScoreDlg& model, QWidget* parent);
    QListWidget* list() const { return list_; }

private:
    void end(int result);

    rounds::CSelectScoreDlg& model_;
    QListWidget* list_;
};

class DeleteScoreView : public ModelDialog {
    Q_OBJECT
public:
    DeleteScoreView(rounds::CDeleteScore& model, QWidget* parent);
    QListWidget* list() const { return list_; }

private:
    rounds::CDeleteScore& model_;
    QListWidget* list_;
};

class EnterYearView : public ModelDialog {
    Q_OBJECT
public:
    EnterYearView(rounds::CEnterYearDlg& model, QWidget* parent);
    QLineEdit* year() const { return year_; }

private:
    rounds::CEnterYearDlg& model_;
    QLineEdit* year_;
};

} // namespace kip::ui
