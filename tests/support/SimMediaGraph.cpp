#include "support/SimMediaGraph.h"
#include "support/SimPlatform.h"
#include "ui/DiscFiles.h"
#include "ui/Errors.h"
#include <QFile>
#include <QHash>
#include <QStringList>
#include <algorithm>
#include <stdexcept>
#include <vector>

namespace sim {

namespace {

std::vector<SimMediaGraph*> live;
SimMediaGraph* newest = nullptr;
int made = 0;

struct ClipInfo {
    double duration = 0;
    int width = 0;
    int height = 0;
    bool video = false;
    bool audio = false;
};

// Reads "SIMCLIP key=value ..."; false for anything else.
bool parseClip(const QByteArray& content, ClipInfo& clip) {
    const QStringList words = QString::fromLatin1(content).simplified().split(QLatin1Char(' '));
    if (words.isEmpty() || words.front() != QLatin1String("SIMCLIP")) return false;
    QHash<QString, QString> fields;
    for (qsizetype i = 1; i < words.size(); ++i) {
        const qsizetype eq = words[i].indexOf(QLatin1Char('='));
        if (eq <= 0) return false;
        fields.insert(words[i].left(eq), words[i].mid(eq + 1));
    }
    bool ok = true;
    auto number = [&](const char* key, double fallback) {
        if (!fields.contains(QLatin1String(key))) return fallback;
        bool good = false;
        const double v = fields.value(QLatin1String(key)).toDouble(&good);
        ok = ok && good;
        return v;
    };
    clip.duration = number("duration", 0);
    clip.width = int(number("width", 320));
    clip.height = int(number("height", 240));
    clip.video = number("video", 1) != 0;
    clip.audio = number("audio", 1) != 0;
    return ok && clip.duration > 0 && (!clip.video || (clip.width > 0 && clip.height > 0)) && (clip.video || clip.audio);
}

}  // namespace

void writeSimClip(const QString& path, double duration, int width, int height, bool video, bool audio) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw std::runtime_error("cannot write simulated clip " + path.toStdString());
    const QString line = QStringLiteral("SIMCLIP duration=%1 width=%2 height=%3 video=%4 audio=%5\n")
                             .arg(QString::number(duration, 'g', 17))
                             .arg(width)
                             .arg(height)
                             .arg(video ? 1 : 0)
                             .arg(audio ? 1 : 0);
    file.write(line.toLatin1());
}

SimMediaGraph::SimMediaGraph(SimPlatform& platform) : platform_(platform) {
    live.push_back(this);
    newest = this;
    ++made;
}

SimMediaGraph::~SimMediaGraph() {
    live.erase(std::find(live.begin(), live.end(), this));
    if (newest == this) newest = nullptr;
}

void SimMediaGraph::RenderFile(const QString& path) {
    path_ = path;
    rendered_ = false;
    state_ = State::Stopped;
    heldPosition_ = 0;
    QFile file(ui::ResolveDiscPath(path));
    ClipInfo clip;
    if (!file.open(QIODevice::ReadOnly)) {
        failure_ = QStringLiteral("cannot play %1: the file does not exist").arg(path);
        throw ui::MediaError(failure_);
    }
    if (!parseClip(file.read(4096), clip)) {
        failure_ = QStringLiteral("cannot play %1: unrecognized file format").arg(path);
        throw ui::MediaError(failure_);
    }
    failure_.clear();
    rendered_ = true;
    duration_ = clip.duration;
    video_ = clip.video;
    audio_ = clip.audio;
    rect_ = video_ ? QRect(0, 0, clip.width, clip.height) : QRect();
}

// Like the real framework, the control calls on an empty graph do nothing.
void SimMediaGraph::Run() {
    if (!rendered_ || state_ == State::Running) return;
    heldPosition_ = position();
    runMark_ = platform_.now();
    state_ = State::Running;
}

void SimMediaGraph::Pause() {
    if (!rendered_) return;
    heldPosition_ = position();
    state_ = State::Paused;
}

void SimMediaGraph::Stop() {
    if (!rendered_) return;
    heldPosition_ = position();
    state_ = State::Stopped;
}

double SimMediaGraph::elapsedSince(double clockMark) const {
    double d = platform_.now() - clockMark;
    if (d < 0) d += 86400.0;  // the clock went past midnight
    return d;
}

double SimMediaGraph::position() const {
    if (!rendered_) return 0;
    const double p = state_ == State::Running ? heldPosition_ + elapsedSince(runMark_) : heldPosition_;
    return std::min(p, duration_);
}

double SimMediaGraph::get_Duration() {
    requireFile();
    return duration_;
}

double SimMediaGraph::get_CurrentPosition() {
    requireFile();
    return position();
}

void SimMediaGraph::put_CurrentPosition(double seconds) {
    requireFile();
    heldPosition_ = std::clamp(seconds, 0.0, duration_);
    runMark_ = platform_.now();
    ++seeks_;
}

void SimMediaGraph::put_Volume(int32_t level) {
    if (level < -10000 || level > 0) throw ui::MediaError(QStringLiteral("volume %1 is outside -10000..0").arg(level));
    volume_ = level;
    ++volumeCalls_;
}

int32_t SimMediaGraph::get_Volume() { return volume_; }

void SimMediaGraph::requireFile() const {
    if (!rendered_) throw ui::MediaError(failure_.isEmpty() ? QStringLiteral("no media file is open") : failure_);
}

void SimMediaGraph::requireVideo() const {
    requireFile();
    if (!video_) throw ui::MediaError(QStringLiteral("%1 has no video stream").arg(path_));
}

void SimMediaGraph::put_Owner(ui::WindowHandle owner) {
    requireVideo();
    owner_ = owner;
}

void SimMediaGraph::put_MessageDrain(ui::WindowHandle drain) {
    requireVideo();
    drain_ = drain;
}

void SimMediaGraph::put_Left(int32_t v) {
    requireVideo();
    rect_.moveLeft(v);
}

void SimMediaGraph::put_Top(int32_t v) {
    requireVideo();
    rect_.moveTop(v);
}

void SimMediaGraph::put_Width(int32_t v) {
    requireVideo();
    rect_.setWidth(v);
}

void SimMediaGraph::put_Height(int32_t v) {
    requireVideo();
    rect_.setHeight(v);
}

int32_t SimMediaGraph::get_Left() {
    requireVideo();
    return rect_.left();
}

int32_t SimMediaGraph::get_Top() {
    requireVideo();
    return rect_.top();
}

int32_t SimMediaGraph::get_Width() {
    requireVideo();
    return rect_.width();
}

int32_t SimMediaGraph::get_Height() {
    requireVideo();
    return rect_.height();
}

void SimMediaGraph::put_WindowStyle(int32_t style) {
    requireVideo();
    style_ = style;
}

std::unique_ptr<ui::MediaGraph> makeSimMediaGraph(SimPlatform& platform) {
    return std::make_unique<SimMediaGraph>(platform);
}

SimMediaGraph* lastSimGraph() { return newest; }

int liveSimGraphs() { return int(live.size()); }

int simGraphsMade() { return made; }

}  // namespace sim
