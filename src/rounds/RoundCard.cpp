#include "rounds/RoundCard.h"

#include "rounds/CScoresDlg.h"
#include "rounds/CTotalScoreDlg.h"

namespace kip::rounds {
namespace {

// Viewing asks nothing.
class SilentPrompter : public platform::Prompter {
public:
    platform::Answer show(const platform::Message&) override { return platform::Answer::Ok; }
};

} // namespace

std::vector<report::PrintLine> printedCard(const golfdb::ScoreRecord& round) {
    SilentPrompter prompter;
    const platform::Date played{round.year, round.month, round.day};
    if (round.isTotalOnly()) {
        CTotalScoreDlg view(RoundMode::View, prompter, played);
        view.loadFromRound(round);
        return view.cardLines();
    }
    CScoresDlg view(RoundMode::View, prompter, played);
    view.loadFromRound(round);
    view.prepareShow();
    return view.cardLines();
}

report::PrintVariant cardVariant(const golfdb::ScoreRecord& round) {
    return round.isTotalOnly() ? report::PrintVariant::TotalRoundCard : report::PrintVariant::RoundCard;
}

} // namespace kip::rounds
