#pragma once
// The video frames of one core: draws the render context's current frame with
// the software renderer, on the user-interface thread, into a memory surface
// of its own or, while a window shows it at the size it is drawn, straight
// into the window's surface when the window paints. Every new frame must be
// drawn soon (the core waits for it before showing the next), whether or not
// a window is showing it.
#include "ui/VideoWindow.h"
#include <QImage>
#include <QRect>
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
    // The core says a frame may be ready: true when one waits to be drawn,
    // which the window's next paint does (drawInPlace, else frameFor).
    bool newFrameWaiting();
    // The current frame at the size the window wants it; drawn again when it
    // is new, or was drawn elsewhere or at another size since.
    const QImage& frameFor(QSize area) override;
    bool drawInPlace(QImage& target, const QRect& rect) override;
    // The video's own size (where the window's painter does the scaling).
    void setNaturalSize(QSize size) { naturalSize_ = size; }

private:
    void draw(QSize size);
    bool render(uchar* pixels, QSize size, size_t stride);

    mpv_render_context* context_;
    std::unique_ptr<uint8_t, void (*)(void*)> pixels_{nullptr, nullptr};
    size_t capacity_ = 0;
    QImage image_;
    QSize naturalSize_;
    bool drawn_ = false;         // a frame was drawn, here or in place
    bool waiting_ = false;       // a new frame is not drawn yet
    bool imageCurrent_ = false;  // image_ holds the frame drawn last
};

}  // namespace media
