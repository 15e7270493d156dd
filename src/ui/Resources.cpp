#include "ui/Resources.h"

#include <QtGlobal>

// Resources compiled into a static library register only when asked to, from outside any namespace.
static void registerKipGolfResources() {
    Q_INIT_RESOURCE(kipgolf);
}

namespace kip::ui {

void initResources() {
    static const bool registered = [] {
        registerKipGolfResources();
        return true;
    }();
    (void)registered;
}

} // namespace kip::ui
