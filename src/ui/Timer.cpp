#include "ui/Timer.h"
#include "ui/Platform.h"

namespace ui {

Timer::Timer() = default;
Timer::~Timer() = default;

void Timer::setEnabled(bool on) {
    enabled_ = on;
    apply();
}

void Timer::setInterval(int ms) {
    interval_ = ms < 0 ? 0 : ms;
    apply();
}

// A timer ticks only while it is on and has an interval above zero.
void Timer::apply() {
    if (enabled_ && interval_ > 0) {
        if (!backend_) backend_ = platform().createTimer([this] { tick(); });
        backend_->start(interval_);
    } else if (backend_) {
        backend_->stop();
    }
}

// A tick that falls inside a paint-only wait is dropped; the next one comes
// an interval later. So a timer never runs inside the handler that waits
// (perhaps its own).
void Timer::tick() {
    if (OnlyPaintingNow()) return;
    if (enabled_ && OnTimer) OnTimer();
}

}  // namespace ui
