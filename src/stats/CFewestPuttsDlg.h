#pragma once
// "Show the Fewest Putts".

#include "stats/CRankedRoundsDlg.h"

namespace kip::stats {

class CFewestPuttsDlg : public CRankedRoundsDlg {
public:
    explicit CFewestPuttsDlg(platform::Printer* printer = nullptr)
        : CRankedRoundsDlg(RankKind::FewestPutts, printer) {}
};

} // namespace kip::stats
