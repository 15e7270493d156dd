#pragma once

namespace kip::platform {

struct Date {
    int year = 0;
    int month = 0;
    int day = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    // Today's local date; year 0 when the local time cannot be determined.
    virtual Date today() = 0;
};

class SystemClock : public Clock {
public:
    Date today() override;
};

} // namespace kip::platform
