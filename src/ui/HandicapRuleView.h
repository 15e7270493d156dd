#pragma once

#include "handicap/CHandicapRule.h"
#include "ui/ModelDialog.h"

#include <vector>

class QRadioButton;

namespace kip::ui {

class HandicapRuleView : public ModelDialog {
    Q_OBJECT
public:
    HandicapRuleView(handicap::CHandicapRule& model, QWidget* parent);
    QRadioButton* choice(int index) const { return choices_.at(static_cast<std::size_t>(index)); }

private:
    handicap::CHandicapRule& model_;
    std::vector<QRadioButton*> choices_;
};

} // namespace kip::ui
