// The "Print" buttons of the statistics dialogs, kept apart from the computations so that these build
// and test without the print procedure.

#include "stats/CBasicAllStats.h"
#include "stats/CBasicStats.h"
#include "stats/CHoleStats.h"

namespace kip::stats {

bool CBasicStats::print() const {
    return printer_ &&
           report::printReport(*printer_, report::PrintVariant::BasicStats, title(), printLines());
}

bool CHoleStats::print() const {
    return printer_ && report::printReport(*printer_, report::PrintVariant::HoleStats, title(), printLines());
}

bool CBasicAllStats::print() const {
    return printer_ &&
           report::printReport(*printer_, report::PrintVariant::BasicAllStats, printHeading(), printLines());
}

} // namespace kip::stats
