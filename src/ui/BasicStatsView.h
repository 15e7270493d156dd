#pragma once
// "Basic Statistics": one golfer's basic statistics, read-only.

#include "stats/CBasicStats.h"
#include "ui/ModelDialog.h"

namespace kip::ui {

class BasicStatsView : public ModelDialog {
    Q_OBJECT
public:
    BasicStatsView(stats::CBasicStats& model, QWidget* parent);

private:
    stats::CBasicStats& model_;
};

} // namespace kip::ui
