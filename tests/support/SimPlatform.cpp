#include "support/SimPlatform.h"
#include "support/SimMediaGraph.h"
#include "ui/Errors.h"
#include "ui/Form.h"
#include <QCoreApplication>
#include <QPointer>
#include <gtest/gtest.h>
#include <algorithm>
#include <cmath>

namespace sim {

namespace {

constexpr double kDay = 86400.0;
// The pump's step: one tick of the player's fastest timers.
constexpr double kPumpStep = 0.010;

class SimTimerBackend : public ui::TimerBackend {
public:
    SimTimerBackend(SimPlatform& platform, std::function<void()> tick)
        : platform_(platform), id_(platform.addTimer(std::move(tick))) {}
    ~SimTimerBackend() override { platform_.removeTimer(id_); }
    void start(int intervalMs) override { platform_.startTimer(id_, intervalMs); }
    void stop() override { platform_.stopTimer(id_); }

private:
    SimPlatform& platform_;
    int id_;
};

}  // namespace

SimPlatform::SimPlatform() : previous_(nullptr) {
    try {
        previous_ = &ui::platform();
    } catch (const ui::RuntimeError&) {
        previous_ = nullptr;
    }
    ui::setPlatform(this);
}

SimPlatform::~SimPlatform() {
    // Windows deleted later must go while this platform is still in place.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ui::setPlatform(previous_);
}

int SimPlatform::addTimer(std::function<void()> tick) {
    const int id = nextId_++;
    timers_[id].tick = std::move(tick);
    return id;
}

void SimPlatform::removeTimer(int id) { timers_.erase(id); }

void SimPlatform::startTimer(int id, int intervalMs) {
    auto it = timers_.find(id);
    if (it == timers_.end()) return;
    TimerSlot& slot = it->second;
    const double interval = intervalMs / 1000.0;
    if (slot.running && slot.intervalSeconds == interval) return;
    slot.running = true;
    slot.intervalSeconds = interval;
    slot.due = elapsed_ + interval;
    slot.order = nextOrder_++;
}

void SimPlatform::stopTimer(int id) {
    auto it = timers_.find(id);
    if (it != timers_.end()) it->second.running = false;
}

int SimPlatform::runningTimers() const {
    return int(std::count_if(timers_.begin(), timers_.end(), [](const auto& t) { return t.second.running; }));
}

// Fires the due timers one at a time, earliest first (ties in the order they
// were started), so that a tick that stops or starts other timers is honoured.
void SimPlatform::advance(double seconds) {
    const double end = elapsed_ + seconds;
    for (;;) {
        int nextId = 0;
        double nextDue = 0;
        uint64_t nextOrder = 0;
        for (const auto& [id, slot] : timers_) {
            if (!slot.running || slot.due > end + 1e-9) continue;
            if (nextId == 0 || slot.due < nextDue - 1e-12 ||
                (std::abs(slot.due - nextDue) <= 1e-12 && slot.order < nextOrder)) {
                nextId = id;
                nextDue = slot.due;
                nextOrder = slot.order;
            }
        }
        if (nextId == 0) break;
        const double step = std::max(0.0, nextDue - elapsed_);
        elapsed_ += step;
        now_ = std::fmod(now_ + step, kDay);
        TimerSlot& slot = timers_[nextId];
        slot.due = nextDue + slot.intervalSeconds;
        std::function<void()> tick = slot.tick;
        tick();
        QCoreApplication::processEvents();
    }
    const double rest = std::max(0.0, end - elapsed_);
    elapsed_ = end;
    now_ = std::fmod(now_ + rest, kDay);
    QCoreApplication::processEvents();
}

std::unique_ptr<ui::TimerBackend> SimPlatform::createTimer(std::function<void()> tick) {
    return std::make_unique<SimTimerBackend>(*this, std::move(tick));
}

void SimPlatform::pumpEvents() {
    ++pumps;
    QCoreApplication::processEvents();
    advance(kPumpStep);
}

void SimPlatform::runModal(ui::Form& form) {
    QPointer<ui::Form> guard(&form);
    if (onModal) onModal(form);
    if (guard && guard->isLoaded()) {
        ADD_FAILURE() << "a modal form was left open by the test";
        guard->Unload();
    }
}

void SimPlatform::messageBox(const QString& text, int style, const QString& title) {
    messages.push_back({text, style, title});
}

void SimPlatform::errorReport(const QString& text) { errorReports.push_back(text); }

void SimPlatform::shellOpen(const QString& argument) { opened.push_back(argument); }

void SimPlatform::endProcess(int code) {
    if (!exitCode) exitCode = code;
}

std::unique_ptr<ui::MediaGraph> SimPlatform::createGraph() {
    if (graphFactory) return graphFactory();
    return makeSimMediaGraph(*this);
}

}  // namespace sim
