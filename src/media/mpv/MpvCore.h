#pragma once
// One mpv core with its software render context, set up for playing disc
// clips inside our own windows: video only through the render context, sound
// through the first audio output that opens (none at all still plays), the
// file kept open at its end, and no user configuration, scripts or key
// bindings.
//
// Threads: the core calls back on threads of its own. Both callbacks only post
// a call to the user-interface thread (at most one pending each); the handlers
// given to the constructor run there. Everything else here is called on the
// user-interface thread.
#include <QObject>
#include <atomic>
#include <functional>

struct mpv_handle;
struct mpv_render_context;

namespace media {

class MpvCore {
public:
    // Creates and starts the core and its render context. onEvents runs when
    // the core has events queued (drain them with mpv_wait_event(handle(), 0));
    // onFrame runs when the render context may have a new frame. Throws
    // ui::MediaError when the core cannot be started, the library included
    // (MpvLibrary: opened by the first core).
    MpvCore(std::function<void()> onEvents, std::function<void()> onFrame);
    // Teardown in the only safe order: callbacks cleared, render context
    // freed, core destroyed. Playback ends at once.
    ~MpvCore();
    MpvCore(const MpvCore&) = delete;
    MpvCore& operator=(const MpvCore&) = delete;

    mpv_handle* handle() const { return handle_; }
    mpv_render_context* renderContext() const { return render_; }

private:
    static void wakeup(void* self);
    static void renderUpdate(void* self);
    void post(std::atomic<bool>& pending, const std::function<void()>& handler);

    mpv_handle* handle_ = nullptr;
    mpv_render_context* render_ = nullptr;
    std::function<void()> onEvents_;
    std::function<void()> onFrame_;
    std::atomic<bool> eventsPending_{false};
    std::atomic<bool> framePending_{false};
    QObject bridge_;  // lives on the user-interface thread; posted calls die with it
};

}  // namespace media
