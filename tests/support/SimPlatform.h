#pragma once
// The simulated platform for tests: virtual time (seconds since midnight),
// timers that fire in order as tests advance the clock, recorded message boxes,
// error reports, shell targets and process ends, scripted answers to modal
// forms, and the simulated media framework (SimMediaGraph).
#include "ui/Platform.h"
#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

namespace sim {

class SimPlatform : public ui::Platform {
public:
    // Installs itself as the platform; the destructor puts the previous back.
    SimPlatform();
    ~SimPlatform() override;

    // Virtual clock, seconds since midnight (starts at 36000, ten o'clock).
    double now() const { return now_; }
    void setNow(double secondsSinceMidnight) { now_ = secondsSinceMidnight; }
    // Moves virtual time on, firing every due timer in time order and letting
    // Qt handle posted events between ticks. Wraps past midnight like a clock.
    void advance(double seconds);

    struct Message {
        QString text;
        int style = 0;
        QString title;
    };
    std::vector<Message> messages;
    std::vector<QString> errorReports;
    // The arguments handed to the desktop's opener, in order.
    std::vector<QString> opened;
    std::optional<int> exitCode;
    // Answers a modal form; it must unload the form (else the test fails).
    std::function<void(ui::Form&)> onModal;
    // Replaces the simulated media framework when set.
    std::function<std::unique_ptr<ui::MediaGraph>()> graphFactory;
    // Number of pumpEvents calls.
    int pumps = 0;
    // Run by each paint-only pump (a wait that lets the windows repaint);
    // nothing runs when unset.
    std::function<void()> onPaintPump;

    double clockSeconds() override { return now_; }
    std::unique_ptr<ui::TimerBackend> createTimer(std::function<void()> tick) override;
    void pumpEvents() override;
    void pumpPaintEvents() override {
        if (onPaintPump) onPaintPump();
    }
    void runModal(ui::Form& form) override;
    void messageBox(const QString& text, int style, const QString& title) override;
    void errorReport(const QString& text) override;
    void shellOpen(const QString& argument) override;
    void endProcess(int code) override;
    std::unique_ptr<ui::MediaGraph> createGraph() override;

    // Timer bookkeeping (used by the timer backend).
    struct TimerSlot {
        std::function<void()> tick;
        bool running = false;
        double intervalSeconds = 0;
        double due = 0;
        uint64_t order = 0;
    };
    int addTimer(std::function<void()> tick);
    void removeTimer(int id);
    void startTimer(int id, int intervalMs);
    void stopTimer(int id);
    int runningTimers() const;

private:
    ui::Platform* previous_ = nullptr;
    double now_ = 36000.0;
    double elapsed_ = 0;  // virtual seconds since construction (never wraps)
    std::map<int, TimerSlot> timers_;
    int nextId_ = 1;
    uint64_t nextOrder_ = 1;
};

}  // namespace sim
