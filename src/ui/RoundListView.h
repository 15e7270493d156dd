#pragma once
// "Golfer Rounds": the listing view, filled by the round listing's worker through the event queue
// while it is shown, with the date text at the top right. Closing the view stops the worker and
// waits for it before its messages' receiver goes.

#include "stats/CListRounds.h"
#include "ui/ListDialogView.h"

#include <memory>

namespace kip::ui {

class QtRoundPoster;

class RoundListView : public ListDialogView {
    Q_OBJECT
public:
    RoundListView(stats::CListRounds& model, QWidget* parent);
    ~RoundListView() override;

private:
    stats::CListRounds& model_;
    std::unique_ptr<QtRoundPoster> poster_;
};

} // namespace kip::ui
