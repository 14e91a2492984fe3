#include "ui/Platform.h"
#include "ui/Errors.h"

namespace ui {

namespace {
Platform* current = nullptr;
int paintOnlyDepth = 0;
}

Platform& platform() {
    if (!current) throw RuntimeError(QStringLiteral("No platform is installed"));
    return *current;
}

void setPlatform(Platform* p) { current = p; }

float Clock() { return static_cast<float>(platform().clockSeconds()); }

void DoEvents() { platform().pumpEvents(); }

void PaintWhileWaiting() {
    if (!current) return;
    struct Depth {
        Depth() { ++paintOnlyDepth; }
        ~Depth() { --paintOnlyDepth; }
    } depth;
    current->pumpPaintEvents();
}

bool OnlyPaintingNow() { return paintOnlyDepth > 0; }

}  // namespace ui
