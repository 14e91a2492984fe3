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
    const uint64_t flags = mpv_render_context_update(context_);
    if (!(flags & MPV_RENDER_UPDATE_FRAME)) return false;
    draw(size);
    return true;
}

const QImage& MpvFrames::frameFor(QSize area) {
    const QSize wanted = ui::VideoWindow::frameSizeFor(area, naturalSize_);
    if (hasFrame_ && image_.size() != wanted.expandedTo(QSize(1, 1))) draw(wanted);
    return image_;
}

void MpvFrames::draw(QSize size) {
    size = size.expandedTo(QSize(1, 1));
    size_t stride = alignUp(size_t(size.width()) * 4);
    const size_t bytes = stride * size_t(size.height());
    if (bytes > capacity_) {
        image_ = QImage();  // it points into the buffer about to go
        hasFrame_ = false;
        pixels_ = {static_cast<uint8_t*>(std::aligned_alloc(alignment, alignUp(bytes))), &std::free};
        capacity_ = pixels_ ? alignUp(bytes) : 0;
        if (!pixels_) {
            image_ = QImage();
            return;
        }
    }
    int wh[2] = {size.width(), size.height()};
    // Bytes blue, green, red, unused: Qt's native 32-bit RGB layout on
    // little-endian machines, drawn to the screen without conversion.
    mpv_render_param params[] = {
        {MPV_RENDER_PARAM_SW_SIZE, wh},
        {MPV_RENDER_PARAM_SW_FORMAT, const_cast<char*>("bgr0")},
        {MPV_RENDER_PARAM_SW_STRIDE, &stride},
        {MPV_RENDER_PARAM_SW_POINTER, pixels_.get()},
        {MPV_RENDER_PARAM_INVALID, nullptr},
    };
    if (mpv_render_context_render(context_, params) < 0) return;
    image_ = QImage(pixels_.get(), size.width(), size.height(), qsizetype(stride), QImage::Format_RGB32);
    hasFrame_ = true;
}

}  // namespace media
