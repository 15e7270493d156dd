#pragma once
// The hole-by-hole round dialog: the course card in two blocks of nine holes, with the focus
// moving by itself as the round is typed.

#include "rounds/CScoresDlg.h"
#include "ui/ModelDialog.h"

#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kip::ui {

class DateField;

class ScoresView : public ModelDialog {
    Q_OBJECT
public:
    // Shows the model as it is; CScoresDlg::run (or prepareShow) has readied its totals.
    ScoresView(rounds::CScoresDlg& model, QWidget* parent);

    void reject() override; // Escape and the window's close button ask as "Cancel" does

    QLineEdit* strokesField(int hole) const { return strokes_.at(static_cast<std::size_t>(hole)); }
    QLineEdit* puttsField(int hole) const { return putts_.at(static_cast<std::size_t>(hole)); }
    QCheckBox* fairwayBox(int hole) const { return fairways_.at(static_cast<std::size_t>(hole)); }
    QCheckBox* greenBox(int hole) const { return greens_.at(static_cast<std::size_t>(hole)); }
    DateField* datePicker() const { return date_; }
    QLineEdit* pccField() const { return pcc_; } // rule 3 only
    QPushButton* saveAndQuitButton() const { return saveAndQuit_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QWidget* buildHeader();
    QWidget* buildNine(int firstHole);
    QWidget* buildOptions();
    QWidget* buildTextFileArea();
    QLayout* buildButtons();
    QLineEdit* numberField(const QString& name);
    QLineEdit* totalField(const QString& name);
    void setTabOrder();

    void strokesEdited(int hole, const QString& text);
    void puttsEdited(int hole, const QString& text);
    void fieldLeft(QLineEdit* field);
    // The model takes the hole field's text as on leaving it; the answer is where the focus goes back.
    rounds::Focus takeField(QWidget* field);
    void moveFocus(const rounds::Focus& focus);
    void pressSave(int (rounds::CScoresDlg::*button)());
    void showModel();
    void showColours();

    rounds::CScoresDlg& model_;
    bool closing_ = false; // the fields are no longer left once a button has ended the dialog
    DateField* date_ = nullptr;
    QLineEdit* pcc_ = nullptr;
    std::array<QLineEdit*, golfdb::holeSlots> strokes_{};
    std::array<QLineEdit*, golfdb::holeSlots> putts_{};
    std::array<QCheckBox*, golfdb::holeSlots> fairways_{};
    std::array<QCheckBox*, golfdb::holeSlots> greens_{};
    QLineEdit* outYardage_ = nullptr;
    QLineEdit* outPar_ = nullptr;
    QLineEdit* outStrokes_ = nullptr;
    QLineEdit* inYardage_ = nullptr;
    QLineEdit* inPar_ = nullptr;
    QLineEdit* inStrokes_ = nullptr;
    QLineEdit* totalYardage_ = nullptr;
    QLineEdit* totalPar_ = nullptr;
    QLineEdit* totalStrokes_ = nullptr;
    QLineEdit* totalPutts_ = nullptr;
    QLineEdit* fairwaysHit_ = nullptr;
    QLineEdit* greensHit_ = nullptr;
    QCheckBox* keepPoints_ = nullptr;
    QCheckBox* noFairwayStats_ = nullptr;
    QCheckBox* tabbingOff_ = nullptr;
    QCheckBox* skipPutts_ = nullptr;
    QPushButton* saveAndQuit_ = nullptr;
    QPushButton* saveAndNewRound_ = nullptr;
    QPushButton* saveAndNewGolfer_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QPushButton* print_ = nullptr;
};

} // namespace kip::ui
