#pragma once

namespace kip::ui {

// Makes the pictures and help pages built into this library available; safe to call repeatedly.
void initResources();

} // namespace kip::ui
