// The menu at rest: how often the program's own timers (ui::Timer) tick while
// the main window shows a menu page and nothing happens, over a number of
// seconds of the real event loop (the target is none). For context it also
// counts every timer event Qt delivers in the process (Qt's own included),
// the ticks while a lesson plays with the event loop's longest stall, and,
// once the lesson has ended and the menu is back, the menu at rest again.
//
//   rest_timers [SECONDS]     (default 5; QT_QPA_PLATFORM as for any Qt program)
#include "BenchWindow.h"
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

class TimerEventCounter : public QObject {
public:
    uint64_t count = 0;
    const QObject* ignored = nullptr;  // the benchmark's own timer

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Timer && watched != ignored) ++count;
        return false;
    }
};

// Runs the event loop for `seconds`, asleep while no event is due, and prints
// the rates. The timer that ends it is left out of the count.
void rest(bench::CountingPlatform& platform, TimerEventCounter& events, double seconds, const char* what) {
    const uint64_t ticks = platform.timerTicks, all = events.count;
    QEventLoop loop;
    QTimer end;
    end.setSingleShot(true);
    end.setTimerType(Qt::PreciseTimer);
    QObject::connect(&end, &QTimer::timeout, &loop, &QEventLoop::quit);
    events.ignored = &end;
    QElapsedTimer clock;
    clock.start();
    end.start(static_cast<int>(seconds * 1000));
    loop.exec();
    events.ignored = nullptr;
    const double elapsed = clock.elapsed() / 1000.0;
    std::printf("%-32s %6.2f program timer ticks/s  %6.2f Qt timer events/s  over %.1f s\n", what,
                (platform.timerTicks - ticks) / elapsed, (events.count - all) / elapsed, elapsed);
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const double seconds = argc > 1 ? std::atof(argv[1]) : 5.0;
    TimerEventCounter events;
    app.installEventFilter(&events);

    QTemporaryDir work;
    const QString clip = work.filePath(QStringLiteral("clip.mpg"));
    const bool haveClip = bench::MakeBenchClip(clip);
    bench::BenchWindow window(bench::NameCase::AsWritten, haveClip ? clip : QString());
    rest(window.platform(), events, seconds, "menu after start:");

    if (!haveClip) {
        std::printf("no clip (ffmpeg missing): the menu after a lesson is not measured\n");
        return 0;
    }
    // A lesson to its end (10 s), for the count while playing (Timer1, every
    // 10 ms: about 100 a second when nothing holds the event loop) and the
    // event loop's longest stall, seen by a 10 ms timer of this program's own
    // (not counted as the program's).
    window.clickLesson();
    QTimer probe;
    probe.setTimerType(Qt::PreciseTimer);
    QElapsedTimer sinceProbe;
    qint64 longestGap = 0;
    QObject::connect(&probe, &QTimer::timeout, [&] { longestGap = std::max(longestGap, sinceProbe.restart()); });
    const uint64_t ticks = window.platform().timerTicks;
    QElapsedTimer clock;
    clock.start();
    sinceProbe.start();
    probe.start(10);
    // The probe wakes the loop every 10 ms, so waiting for events never
    // outlasts the lesson's end by more than that.
    while (window.form().Player && clock.elapsed() < 30000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    probe.stop();
    std::printf("%-32s %6.2f program timer ticks/s  longest event-loop gap %lld ms  (%.1f s)\n", "lesson playing:",
                (window.platform().timerTicks - ticks) / (clock.elapsed() / 1000.0), static_cast<long long>(longestGap),
                clock.elapsed() / 1000.0);
    rest(window.platform(), events, seconds, "menu after a lesson:");
    return 0;
}
