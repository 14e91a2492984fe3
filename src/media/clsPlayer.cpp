#include "media/clsPlayer.h"
#include "ui/Platform.h"
#include "ui/Errors.h"
#include <cmath>
#include <limits>

namespace {

// The sound level in hundredths of a decibel for a volume setting: v * 200 -
// 10000, computed as 32-bit integers; a step that would not fit gives 0.
int32_t levelForVolume(int32_t v) {
    constexpr int64_t lo = std::numeric_limits<int32_t>::min();
    constexpr int64_t hi = std::numeric_limits<int32_t>::max();
    const int64_t product = int64_t(v) * 200;
    if (product < lo || product > hi) return 0;
    const int64_t level = product - 10000;
    if (level < lo || level > hi) return 0;
    return level > 0 ? 0 : int32_t(level);
}

}  // namespace

clsPlayer::clsPlayer() : graph_(ui::platform().createGraph()) {}

clsPlayer::~clsPlayer() = default;

// The graph is made anew if it is ever missing.
ui::MediaGraph& clsPlayer::graph() {
    if (!graph_) graph_ = ui::platform().createGraph();
    return *graph_;
}

void clsPlayer::setOwner(ui::WindowHandle handle) {
    graph().put_Owner(handle);
    graph().put_MessageDrain(handle);
}

ui::IVideoWindow& clsPlayer::IVWindow() { return graph(); }
ui::IMediaPosition& clsPlayer::IVMPos() { return graph(); }
ui::IBasicAudio& clsPlayer::IBAudio() { return graph(); }

int32_t clsPlayer::Left() { return graph().get_Left(); }
void clsPlayer::setLeft(int32_t v) { graph().put_Left(v); }
int32_t clsPlayer::Top() { return graph().get_Top(); }
void clsPlayer::setTop(int32_t v) { graph().put_Top(v); }
int32_t clsPlayer::Width() { return graph().get_Width(); }
void clsPlayer::setWidth(int32_t v) { graph().put_Width(v); }
int32_t clsPlayer::Height() { return graph().get_Height(); }
void clsPlayer::setHeight(int32_t v) { graph().put_Height(v); }

void clsPlayer::setWinStyle(int16_t style) { graph().put_WindowStyle(int32_t(style)); }

// A level the graph refuses (a negative v gives one below -10000) and a graph
// without sound leave the volume as it was.
void clsPlayer::setVolume(int32_t v) {
    try {
        graph().put_Volume(levelForVolume(v));
    } catch (...) {
    }
}

// The playing flag is set only once the graph runs.
void clsPlayer::Run() {
    graph().Run();
    playing_ = true;
}

void clsPlayer::Pause() { graph().Pause(); }

// Stopped, the object stands at the end of the media.
void clsPlayer::Stopp() {
    graph().Stop();
    playing_ = false;
    ui::IMediaPosition& position = graph();
    position.put_CurrentPosition(position.get_Duration());
}

// A file that cannot be played leaves the graph without it; the calls that
// need its video then fail with the cause.
void clsPlayer::RenderFile(const QString& path) {
    try {
        graph().RenderFile(path);
    } catch (...) {
    }
}

bool clsPlayer::hasMedia() {
    try {
        const double duration = graph().get_Duration();
        return duration > 0 && std::isfinite(duration);
    } catch (const ui::MediaError&) {
        return false;
    }
}

bool clsPlayer::hasVideo() {
    if (!hasMedia()) return false;
    try {
        (void)graph().get_Width();
        return true;
    } catch (const ui::MediaError&) {
        return false;
    }
}
