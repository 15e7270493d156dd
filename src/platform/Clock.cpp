#include "platform/Clock.h"

#include <ctime>

namespace kip::platform {

Date SystemClock::today() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    if (now == static_cast<std::time_t>(-1) || localtime_r(&now, &local) == nullptr)
        return {};
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

} // namespace kip::platform
