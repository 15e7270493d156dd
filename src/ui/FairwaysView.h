#pragma once
// "Fairways and Greens Results": two rows of six read-only fields under their column headers, all in
// a 10-point Courier face.

#include "stats/CFairways.h"
#include "ui/ModelDialog.h"

namespace kip::ui {

class FairwaysView : public ModelDialog {
    Q_OBJECT
public:
    FairwaysView(stats::CFairways& model, QWidget* parent);

private:
    stats::CFairways& model_;
};

} // namespace kip::ui
