#pragma once
// The simulated media framework: clips are small text files on disk,
//     SIMCLIP duration=12.5 width=320 height=240 video=1 audio=1
// (writeSimClip makes one). Any other content, or a missing file, is a damaged
// clip: RenderFile throws. While running, the position follows the simulated
// platform's virtual clock and stops at the duration; Pause and Stop hold it;
// a seek sets it. Volume, owner, drain, rectangle and style are recorded.
// Calls that need a video stream fail when nothing was rendered or the clip
// has no video.
//
// Tests inspect the graphs through the registry below: the graph made last,
// and how many graphs are alive (a released player drops its graph).
#include "ui/MediaGraph.h"
#include <QRect>
#include <QString>
#include <memory>

namespace sim {

class SimPlatform;

// Writes a simulated clip; throws std::runtime_error if the file cannot be written.
void writeSimClip(const QString& path, double duration, int width = 320, int height = 240, bool video = true,
                  bool audio = true);

class SimMediaGraph final : public ui::MediaGraph {
public:
    enum class State { Stopped, Paused, Running };

    explicit SimMediaGraph(SimPlatform& platform);
    ~SimMediaGraph() override;

    void RenderFile(const QString& path) override;
    void Run() override;
    void Pause() override;
    void Stop() override;

    double get_Duration() override;
    double get_CurrentPosition() override;
    void put_CurrentPosition(double seconds) override;

    void put_Volume(int32_t level) override;
    int32_t get_Volume() override;

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

    // What tests look at; none of these fail or move the clock.
    bool rendered() const { return rendered_; }
    const QString& path() const { return path_; }  // as given to RenderFile
    State state() const { return state_; }
    double position() const;
    double duration() const { return duration_; }
    bool hasVideo() const { return video_; }
    bool hasAudio() const { return audio_; }
    int32_t volume() const { return volume_; }
    int volumeCalls() const { return volumeCalls_; }  // accepted ones
    ui::WindowHandle owner() const { return owner_; }
    ui::WindowHandle drain() const { return drain_; }
    QRect rect() const { return rect_; }
    int32_t style() const { return style_; }
    int seeks() const { return seeks_; }

private:
    void requireFile() const;
    void requireVideo() const;
    double elapsedSince(double clockMark) const;

    SimPlatform& platform_;
    QString path_;
    QString failure_;
    bool rendered_ = false;
    double duration_ = 0;
    bool video_ = false;
    bool audio_ = false;
    State state_ = State::Stopped;
    double heldPosition_ = 0;  // the position when last started, paused or sought
    double runMark_ = 0;       // the clock when it last started running
    int32_t volume_ = 0;
    int volumeCalls_ = 0;
    ui::WindowHandle owner_ = nullptr;
    ui::WindowHandle drain_ = nullptr;
    QRect rect_;
    int32_t style_ = 0;
    int seeks_ = 0;
};

// Made by SimPlatform::createGraph.
std::unique_ptr<ui::MediaGraph> makeSimMediaGraph(SimPlatform& platform);

// The graph made last while it is alive, else nullptr.
SimMediaGraph* lastSimGraph();
// How many simulated graphs are alive, and how many were made in this process.
int liveSimGraphs();
int simGraphsMade();

}  // namespace sim
