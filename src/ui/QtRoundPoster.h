#pragma once
// Carries the round listing worker's batches to the interface thread through the Qt event queue:
// each is queued for the receiving object and handled there in order. Messages for a receiver that
// has gone are dropped by Qt.

#include "stats/RoundListWorker.h"

#include <QObject>

#include <functional>

namespace kip::ui {

class QtRoundPoster : public stats::RoundLinePoster {
public:
    QtRoundPoster(QObject* receiver, std::function<void(std::vector<stats::RoundLine>)> onLines,
                  std::function<void()> onDone)
        : receiver_(receiver), onLines_(std::move(onLines)), onDone_(std::move(onDone)) {}

    void postLines(std::vector<stats::RoundLine> lines) override;
    void postDone() override;

private:
    QObject* receiver_; // only named as the context of queued calls, never touched off its thread
    std::function<void(std::vector<stats::RoundLine>)> onLines_;
    std::function<void()> onDone_;
};

} // namespace kip::ui
