#pragma once

#include "app/CPreferencesDlg.h"
#include "ui/ModelDialog.h"

#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;

namespace kip::ui {

class PreferencesView : public ModelDialog {
    Q_OBJECT
public:
    PreferencesView(app::CPreferencesDlg& model, QWidget* parent);

    QCheckBox* checkBox(app::CPreferencesDlg::Check check) const { return checks_.at(check); }
    QLineEdit* pointBox(int i) const { return points_.at(static_cast<std::size_t>(i)); }
    QLabel* pointsLabel() const { return pointsLabel_; }

private:
    void showPointsState();
    void pointEdited(int box, const QString& text);
    void pressOk();

    app::CPreferencesDlg& model_;
    std::array<QCheckBox*, app::CPreferencesDlg::checkCount> checks_{};
    std::array<QLineEdit*, app::pointKinds> points_{};
    QLabel* pointsLabel_ = nullptr;
};

} // namespace kip::ui
