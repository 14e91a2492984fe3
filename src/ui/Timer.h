#pragma once
// The timer control: interval in milliseconds, on or off, a tag text, and a
// tick handler run on the user-interface thread while it is on.
#include <QString>
#include <functional>
#include <memory>

namespace ui {

class TimerBackend;

class Timer {
public:
    Timer();
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    bool Enabled() const { return enabled_; }
    void setEnabled(bool on);
    int Interval() const { return interval_; }
    void setInterval(int ms);

    QString Tag;
    std::function<void()> OnTimer;

private:
    void tick();
    void apply();

    bool enabled_ = false;
    int interval_ = 0;
    std::unique_ptr<TimerBackend> backend_;
};

}  // namespace ui
