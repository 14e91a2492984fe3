#include "media/mpv/MpvFrames.h"
#include <cstdlib>
#include <mpv/render.h>

namespace media {

namespace {
// Pointer and stride on 64 bytes keep the library's converters on their fast path.
constexpr size_t alignment = 64;
constexpr size_t alignUp(size_t n) { return (n + alignment - 1) / alignment * alignment; }
}  // namespace

bool MpvFrames::takeNewFrame(QSize size) {
    if (!newFrameWaiting()) return false;
    draw(size);
    return true;
}

bool MpvFrames::newFrameWaiting() {
    if (mpv_render_context_update(context_) & MPV_RENDER_UPDATE_FRAME) waiting_ = true;
    return waiting_;
}

const QImage& MpvFrames::frameFor(QSize area) {
    const QSize wanted = ui::VideoWindow::frameSizeFor(area, naturalSize_).expandedTo(QSize(1, 1));
    if (waiting_ || (drawn_ && (!imageCurrent_ || image_.size() != wanted))) draw(wanted);
    return image_;
}

bool MpvFrames::drawInPlace(QImage& target, const QRect& rect) {
    if (!waiting_ && !drawn_) return false;  // no frame yet: the window shows black
    if (rect.isEmpty() || !target.rect().contains(rect) || target.depth() != 32) return false;
    // A frame the window's painter is to stretch is drawn at the video's size.
    if (ui::VideoWindow::frameSizeFor(rect.size(), naturalSize_) != rect.size()) return false;
    const qsizetype stride = target.bytesPerLine();
    uchar* first = target.bits() + qsizetype(rect.top()) * stride + qsizetype(rect.left()) * 4;
    if (!render(first, rect.size(), size_t(stride))) return false;
    imageCurrent_ = false;
    return true;
}

void MpvFrames::draw(QSize size) {
    size = size.expandedTo(QSize(1, 1));
    size_t stride = alignUp(size_t(size.width()) * 4);
    const size_t bytes = stride * size_t(size.height());
    if (bytes > capacity_) {
        image_ = QImage();  // it points into the buffer about to go
        imageCurrent_ = false;
        pixels_ = {static_cast<uint8_t*>(std::aligned_alloc(alignment, alignUp(bytes))), &std::free};
        capacity_ = pixels_ ? alignUp(bytes) : 0;
        if (!pixels_) return;
    }
    if (!render(pixels_.get(), size, stride)) return;
    image_ = QImage(pixels_.get(), size.width(), size.height(), qsizetype(stride), QImage::Format_RGB32);
    imageCurrent_ = true;
}

bool MpvFrames::render(uchar* pixels, QSize size, size_t stride) {
    int wh[2] = {size.width(), size.height()};
    // Bytes blue, green, red, alpha: Qt's native 32-bit layout on
    // little-endian machines, drawn to the screen without conversion. The
    // video has no alpha, so the library writes every pixel opaque, as the
    // window's premultiplied surface needs (with an unused fourth byte it
    // writes 0 there: transparent pixels with colour in them).
    mpv_render_param params[] = {
        {MPV_RENDER_PARAM_SW_SIZE, wh},
        {MPV_RENDER_PARAM_SW_FORMAT, const_cast<char*>("bgra")},
        {MPV_RENDER_PARAM_SW_STRIDE, &stride},
        {MPV_RENDER_PARAM_SW_POINTER, pixels},
        {MPV_RENDER_PARAM_INVALID, nullptr},
    };
    if (mpv_render_context_render(context_, params) < 0) return false;
    drawn_ = true;
    waiting_ = false;
    return true;
}

}  // namespace media
