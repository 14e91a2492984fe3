#pragma once
// The media graph over one mpv core: builds the playback of one file, runs,
// pauses, stops and seeks it, sets its volume and shows its video in a child
// widget of the owner window.
//
// Threads: everything runs on the user-interface thread. The core's threads
// only post calls here (see MpvCore); position and duration are answered from
// a cache that the core's property events keep up to date, so reading them
// never waits on the core. Only RenderFile waits, and at most loadTimeout;
// the windows go on painting meanwhile (ui::PaintWhileWaiting).
//
// The core (and with it the library, its frames and the video window) is made
// by the first RenderFile, not with the graph: until then the graph answers as
// a graph without a file does, and keeps the volume it is given for the core.
#include "media/mpv/MpvCore.h"
#include "media/mpv/MpvFrames.h"
#include "ui/MediaGraph.h"
#include "ui/VideoWindow.h"
#include <QRect>
#include <QSize>
#include <QString>
#include <chrono>
#include <memory>

struct mpv_event;
struct mpv_handle;

namespace media {
struct DiscStreamState;
}

namespace media {

class MpvGraph final : public ui::MediaGraph {
public:
    // How long RenderFile waits for a file to open before giving up.
    static constexpr std::chrono::milliseconds loadTimeout{5000};
    // A clip read from a disc image or drive waits on while the disc still
    // delivers (a cold drive spins up inside its first read), up to this.
    static constexpr std::chrono::milliseconds slowDiscTimeout{30000};
    // How often the windows repaint while RenderFile waits (seconds).
    static constexpr double paintSlice = 0.02;

    MpvGraph();
    ~MpvGraph() override;

    void RenderFile(const QString& path) override;
    void Run() override;
    void Pause() override;
    void Stop() override;

    double get_Duration() override;
    double get_CurrentPosition() override;
    void put_CurrentPosition(double seconds) override;

    void put_Volume(int32_t level) override;
    int32_t get_Volume() override { return volume_; }

    void put_Owner(ui::WindowHandle owner) override;
    void put_MessageDrain(ui::WindowHandle drain) override;
    void put_Left(int32_t v) override;
    void put_Top(int32_t v) override;
    void put_Width(int32_t v) override;
    void put_Height(int32_t v) override;
    int32_t get_Left() override;
    int32_t get_Top() override;
    int32_t get_Width() override;
    int32_t get_Height() override;
    void put_WindowStyle(int32_t style) override;

    // The core, for checks that read its own properties; null before the
    // first RenderFile.
    mpv_handle* coreHandle() const { return core_ ? core_->handle() : nullptr; }

private:
    // What the cache knows about the file that is open.
    struct Playback {
        bool loaded = false;     // RenderFile succeeded for this file
        bool ended = false;      // the core closed the file after loading it
        int64_t entry = -1;      // the core's playlist entry of this file
        QString name;            // as the caller gave it, for messages
        double duration = 0;
        double timePos = 0;
        bool eof = false;        // the core stands at the end of the stream
        bool seeking = false;    // a seek is under way: report its target
        double seekTarget = 0;
        bool seekedToEnd = false;
        bool hasVideo = false;
        bool hasAudio = false;
        QSize naturalSize;
        QString localFile;        // the file the core opens, on a folder disc
        bool seekLeadChosen = false;
    };

    void openFile(const QString& path);
    QByteArray addressOf(const QString& path);
    bool discStillDelivering(std::chrono::steady_clock::time_point& deadline);
    void waitUntilLoaded(std::chrono::steady_clock::time_point deadline);
    void readStreams(std::chrono::steady_clock::time_point deadline);
    void chooseSeekLead();
    const mpv_event* nextEventBefore(std::chrono::steady_clock::time_point deadline);
    void drainEvents();
    void handleEvent(const mpv_event& event);
    void onFrame();
    void startCore();
    void applyVolume(int32_t level);
    void setPaused(bool paused);
    void applyRect();
    void requireFile() const;
    void requireVideo() const;
    [[noreturn]] void fail(const QString& cause);

    std::unique_ptr<MpvCore> core_;  // none before the first RenderFile
    std::unique_ptr<MpvFrames> frames_;
    std::unique_ptr<ui::VideoWindow> window_;
    // The disc stream of the open clip, when it comes from an image or drive.
    std::shared_ptr<DiscStreamState> stream_;
    int64_t streamBytesSeen_ = 0;
    std::chrono::steady_clock::time_point streamOpened_;

    Playback file_;
    QString failure_;  // why the last RenderFile failed, for the calls after it
    QString lastLogError_;
    int32_t volume_ = 0;
    QRect rect_;
    ui::WindowHandle drain_ = nullptr;
    int32_t style_ = 0;
    bool waitingForFile_ = false;  // RenderFile lets the windows repaint
};

}  // namespace media
