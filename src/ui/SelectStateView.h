#pragma once
// "Select State": every state or one, and the name order, for the master course list.

#include "manage/CSelectState.h"
#include "ui/ModelDialog.h"

class QLineEdit;

namespace kip::ui {

class SelectStateView : public ModelDialog {
    Q_OBJECT
public:
    SelectStateView(manage::CSelectState& model, QWidget* parent);
    QLineEdit* stateField() const { return state_; }

private:
    manage::CSelectState& model_;
    QLineEdit* state_;
};

} // namespace kip::ui
