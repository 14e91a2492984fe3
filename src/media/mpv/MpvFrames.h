#pragma once
// The video frames of one core: draws the render context's current frame into
// a memory surface with the software renderer, on the user-interface thread.
// Every new frame must be drawn (the core waits for it before showing the
// next), whether or not a window is showing it.
#include "ui/VideoWindow.h"
#include <QImage>
#include <QSize>
#include <cstdint>
#include <memory>

struct mpv_render_context;

namespace media {

class MpvFrames : public ui::VideoFrameSource {
public:
    explicit MpvFrames(mpv_render_context* context) : context_(context) {}

    // The core says a frame may be ready: draws it when it is, at the given
    // size. Returns true when a new frame was drawn.
    bool takeNewFrame(QSize size);
    // Draws the current frame again at another size (e.g. after a resize
    // while paused).
    const QImage& frameFor(QSize area) override;
    // The video's own size (where the window's painter does the scaling).
    void setNaturalSize(QSize size) { naturalSize_ = size; }
    // True once any frame was drawn.
    bool hasFrame() const { return hasFrame_; }

private:
    void draw(QSize size);

    mpv_render_context* context_;
    std::unique_ptr<uint8_t, void (*)(void*)> pixels_{nullptr, nullptr};
    size_t capacity_ = 0;
    QImage image_;
    QSize naturalSize_;
    bool hasFrame_ = false;
};

}  // namespace media
