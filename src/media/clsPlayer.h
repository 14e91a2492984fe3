#pragma once
// clsPlayer: the system's only way to play a media file. One object wraps one
// media graph: it builds the graph for a file, puts the graph's video into a
// window of the caller's choosing, runs, pauses and stops it and sets the sound
// volume; it hands out the position, video-window and audio interfaces.
//
// Failures: RenderFile and Volume swallow every failure; every other member
// passes the graph's failure on as ui::MediaError. Dropping the object ends
// playback and removes the video window (no Stopp first).
#include "ui/MediaGraph.h"
#include <QString>
#include <cstdint>
#include <memory>

class clsPlayer {
public:
    clsPlayer();  // creates the graph through the platform
    ~clsPlayer();
    clsPlayer(const clsPlayer&) = delete;
    clsPlayer& operator=(const clsPlayer&) = delete;

    bool isPlaying() const { return playing_; }
    // put_Owner(handle), then put_MessageDrain(handle).
    void setOwner(ui::WindowHandle handle);
    ui::IVideoWindow& IVWindow();
    ui::IMediaPosition& IVMPos();
    int32_t Left();
    void setLeft(int32_t v);
    int32_t Top();
    void setTop(int32_t v);
    int32_t Width();
    void setWidth(int32_t v);
    int32_t Height();
    void setHeight(int32_t v);
    // put_WindowStyle, widened from a 16-bit value; every caller passes 7.
    void setWinStyle(int16_t style);
    ui::IBasicAudio& IBAudio();
    // level = v * 200 - 10000 hundredths of a decibel, at most 0; a value the
    // graph refuses (below -10000) leaves the volume as it was.
    void setVolume(int32_t v);
    void Run();
    void Pause();
    // Stop, then stand at the end: the position becomes the duration.
    void Stopp();
    // Builds the graph for the file; every failure is ignored.
    void RenderFile(const QString& path);

    // What RenderFile left, asked without failing: hasMedia is false when the
    // file gave nothing to play (missing, damaged, no stream that can be
    // decoded: no usable duration); hasVideo is false as well for a clip with
    // sound and no picture, whose video-window calls would fail.
    bool hasMedia();
    bool hasVideo();

private:
    ui::MediaGraph& graph();

    std::unique_ptr<ui::MediaGraph> graph_;
    bool playing_ = false;
};
