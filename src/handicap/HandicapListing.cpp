#include "handicap/HandicapListing.h"

namespace kip::handicap {

void HandicapListing::clear() {
    lines.clear();
    courseNames.clear();
    recordNumbers.clear();
}

} // namespace kip::handicap
