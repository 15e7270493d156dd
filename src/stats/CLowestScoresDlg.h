#pragma once
// "Show the Lowest Scores".

#include "stats/CRankedRoundsDlg.h"

namespace kip::stats {

class CLowestScoresDlg : public CRankedRoundsDlg {
public:
    explicit CLowestScoresDlg(platform::Printer* printer = nullptr)
        : CRankedRoundsDlg(RankKind::LowestScores, printer) {}
};

} // namespace kip::stats
