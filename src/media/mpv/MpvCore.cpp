#include "media/mpv/MpvCore.h"
#include "media/mpv/MpvLibrary.h"
#include "ui/Errors.h"
#include <QMetaObject>
#include <clocale>
#include <cstring>
#include <fstream>
#include <string>
#include <mpv/client.h>
#include <mpv/render.h>

namespace media {

namespace {

struct Option {
    const char* name;
    const char* value;
};

// Options that must hold for the player to work as the windows expect.
constexpr Option requiredOptions[] = {
    {"config", "no"},            // no user configuration of the library
    {"vo", "libmpv"},            // video only through our render context
    {"keep-open", "yes"},        // stand on the last frame at the end
    {"idle", "yes"},             // the core lives on without a file
    {"pause", "yes"},            // a rendered file waits for Run
    {"keepaspect", "no"},        // the picture fills the rectangle it is given
    {"hr-seek", "yes"},          // seeks land where asked
    // The MPEG program-stream demuxer seeks to the first keyframe after the
    // target; starting the demuxer this much earlier lets the exact seek decode
    // forward from a keyframe before it (groups of pictures are under a second).
    // A program stream whose keyframes are found in its first bytes gets an
    // offset of its own at its first seek (MpvGraph::chooseSeekLead).
    {"hr-seek-demuxer-offset", "1.5"},
    // Frames are drawn on the user-interface thread: the render call must not
    // wait there for a frame's display time (by default up to 50 ms a frame,
    // which held the event loop so long that the window's 10 ms timer ticked
    // about 15 times a second). The core signals a frame when it is due.
    {"video-timing-offset", "0"},
    // A file plays itself only: a playlist, a reference movie or an archive
    // under a clip's name is not followed to other files or to the network.
    {"access-references", "no"},
};

// Options that keep the core quiet and self-contained; an older or newer
// library may lack one, which does no harm. Without load-auto-profiles=no the
// core starts a script interpreter on a thread of its own for every player,
// though the player has no profiles for it to watch. zimg-threads=1 converts
// each frame to the window's picture on one thread instead of in slices over
// every core: the same conversion for about 3 % less CPU in all (no hand-over,
// no slice edges worked twice), and a frame of the lesson's size is still
// converted in a few milliseconds (bench/README.md).
constexpr Option quietOptions[] = {
    {"terminal", "no"},       {"input-default-bindings", "no"}, {"input-vo-keyboard", "no"},
    {"osc", "no"},            {"load-scripts", "no"},           {"ytdl", "no"},
    {"osd-level", "0"},       {"sub-auto", "no"},               {"audio-file-auto", "no"},
    {"hwdec", "no"},          {"load-stats-overlay", "no"},     {"load-osd-console", "no"},
    {"resume-playback", "no"}, {"save-position-on-quit", "no"}, {"load-auto-profiles", "no"},
    {"zimg-threads", "1"},
};

// The sound outputs to try, in order; the null output last, so that a machine
// without a sound device plays on in silence. ALSA is left out where the
// kernel knows no sound card: trying it would only fill the error output.
const char* audioOutputs() {
    std::ifstream cards("/proc/asound/cards");
    std::string first;
    const bool anyCard = cards && std::getline(cards, first) && first.find("no soundcards") == std::string::npos;
    return anyCard ? "pulse,alsa,null" : "pulse,null";
}

QString mpvFailure(const char* what, int code) {
    return QStringLiteral("media library: %1 failed (%2)").arg(QLatin1String(what), QLatin1String(mpv_error_string(code)));
}

}  // namespace

MpvCore::MpvCore(std::function<void()> onEvents, std::function<void()> onFrame)
    : onEvents_(std::move(onEvents)), onFrame_(std::move(onFrame)) {
    // The first core opens the library, unless it was preloaded; a library
    // that cannot serve fails here, before anything is half made.
    LoadMpvLibrary();
    // The library refuses to start unless numbers are read the C way; the
    // application sets this after QApplication, but a stray change must not
    // stop playback.
    const char* numeric = std::setlocale(LC_NUMERIC, nullptr);
    if (!numeric || std::strcmp(numeric, "C") != 0) std::setlocale(LC_NUMERIC, "C");

    handle_ = mpv_create();
    if (!handle_) throw ui::MediaError(QStringLiteral("media library: cannot create a player core"));
    for (const Option& o : requiredOptions) {
        const int rc = mpv_set_option_string(handle_, o.name, o.value);
        if (rc < 0) {
            mpv_terminate_destroy(handle_);
            throw ui::MediaError(mpvFailure(o.name, rc));
        }
    }
    mpv_set_option_string(handle_, "ao", audioOutputs());
    for (const Option& o : quietOptions) mpv_set_option_string(handle_, o.name, o.value);

    int rc = mpv_initialize(handle_);
    if (rc < 0) {
        mpv_terminate_destroy(handle_);
        throw ui::MediaError(mpvFailure("initialize", rc));
    }

    // The render context must exist before any file is loaded, or the video
    // output opens nowhere and the file ends at once.
    mpv_render_param params[] = {
        {MPV_RENDER_PARAM_API_TYPE, const_cast<char*>(MPV_RENDER_API_TYPE_SW)},
        {MPV_RENDER_PARAM_INVALID, nullptr},
    };
    rc = mpv_render_context_create(&render_, handle_, params);
    if (rc < 0) {
        mpv_terminate_destroy(handle_);
        throw ui::MediaError(mpvFailure("render context", rc));
    }

    mpv_set_wakeup_callback(handle_, &MpvCore::wakeup, this);
    mpv_render_context_set_update_callback(render_, &MpvCore::renderUpdate, this);
}

MpvCore::~MpvCore() {
    // Both setters wait for a callback that is running to return, so after
    // them nothing posts any more; the calls already posted die with bridge_.
    mpv_set_wakeup_callback(handle_, nullptr, nullptr);
    mpv_render_context_set_update_callback(render_, nullptr, nullptr);
    mpv_render_context_free(render_);
    mpv_terminate_destroy(handle_);
}

void MpvCore::post(std::atomic<bool>& pending, const std::function<void()>& handler) {
    if (pending.exchange(true)) return;  // one call on its way is enough
    QMetaObject::invokeMethod(
        &bridge_,
        [&pending, &handler] {
            pending.store(false);
            handler();
        },
        Qt::QueuedConnection);
}

// Called on a thread of the library: never calls back into it.
void MpvCore::wakeup(void* self) {
    auto* core = static_cast<MpvCore*>(self);
    core->post(core->eventsPending_, core->onEvents_);
}

// Called on a thread of the library: never calls back into it.
void MpvCore::renderUpdate(void* self) {
    auto* core = static_cast<MpvCore*>(self);
    core->post(core->framePending_, core->onFrame_);
}

}  // namespace media
