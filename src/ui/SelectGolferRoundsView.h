#pragma once
// "Select One or More Golfers": the rounds limit and a multiple-selection golfer list.

#include "stats/CSelectGolferRounds.h"
#include "ui/ModelDialog.h"

class QCheckBox;
class QLineEdit;
class QListWidget;

namespace kip::ui {

class SelectGolferRoundsView : public ModelDialog {
    Q_OBJECT
public:
    SelectGolferRoundsView(stats::CSelectGolferRounds& model, QWidget* parent);

    QLineEdit* roundsField() const { return rounds_; }
    QCheckBox* useAll() const { return useAll_; }
    QListWidget* list() const { return list_; }

private:
    stats::CSelectGolferRounds& model_;
    QLineEdit* rounds_ = nullptr;
    QCheckBox* useAll_ = nullptr;
    QListWidget* list_ = nullptr;
};

} // namespace kip::ui
