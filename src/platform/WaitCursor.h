#pragma once
// Long table scans show the wait cursor until they end.

namespace kip::platform {

class WaitCursor {
public:
    virtual ~WaitCursor() = default;
    virtual void begin() = 0;
    virtual void end() = 0;
};

// Shows the wait cursor for the lifetime of the scope; a null cursor does nothing.
class WaitCursorScope {
public:
    explicit WaitCursorScope(WaitCursor* cursor) : cursor_(cursor) {
        if (cursor_)
            cursor_->begin();
    }
    ~WaitCursorScope() {
        if (cursor_)
            cursor_->end();
    }
    WaitCursorScope(const WaitCursorScope&) = delete;
    WaitCursorScope& operator=(const WaitCursorScope&) = delete;

private:
    WaitCursor* cursor_;
};

} // namespace kip::platform
