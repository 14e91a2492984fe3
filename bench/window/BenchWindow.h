#pragma once
// The main window on the real platform for in-process benchmarks: Qt's clock,
// timers and event loop and the libmpv media framework, with every tick of
// the program's own timers (ui::Timer) counted. A disc folder with the test
// skin, one menu page whose item 1 (picture area 40,100 - 300,140) plays
// lesson.mpg, and the window opened on it as start-up opens it.
#include "player/mForm.h"
#include "support/DiscFixture.h"
#include "ui/QtPlatform.h"
#include <QString>
#include <cstdint>
#include <memory>

namespace bench {

// QtPlatform, counting the ticks of every timer the program creates and
// printing message boxes instead of showing them (nobody answers them).
class CountingPlatform : public ui::QtPlatform {
public:
    CountingPlatform();
    std::unique_ptr<ui::TimerBackend> createTimer(std::function<void()> tick) override;
    void messageBox(const QString& text, int style, const QString& title) override;
    uint64_t timerTicks = 0;
};

enum class NameCase {
    AsWritten,  // the skin's names as the window spells them ("image\play.jpg")
    Upper,      // folder and files in capitals ("IMAGE/PLAY.JPG"), as CD copies often are
};

class BenchWindow {
public:
    // clip: a file copied to lesson.mpg (none: item 1 names a missing file).
    explicit BenchWindow(NameCase names = NameCase::AsWritten, const QString& clip = QString());
    ~BenchWindow();
    BenchWindow(const BenchWindow&) = delete;
    BenchWindow& operator=(const BenchWindow&) = delete;

    mForm& form();
    CountingPlatform& platform() { return platform_; }
    // Clicks menu item 1 (the lesson) as the window system does.
    void clickLesson();

private:
    CountingPlatform platform_;
    fixture::DiscFixture disc_;
};

// Runs the event loop for `ms` milliseconds, asleep while no event is due.
// (QCoreApplication::processEvents with a time limit never waits: a loop of it
// keeps a core busy and takes it from the player under measurement.)
void RunEventsFor(int ms);

// Makes a 10-second 640 x 480 25 fps MPEG-1 clip with MP2 sound with ffmpeg
// (the clip of bench/lib/disc.sh); false when ffmpeg is missing or fails.
bool MakeBenchClip(const QString& path);

}  // namespace bench
