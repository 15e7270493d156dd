#pragma once
// "Statistics By Hole": one golfer's statistics by par type, read-only.

#include "stats/CHoleStats.h"
#include "ui/ModelDialog.h"

namespace kip::ui {

class HoleStatsView : public ModelDialog {
    Q_OBJECT
public:
    HoleStatsView(stats::CHoleStats& model, QWidget* parent);

private:
    stats::CHoleStats& model_;
};

} // namespace kip::ui
