#pragma once
// The platform seam: everything that touches the outside world besides the
// widgets themselves. The real implementation (QtPlatform) uses Qt's clock,
// timers, event loop, message boxes and desktop opener and the libmpv media
// framework; the simulated one (tests/support) runs on virtual time so that
// whole scenarios run fast and the same every time.
#include <QString>
#include <functional>
#include <memory>

namespace ui {

class MediaGraph;
class Form;

// A timer's platform side: calls its tick function every interval while
// started, on the user-interface thread.
class TimerBackend {
public:
    virtual ~TimerBackend() = default;
    virtual void start(int intervalMs) = 0;
    virtual void stop() = 0;
};

// Message box styles, as the callers pass them.
enum MsgBoxStyle : int { vbOKOnly = 0, vbCritical = 16 };

class Platform {
public:
    virtual ~Platform() = default;

    // Seconds since midnight.
    virtual double clockSeconds() = 0;
    virtual std::unique_ptr<TimerBackend> createTimer(std::function<void()> tick) = 0;
    // Handles the events that are pending (the simulated platform also moves
    // virtual time on by one timer tick, so that a wait loop on the clock ends).
    virtual void pumpEvents() = 0;
    // Lets the windows repaint while a synchronous wait goes on; input stays
    // queued. Called through PaintWhileWaiting, which keeps timers and close
    // requests out meanwhile. The default does nothing.
    virtual void pumpPaintEvents() {}
    // Runs a modal form until it is unloaded.
    virtual void runModal(Form& form) = 0;

    // Shows a modal message box with the OK button; style is vbOKOnly or
    // vbCritical (the stop icon). Returns when it is closed.
    virtual void messageBox(const QString& text, int style, const QString& title) = 0;
    // Shows the report of an unhandled failure.
    virtual void errorReport(const QString& text) = 0;

    // Hands one argument (a web address, a file's real path, or a target the
    // opener resolves itself) to the desktop's opener exactly as given, never
    // through a shell command line. What a link names is decided before
    // (src/player/ShellTarget.h). Failures are ignored.
    virtual void shellOpen(const QString& argument) = 0;

    // Ends the process's event loop with this exit code.
    virtual void endProcess(int code) = 0;

    // A new, empty media graph.
    virtual std::unique_ptr<MediaGraph> createGraph() = 0;
};

// The platform in use. Set once by the entry point (or a test fixture).
Platform& platform();
void setPlatform(Platform* p);

// Runtime helpers over the platform.
// The clock: seconds since midnight, single precision as the runtime keeps it.
float Clock();
// Lets pending events run.
void DoEvents();
// Lets the windows repaint during a wait that must stay synchronous for its
// caller (a media file that is slow to open): no input is handled, no timer
// ticks and no window closes meanwhile, so the caller's state cannot change
// under it. Does nothing while no platform is installed.
void PaintWhileWaiting();
// True inside PaintWhileWaiting.
bool OnlyPaintingNow();

}  // namespace ui
