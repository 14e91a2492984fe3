#include "ui/Platform.h"
#include "ui/Errors.h"

namespace ui {

namespace {
Platform* current = nullptr;
}

Platform& platform() {
    if (!current) throw RuntimeError(QStringLiteral("No platform is installed"));
    return *current;
}

void setPlatform(Platform* p) { current = p; }

float Clock() { return static_cast<float>(platform().clockSeconds()); }

void DoEvents() { platform().pumpEvents(); }

}  // namespace ui
