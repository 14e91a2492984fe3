#include "ui/Picture.h"
#include "ui/Cursor.h"
#include "ui/DiscFiles.h"
#include "ui/Errors.h"
#include "ui/JpegPicture.h"
#include "ui/PicturePrefetch.h"
#include "ui/PlainBitmap.h"
#include <QBuffer>
#include <QFile>
#include <QHash>
#include <QImageReader>
#include <atomic>
#include <cmath>

namespace ui {

Picture::Picture(QImage image, QPoint hotSpot) : image_(std::move(image)), hotSpot_(hotSpot) {}

int32_t PixelsToHimetric(int pixels) { return static_cast<int32_t>(std::lround(pixels * 2540.0 / 96.0)); }
int HimetricToPixels(int32_t himetric) { return static_cast<int>(std::lround(himetric * 96.0 / 2540.0)); }

int32_t Picture::Width() const { return PixelsToHimetric(image_.width()); }
int32_t Picture::Height() const { return PixelsToHimetric(image_.height()); }

namespace {

// The stamp of a file (one stat call), or nothing when there is none.
std::optional<FileStamp> stampOf(const QString& path) {
    FileStamp stamp;
    if (!GetFileStamp(path, stamp)) return std::nullopt;
    return stamp;
}

struct CacheEntry {
    QString real;  // the file the disc path resolved to
    FileStamp stamp;
    Picture picture;
};

QHash<QString, CacheEntry>& cache() {
    static QHash<QString, CacheEntry> entries;
    return entries;
}

std::atomic<uint64_t> fileReads{0};
constexpr int kCacheLimit = 96;

constexpr char kJpegStart[] = "\xFF\xD8\xFF";

bool looksLikeCursorOrIcon(const QByteArray& bytes) {
    return bytes.size() >= 6 && bytes[0] == 0 && bytes[1] == 0 && (bytes[2] == 1 || bytes[2] == 2) && bytes[3] == 0;
}

// The format a picture file's first bytes announce; none when they announce
// none the player knows. Named, the format is read by its own image plugin
// alone; found by content, the reader loads every image plugin installed to
// ask each in turn (three here, dozens on some desktops), before the first
// picture of the main window.
const char* announcedFormat(const QByteArray& bytes) {
    if (bytes.startsWith(kJpegStart)) return "jpeg";
    if (bytes.startsWith("GIF87a") || bytes.startsWith("GIF89a")) return "gif";
    if (bytes.startsWith("\x89PNG\r\n\x1A\n")) return "png";
    if (bytes.startsWith("BM")) return "bmp";
    return nullptr;
}

}  // namespace

QString PictureSizeProblem(QSize size) {
    if (qint64(size.width()) * size.height() <= kMaxPicturePixels) return {};
    return QStringLiteral("it is %1 x %2 pixels, more than the %3 megapixels a picture may have")
        .arg(size.width())
        .arg(size.height())
        .arg(kMaxPicturePixels / (1024 * 1024));
}

std::optional<Picture> DecodePicture(const QByteArray& bytes, QString* why) {
    if (looksLikeCursorOrIcon(bytes)) return DecodeCursorFile(bytes, why);
    if (std::optional<QImage> plain = DecodePlainBitmap(bytes)) return Picture(std::move(*plain));
    if (bytes.startsWith(kJpegStart)) {
        QImage image;
        QString problem;
        switch (DecodeJpeg(bytes, &image, &problem)) {
        case JpegOutcome::Decoded:
            return Picture(std::move(image));
        case JpegOutcome::Failed:
            if (why) *why = problem;
            return std::nullopt;
        case JpegOutcome::NotHandled:
            break;  // Qt's reader below
        }
    }
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    // A file whose header the plugin of its announced format takes is that
    // format's to read or to refuse; any other is found by its content, as
    // every file was before.
    std::optional<QImageReader> reader;
    if (const char* format = announcedFormat(bytes)) {
        reader.emplace(&buffer, format);
        reader->setAutoDetectImageFormat(false);
        if (!reader->canRead()) reader.reset();
    }
    if (!reader) {
        buffer.seek(0);
        reader.emplace(&buffer);
        reader->setDecideFormatFromContent(true);
    }
    // The size the header claims, read before any pixel.
    if (const QString problem = PictureSizeProblem(reader->size()); !problem.isEmpty()) {
        if (why) *why = problem;
        return std::nullopt;
    }
    QImage image = reader->read();
    if (image.isNull()) {
        if (why) *why = reader->errorString();
        return std::nullopt;
    }
    // A format that gives no size before decoding is checked now, before the
    // conversion to 32 bits makes a small-pixel image four to thirty-two times larger.
    if (const QString problem = PictureSizeProblem(image.size()); !problem.isEmpty()) {
        if (why) *why = problem;
        return std::nullopt;
    }
    if (image.format() != QImage::Format_RGB32 && image.format() != QImage::Format_ARGB32)
        image = image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    return Picture(std::move(image));
}

std::optional<LoadedPicture> ReadPictureFile(const QString& path, QString* why) {
    const QString real = ResolveDiscPath(path);
    const std::optional<FileStamp> stamp = stampOf(real);
    if (!stamp) {
        *why = QStringLiteral("Picture file not found: %1").arg(DisplayPath(path));
        return std::nullopt;
    }
    QByteArray bytes;
    fileReads.fetch_add(1, std::memory_order_relaxed);
    if (!ReadWholeFile(real, bytes)) {
        *why = QStringLiteral("Picture file cannot be read: %1").arg(DisplayPath(path));
        return std::nullopt;
    }
    QString problem;
    std::optional<Picture> picture = DecodePicture(bytes, &problem);
    if (!picture) {
        *why = problem.isEmpty() ? QStringLiteral("Picture file cannot be decoded: %1").arg(DisplayPath(path))
                                 : QStringLiteral("Picture file cannot be decoded: %1 (%2)").arg(DisplayPath(path), problem);
        return std::nullopt;
    }
    return LoadedPicture{real, *stamp, std::move(*picture)};
}

Picture LoadPicture(const QString& path) {
    // Entries are kept by the disc path as asked for. Resolving it again would
    // check every component and list a folder for each one whose letter case
    // differs (copies of CDs are often in capitals): a dozen directory reads
    // per picture, and the main window asks for ten pictures on every mouse
    // move over its background. A hit costs one look at the resolved file.
    auto& entries = cache();
    auto it = entries.find(path);
    if (it != entries.end() && stampOf(it->real) == it->stamp) return it->picture;

    // A picture read ahead is checked like a cached one: a file changed since
    // (or one that could not be read ahead) is read now.
    std::optional<LoadedPicture> loaded = TakePrefetchedPicture(path);
    if (loaded && stampOf(loaded->real) != loaded->stamp) loaded.reset();
    if (!loaded) {
        QString why;
        loaded = ReadPictureFile(path, &why);
        if (!loaded) throw FileError(why);
    }
    if (entries.size() >= kCacheLimit) entries.clear();
    entries.insert(path, CacheEntry{loaded->real, loaded->stamp, loaded->picture});
    return loaded->picture;
}

uint64_t PictureFileReads() { return fileReads.load(std::memory_order_relaxed); }

}  // namespace ui
