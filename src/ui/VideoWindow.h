#pragma once
// The video window: a child widget of the owner widget that shows the latest
// video frame at a rectangle in pixels of the owner's client area. It takes no
// mouse or keyboard input, so clicks, double clicks and keys land on the owner
// underneath (the owner is the message drain).
//
// The media framework owns the frames; it hands them over through
// VideoFrameSource and tells the window when a new one is ready. This header
// stays free of widget headers so that the media code can use it.
#include "ui/MediaGraph.h"
#include <QImage>
#include <QRect>
#include <QSize>
#include <memory>

namespace ui {

// Where the window gets its picture. Called on the user-interface thread only.
class VideoFrameSource {
public:
    virtual ~VideoFrameSource() = default;
    // The current frame for an area of the given size: drawn at exactly that
    // size, or at the video's own size when the window is to stretch it. A
    // null image when there is no frame yet. The image stays valid until the
    // next call.
    virtual const QImage& frameFor(QSize area) = 0;
    // Draws the current frame straight into target, a 32-bit picture (the
    // window's own surface), filling rect exactly: one copy of every frame
    // fewer than frameFor. False when it cannot (no frame yet, or the frame
    // is to be stretched by the painter); frameFor serves then.
    virtual bool drawInPlace(QImage& target, const QRect& rect) = 0;
};

// Who scales the picture to the window's size: the frame source (drawing
// straight at the window's size) or the window's painter (stretching a frame
// drawn at the video's own size, taking the nearest pixel or, smooth,
// interpolating). BySize lets the source draw a picture made smaller (one
// pass, fewer pixels to convert) and the painter stretch, smoothly, one made
// larger. Chosen by measurement, see bench/README.md.
enum class VideoScaling { InSource, InPainter, InPainterSmooth, BySize };

class VideoWindow {
public:
    // The window exists but shows nothing until it has an owner.
    explicit VideoWindow(VideoFrameSource& source);
    // Removes the widget at once (if its owner has not already taken it down).
    ~VideoWindow();
    VideoWindow(const VideoWindow&) = delete;
    VideoWindow& operator=(const VideoWindow&) = delete;

    // Makes the widget a child of owner (moving it from a previous owner) and
    // shows it at the current rectangle. A null owner hides it.
    void setOwner(WindowHandle owner);
    // The rectangle in pixels of the owner's client area.
    void setRect(const QRect& rect);
    // A new frame is ready: repaint soon.
    void frameReady();
    // True when the window will paint all of itself soon after frameReady and
    // can draw the frame in place at this natural size (shown, exposed, not
    // covered by another widget): the frame source may then leave a new frame
    // to the paint instead of drawing it at once.
    bool paintsFramesInPlace(QSize naturalSize) const;
    // The size the frame source should draw at for the current rectangle.
    QSize drawingSize(QSize naturalSize) const;

    // How frames are scaled to the window; one choice for the whole process.
    static void setScaling(VideoScaling scaling);
    static VideoScaling scaling();
    // The size a frame for an area is drawn at under the current scaling:
    // the area's own, or the video's natural size for the painter to stretch.
    static QSize frameSizeFor(QSize area, QSize naturalSize);

private:
    struct Impl;
    std::unique_ptr<Impl> d_;
};

}  // namespace ui
