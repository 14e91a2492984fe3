#include "media/mpv/MpvGraph.h"
#include "media/KeyframeGap.h"
#include "media/mpv/MpvDiscStreams.h"
#include "media/mpv/MpvVolume.h"
#include "ui/DiscFiles.h"
#include "ui/DiscMount.h"
#include "ui/Errors.h"
#include "ui/Platform.h"
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cstring>
#include <optional>
#include <string>
#include <mpv/client.h>

namespace media {

namespace {

using Clock = std::chrono::steady_clock;

// Property observations, told apart by their reply id.
enum Observed : uint64_t { TimePos = 1, Duration, EofReached };
// The reply id of seek commands.
constexpr uint64_t seekReply = 100;

double secondsLeft(Clock::time_point deadline) {
    return std::max(0.0, std::chrono::duration<double>(deadline - Clock::now()).count());
}

// A stream selection reads "no" when the file has no stream of that kind.
bool hasStream(mpv_handle* h, const char* property) {
    char* value = mpv_get_property_string(h, property);
    const bool present = value && std::strcmp(value, "no") != 0 && value[0] != '\0';
    mpv_free(value);
    return present;
}

int64_t int64Property(mpv_handle* h, const char* property) {
    int64_t value = 0;
    return mpv_get_property(h, property, MPV_FORMAT_INT64, &value) >= 0 ? value : 0;
}

// The playlist entry that a loadfile command created, when the library says.
int64_t entryOf(const mpv_node& result) {
    if (result.format != MPV_FORMAT_NODE_MAP) return -1;
    for (int i = 0; i < result.u.list->num; ++i) {
        const mpv_node& v = result.u.list->values[i];
        if (std::strcmp(result.u.list->keys[i], "playlist_entry_id") == 0 && v.format == MPV_FORMAT_INT64)
            return v.u.int64;
    }
    return -1;
}

// loadfile with named arguments: the file, replacing the one open, with
// options ("key=value,...") that hold for this file only.
int loadFile(mpv_handle* h, QByteArray& file, const char* options, mpv_node& result) {
    char name[] = "name", command[] = "loadfile", url[] = "url", flags[] = "flags", replace[] = "replace",
         opts[] = "options";
    char* keys[] = {name, url, flags, opts};
    mpv_node values[4];
    values[0].format = MPV_FORMAT_STRING;
    values[0].u.string = command;
    values[1].format = MPV_FORMAT_STRING;
    values[1].u.string = file.data();
    values[2].format = MPV_FORMAT_STRING;
    values[2].u.string = replace;
    values[3].format = MPV_FORMAT_STRING;
    values[3].u.string = const_cast<char*>(options);
    mpv_node_list list{4, values, keys};
    mpv_node args;
    args.format = MPV_FORMAT_NODE_MAP;
    args.u.list = &list;
    return mpv_command_node(h, &args, &result);
}

}  // namespace

MpvGraph::MpvGraph() = default;

// The core comes with the first file: a graph made for a window that shows
// only its menu never opens the library. What was set before it (the volume)
// is applied to it here.
void MpvGraph::startCore() {
    if (core_) return;
    core_ = std::make_unique<MpvCore>([this] { drainEvents(); }, [this] { onFrame(); });
    frames_ = std::make_unique<MpvFrames>(core_->renderContext());
    mpv_handle* h = core_->handle();
    RegisterDiscProtocol(h);
    mpv_observe_property(h, TimePos, "time-pos", MPV_FORMAT_DOUBLE);
    mpv_observe_property(h, Duration, "duration", MPV_FORMAT_DOUBLE);
    mpv_observe_property(h, EofReached, "eof-reached", MPV_FORMAT_FLAG);
    mpv_request_log_messages(h, "error");
    applyVolume(volume_);
}

// The window goes first (it draws from the frames), then the frames, then the
// core, which clears its callbacks and frees the render context before itself.
MpvGraph::~MpvGraph() {
    window_.reset();
    frames_.reset();
    core_.reset();
}

void MpvGraph::fail(const QString& cause) {
    failure_ = QStringLiteral("cannot play %1: %2").arg(ui::DisplayPath(file_.name), cause);
    // Whatever the core still has open (this file half opened, or the one
    // before it) stops: the graph holds no file now.
    if (core_) {
        const char* stop[] = {"stop", nullptr};
        mpv_command_async(core_->handle(), 0, stop);
    }
    file_.loaded = false;
    throw ui::MediaError(failure_);
}

void MpvGraph::RenderFile(const QString& path) {
    file_ = Playback{};
    file_.name = path;
    failure_.clear();
    lastLogError_.clear();
    try {
        startCore();
    } catch (const ui::MediaError& e) {
        fail(e.text());  // no library or no core: this file cannot be played
    }
    openFile(path);
    rect_ = QRect(QPoint(0, 0), file_.naturalSize);
    frames_->setNaturalSize(file_.naturalSize);
    applyRect();
}

// What the core opens for a disc path: the file's own path on a folder disc,
// or, inside a disc image, the address of a stream that reads the image.
QByteArray MpvGraph::addressOf(const QString& path) {
    stream_.reset();
    if (ui::InsideImage(path, nullptr)) {
        std::unique_ptr<disc::ClipStream> stream = ui::OpenImageStream(path);
        if (!stream) fail(QStringLiteral("the file does not exist"));
        stream_ = std::make_shared<DiscStreamState>();
        streamBytesSeen_ = 0;
        streamOpened_ = Clock::now();
        return OfferDiscStream(std::move(stream), stream_);
    }
    const QFileInfo info(ui::ResolveDiscPath(path));
    if (!info.isFile()) fail(QStringLiteral("the file does not exist"));
    if (!info.isReadable()) fail(QStringLiteral("the file cannot be read"));
    file_.localFile = info.absoluteFilePath();
    return file_.localFile.toUtf8();
}

void MpvGraph::openFile(const QString& path) {
    QByteArray file = addressOf(path);

    mpv_handle* h = core_->handle();
    // Video CD tracks are MPEG program streams inside CD-ROM sectors; the
    // program-stream demuxer finds its packs between the sector headers, but
    // the format probe is not sure enough of them to pick it by itself.
    // The choice is an option of this file alone, so the next file is probed.
    const bool videoCdTrack = QFileInfo(path).suffix().compare(QLatin1String("dat"), Qt::CaseInsensitive) == 0;
    setPaused(true);

    mpv_node result{};
    const int rc = loadFile(h, file, videoCdTrack ? "demuxer-lavf-format=mpeg" : "", result);
    if (rc < 0) fail(QString::fromLatin1(mpv_error_string(rc)));
    file_.entry = entryOf(result);
    mpv_free_node_contents(&result);

    const auto deadline = Clock::now() + loadTimeout;
    waitUntilLoaded(deadline);
    readStreams(deadline);
    file_.loaded = true;
    // The wait above took events whose wakeups had been posted, and a wakeup
    // that ran meanwhile drained nothing (drainEvents). The core calls its
    // wakeup again only once a wait has found its queue empty; until then the
    // events of this file (its position, its end) would wait unread for good
    // and the lesson would never end. Reading the queue empty here re-arms it.
    drainEvents();
}

// True, with the deadline moved on, when the clip comes from a disc that is
// still delivering: bytes arrived since the last look, or a read is waiting on
// the drive. A clip that cannot be played still fails at once (the core says
// so); only one that keeps the core waiting without progress times out.
bool MpvGraph::discStillDelivering(Clock::time_point& deadline) {
    if (!stream_ || Clock::now() - streamOpened_ > slowDiscTimeout) return false;
    const int64_t bytes = stream_->bytesRead;
    const bool progress = bytes != streamBytesSeen_ || stream_->reading;
    streamBytesSeen_ = bytes;
    if (!progress) return false;
    deadline = Clock::now() + loadTimeout;
    return true;
}

// Waits for the core to report this file loaded or failed. Events of the file
// that a replace closes come first and carry another entry: they are skipped.
void MpvGraph::waitUntilLoaded(Clock::time_point deadline) {
    bool started = false;
    while (true) {
        if (secondsLeft(deadline) <= 0 && !discStillDelivering(deadline))
            fail(QStringLiteral("the file did not open within %1 seconds").arg(loadTimeout.count() / 1000));
        const mpv_event* event = nextEventBefore(deadline);
        switch (event->event_id) {
        case MPV_EVENT_START_FILE: {
            const auto* start = static_cast<const mpv_event_start_file*>(event->data);
            if (file_.entry < 0) file_.entry = start->playlist_entry_id;
            started = started || start->playlist_entry_id == file_.entry;
            break;
        }
        case MPV_EVENT_END_FILE: {
            const auto* end = static_cast<const mpv_event_end_file*>(event->data);
            if (end->playlist_entry_id != file_.entry) break;
            QString cause = end->reason == MPV_END_FILE_REASON_ERROR ? QString::fromLatin1(mpv_error_string(end->error))
                                                                     : QStringLiteral("the file closed while opening");
            if (!lastLogError_.isEmpty()) cause += QStringLiteral(" (%1)").arg(lastLogError_);
            fail(cause);
        }
        case MPV_EVENT_FILE_LOADED:
            if (started) return;
            break;
        default:
            // Property changes before the start belong to the file replaced.
            if (started || event->event_id == MPV_EVENT_LOG_MESSAGE) handleEvent(*event);
            break;
        }
    }
}

// Reads what the opened file holds. The natural size comes from the container
// or, failing that, from the first decoded picture.
void MpvGraph::readStreams(Clock::time_point deadline) {
    mpv_handle* h = core_->handle();
    file_.hasVideo = hasStream(h, "vid");
    file_.hasAudio = hasStream(h, "aid");
    if (!file_.hasVideo && !file_.hasAudio) fail(QStringLiteral("the file holds no video or sound"));
    if (mpv_get_property(h, "duration", MPV_FORMAT_DOUBLE, &file_.duration) < 0 || !(file_.duration > 0))
        fail(QStringLiteral("the length of the media is unknown"));
    double position = 0;
    if (mpv_get_property(h, "time-pos", MPV_FORMAT_DOUBLE, &position) >= 0) file_.timePos = position;
    if (!file_.hasVideo) return;
    while (true) {
        const int64_t w = int64Property(h, "width");
        const int64_t hgt = int64Property(h, "height");
        if (w > 0 && hgt > 0) {
            file_.naturalSize = QSize(int(w), int(hgt));
            return;
        }
        if (secondsLeft(deadline) <= 0 && !discStillDelivering(deadline))
            fail(QStringLiteral("the size of the video is unknown"));
        const mpv_event* event = nextEventBefore(deadline);
        if (event->event_id == MPV_EVENT_END_FILE) fail(QStringLiteral("the video cannot be decoded"));
        handleEvent(*event);
    }
}

// The next event of the core, or none at the deadline. The wait goes in short
// slices, and between them the windows repaint (nothing else runs), so the
// screen does not freeze while a slow or damaged file opens.
const mpv_event* MpvGraph::nextEventBefore(Clock::time_point deadline) {
    while (true) {
        const double left = secondsLeft(deadline);
        const double slice = std::min(left, paintSlice);
        const mpv_event* event = mpv_wait_event(core_->handle(), slice);
        if (event->event_id != MPV_EVENT_NONE || slice >= left) return event;
        // The core's wakeups posted meanwhile must not drain the events this
        // wait is looking for: they stay queued for it (drainEvents).
        waitingForFile_ = true;
        struct Done {
            bool& flag;
            ~Done() { flag = false; }
        } done{waitingForFile_};
        ui::PaintWhileWaiting();
    }
}

void MpvGraph::drainEvents() {
    if (waitingForFile_) return;
    while (true) {
        const mpv_event* event = mpv_wait_event(core_->handle(), 0);
        if (event->event_id == MPV_EVENT_NONE) return;
        handleEvent(*event);
    }
}

void MpvGraph::handleEvent(const mpv_event& event) {
    switch (event.event_id) {
    case MPV_EVENT_PROPERTY_CHANGE: {
        const auto* p = static_cast<const mpv_event_property*>(event.data);
        if (event.reply_userdata == TimePos && p->format == MPV_FORMAT_DOUBLE) {
            if (!file_.seeking) file_.timePos = *static_cast<const double*>(p->data);
        } else if (event.reply_userdata == Duration && p->format == MPV_FORMAT_DOUBLE) {
            const double d = *static_cast<const double*>(p->data);
            if (d > 0 && file_.loaded) file_.duration = d;
        } else if (event.reply_userdata == EofReached && p->format == MPV_FORMAT_FLAG) {
            if (!file_.seeking) file_.eof = *static_cast<const int*>(p->data) != 0;
        }
        break;
    }
    case MPV_EVENT_PLAYBACK_RESTART:
        // A seek has landed; the picture and the position are at its target.
        if (file_.seeking) {
            file_.seeking = false;
            file_.timePos = file_.seekTarget;
        }
        break;
    case MPV_EVENT_COMMAND_REPLY:
        // A seek the core refused lands nowhere: report the position again.
        if (event.reply_userdata == seekReply && event.error < 0) file_.seeking = false;
        break;
    case MPV_EVENT_END_FILE: {
        const auto* end = static_cast<const mpv_event_end_file*>(event.data);
        if (file_.loaded && end->playlist_entry_id == file_.entry) file_.ended = true;
        break;
    }
    case MPV_EVENT_LOG_MESSAGE: {
        const auto* m = static_cast<const mpv_event_log_message*>(event.data);
        lastLogError_ = QString::fromUtf8(m->text).trimmed();
        break;
    }
    default:
        break;
    }
}

// A window that paints the frame at the size it is drawn gets it straight
// into its surface when it paints; otherwise the frame is drawn here, at once.
void MpvGraph::onFrame() {
    if (window_ && window_->paintsFramesInPlace(file_.naturalSize)) {
        if (frames_->newFrameWaiting()) window_->frameReady();
        return;
    }
    const QSize size = window_ ? window_->drawingSize(file_.naturalSize) : file_.naturalSize;
    if (frames_->takeNewFrame(size) && window_) window_->frameReady();
}

void MpvGraph::setPaused(bool paused) {
    int flag = paused ? 1 : 0;
    mpv_set_property_async(core_->handle(), 0, "pause", MPV_FORMAT_FLAG, &flag);
}

// A graph without a file has nothing to run: the calls succeed and do nothing.
void MpvGraph::Run() {
    if (file_.loaded) setPaused(false);
}

void MpvGraph::Pause() {
    if (file_.loaded) setPaused(true);
}

// The file stays open where it is; the picture stays on the screen.
void MpvGraph::Stop() {
    if (file_.loaded) setPaused(true);
}

double MpvGraph::get_Duration() {
    requireFile();
    return file_.duration;
}

double MpvGraph::get_CurrentPosition() {
    requireFile();
    if (file_.ended || file_.eof || file_.seekedToEnd) return file_.duration;
    if (file_.seeking) return file_.seekTarget;
    return std::clamp(file_.timePos, 0.0, file_.duration);
}

// Before the first seek in a clip: how far before a target the demuxer is
// sent. For an MPEG program stream it is worked out from the keyframes in the
// clip's first bytes (which the core has read by now, so they come from the
// disc stream's copy or from the system's file cache); the core's option, set
// for groups of pictures of up to a second and a half, holds for the rest.
// A Video CD's groups are under two thirds of a second, so its seeks decode
// about half as far.
void MpvGraph::chooseSeekLead() {
    file_.seekLeadChosen = true;
    std::string head;
    if (stream_) {
        head = stream_->head();
    } else {
        QFile file(file_.localFile);
        if (!file.open(QIODevice::ReadOnly)) return;
        head.resize(kKeyframeScanBytes);
        head.resize(static_cast<size_t>(std::max<qint64>(0, file.read(head.data(), qint64(head.size())))));
    }
    const std::optional<KeyframeGap> gap = LongestKeyframeGap(head);
    if (!gap) return;
    // Sent ahead of the seek, so the core takes it first; the next file starts
    // from the core's option again.
    QByteArray lead = QByteArray::number(SeekLeadFor(*gap), 'f', 3);
    char* value = lead.data();
    mpv_set_property_async(core_->handle(), 0, "file-local-options/hr-seek-demuxer-offset", MPV_FORMAT_STRING, &value);
}

void MpvGraph::put_CurrentPosition(double seconds) {
    requireFile();
    if (!file_.seekLeadChosen) chooseSeekLead();
    const double target = std::clamp(seconds, 0.0, file_.duration);
    const QByteArray where = QByteArray::number(target, 'f', 6);
    const char* seek[] = {"seek", where.constData(), "absolute+exact", nullptr};
    const int rc = mpv_command_async(core_->handle(), seekReply, seek);
    if (rc < 0) throw ui::MediaError(QStringLiteral("seek failed: %1").arg(QLatin1String(mpv_error_string(rc))));
    file_.seeking = true;
    file_.seekTarget = target;
    file_.eof = false;
    file_.seekedToEnd = target >= file_.duration;
}

// Before the first file the level is only kept; the core takes it when it
// starts (startCore).
void MpvGraph::put_Volume(int32_t level) {
    if (core_) {
        applyVolume(level);
    } else {
        (void)mpvVolumeForLevel(level);  // a level outside the scale is refused all the same
    }
    volume_ = level;
}

void MpvGraph::applyVolume(int32_t level) {
    double volume = mpvVolumeForLevel(level);
    const int rc = mpv_set_property_async(core_->handle(), 0, "volume", MPV_FORMAT_DOUBLE, &volume);
    if (rc < 0) throw ui::MediaError(QStringLiteral("volume failed: %1").arg(QLatin1String(mpv_error_string(rc))));
}

void MpvGraph::requireFile() const {
    if (file_.loaded) return;
    throw ui::MediaError(failure_.isEmpty() ? QStringLiteral("no media file is open") : failure_);
}

void MpvGraph::requireVideo() const {
    requireFile();
    if (!file_.hasVideo)
        throw ui::MediaError(QStringLiteral("%1 has no video stream").arg(ui::DisplayPath(file_.name)));
}

void MpvGraph::applyRect() {
    if (window_) window_->setRect(QRect(rect_.topLeft(), rect_.size().expandedTo(QSize(0, 0))));
}

void MpvGraph::put_Owner(ui::WindowHandle owner) {
    requireVideo();
    if (!window_) {
        window_ = std::make_unique<ui::VideoWindow>(*frames_);
        applyRect();
    }
    window_->setOwner(owner);
}

// The video widget lets all input through to the widget below it, which is
// the owner; the drain is kept for the record.
void MpvGraph::put_MessageDrain(ui::WindowHandle drain) {
    requireVideo();
    drain_ = drain;
}

void MpvGraph::put_Left(int32_t v) {
    requireVideo();
    rect_.moveLeft(v);
    applyRect();
}

void MpvGraph::put_Top(int32_t v) {
    requireVideo();
    rect_.moveTop(v);
    applyRect();
}

void MpvGraph::put_Width(int32_t v) {
    requireVideo();
    rect_.setWidth(v);
    applyRect();
}

void MpvGraph::put_Height(int32_t v) {
    requireVideo();
    rect_.setHeight(v);
    applyRect();
}

int32_t MpvGraph::get_Left() {
    requireVideo();
    return rect_.left();
}

int32_t MpvGraph::get_Top() {
    requireVideo();
    return rect_.top();
}

int32_t MpvGraph::get_Width() {
    requireVideo();
    return rect_.width();
}

int32_t MpvGraph::get_Height() {
    requireVideo();
    return rect_.height();
}

// The video widget never has a caption or a border; the style is kept.
void MpvGraph::put_WindowStyle(int32_t style) {
    requireVideo();
    style_ = style;
}

}  // namespace media
