#pragma once
// The media framework as the player uses it: one graph per file, with the
// control, position, audio and video-window operations. Two implementations
// stand behind the platform seam: the real one over libmpv (src/media) and a
// simulated one for tests (tests/support).
//
// Every operation but RenderFile's callers' own error swallowing reports a
// failure by throwing ui::MediaError with the cause. Called only from the
// user-interface thread; reads of position and duration must be cheap (they
// run twice every 10 ms).
#include <QString>
#include <cstdint>

class QWidget;

namespace ui {

// A window that can own the video: the widget that receives the video and the
// mouse and keyboard input that arrives on it.
using WindowHandle = QWidget*;

class IMediaControl {
public:
    virtual ~IMediaControl() = default;
    // Builds the graph for the file at path (a disc path, "\" or "/" separated,
    // resolved case-insensitively). Synchronous and bounded: when it returns
    // the duration and the natural video size are known. Throws on failure.
    virtual void RenderFile(const QString& path) = 0;
    virtual void Run() = 0;
    virtual void Pause() = 0;
    virtual void Stop() = 0;
};

class IMediaPosition {
public:
    virtual ~IMediaPosition() = default;
    // Seconds. A rendered file's duration is above zero; at the end of the
    // stream the position reads as the duration.
    virtual double get_Duration() = 0;
    virtual double get_CurrentPosition() = 0;
    virtual void put_CurrentPosition(double seconds) = 0;
};

class IBasicAudio {
public:
    virtual ~IBasicAudio() = default;
    // Hundredths of a decibel, -10000 (silent) to 0 (full); other values are
    // refused with MediaError.
    virtual void put_Volume(int32_t level) = 0;
    virtual int32_t get_Volume() = 0;
};

class IVideoWindow {
public:
    virtual ~IVideoWindow() = default;
    // After put_Owner the video is drawn inside that widget at the rectangle
    // below, in pixels of its client area. Fails when no video stream exists.
    virtual void put_Owner(WindowHandle owner) = 0;
    // Mouse and keyboard input on the video goes to this widget.
    virtual void put_MessageDrain(WindowHandle drain) = 0;
    virtual void put_Left(int32_t v) = 0;
    virtual void put_Top(int32_t v) = 0;
    virtual void put_Width(int32_t v) = 0;
    virtual void put_Height(int32_t v) = 0;
    virtual int32_t get_Left() = 0;
    virtual int32_t get_Top() = 0;
    // The video's natural size until changed.
    virtual int32_t get_Width() = 0;
    virtual int32_t get_Height() = 0;
    // Style 7: no caption, no border.
    virtual void put_WindowStyle(int32_t style) = 0;
};

// One graph: all four interfaces of one object. Destroying it ends playback
// at once and removes the video window.
class MediaGraph : public IMediaControl, public IMediaPosition, public IBasicAudio, public IVideoWindow {
public:
    ~MediaGraph() override = default;
};

}  // namespace ui
