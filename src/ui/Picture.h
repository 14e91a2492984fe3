#pragma once
// The runtime's picture object: a decoded image and its size in HIMETRIC
// (hundredths of a millimetre). Loaded from .bmp, .jpg, .gif (first image) and
// .cur files; cursors keep their hot spot. Cheap to copy (shared pixels).
#include "ui/DiscFiles.h"
#include <QImage>
#include <QPoint>
#include <QSize>
#include <QString>
#include <cstdint>
#include <optional>

namespace ui {

class Picture {
public:
    Picture() = default;
    explicit Picture(QImage image, QPoint hotSpot = {});

    bool isNull() const { return image_.isNull(); }
    const QImage& image() const { return image_; }
    int pixelWidth() const { return image_.width(); }
    int pixelHeight() const { return image_.height(); }
    // Size in HIMETRIC, at 96 pixels per inch (2540 HIMETRIC per inch).
    int32_t Width() const;
    int32_t Height() const;
    // A cursor's hot spot (0, 0 for other pictures).
    QPoint hotSpot() const { return hotSpot_; }

private:
    QImage image_;
    QPoint hotSpot_;
};

// Pixels to HIMETRIC and back, rounded to nearest.
int32_t PixelsToHimetric(int pixels);
int HimetricToPixels(int32_t himetric);

// Loads a picture from a disc path ("\" or "/" separated, matched without
// regard to case). The kind is taken from the file's content. A missing or
// unreadable file raises FileError naming the path. Decoded pictures are cached
// by path, size and modification time, so what is shown stays the same.
Picture LoadPicture(const QString& path);

// A picture file read and decoded, with no cache: the file the disc path
// resolved to, its stamp when it was read, and its picture.
struct LoadedPicture {
    QString real;
    FileStamp stamp;
    Picture picture;
};
// Reads and decodes the picture at a disc path; nothing when the file is
// missing, unreadable or no picture, with the message LoadPicture raises in
// *why. For a folder disc it may run on any thread.
std::optional<LoadedPicture> ReadPictureFile(const QString& path, QString* why);

// Decodes a picture file's bytes (kind taken from the content; a GIF gives its
// first image); nothing when they are no picture, with the reason in *why
// when given.
std::optional<Picture> DecodePicture(const QByteArray& bytes, QString* why = nullptr);

// The most pixels a picture may have: 32 megapixels, 128 MB at 32 bits per
// pixel (a disc's largest pictures are a few megapixels). A file's header can
// claim any size in a few bytes; the claim is checked before any pixel is
// decoded, so that such a file costs neither memory nor time.
inline constexpr qint64 kMaxPicturePixels = qint64(32) * 1024 * 1024;
// Empty when a picture of that size may be decoded, else why not.
QString PictureSizeProblem(QSize size);

// The number of times a picture file was read and decoded (the cache missed).
uint64_t PictureFileReads();

}  // namespace ui
