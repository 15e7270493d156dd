#pragma once
// The total-only round dialog.

#include "rounds/CTotalScoreDlg.h"
#include "ui/ModelDialog.h"

class QLineEdit;
class QPushButton;

namespace kip::ui {

class DateField;

class TotalScoreView : public ModelDialog {
    Q_OBJECT
public:
    TotalScoreView(rounds::CTotalScoreDlg& model, QWidget* parent);

    void reject() override;
    QLineEdit* totalField() const { return total_; }
    DateField* datePicker() const { return date_; }
    QLineEdit* pccField() const { return pcc_; } // rule 3 only

protected:
    void showEvent(QShowEvent* event) override;

private:
    void pressSave(int (rounds::CTotalScoreDlg::*button)());

    rounds::CTotalScoreDlg& model_;
    DateField* date_ = nullptr;
    QLineEdit* total_ = nullptr;
    QLineEdit* pcc_ = nullptr;
    QPushButton* saveAndQuit_ = nullptr;
};

} // namespace kip::ui
