#include "ui/Cursor.h"
#include "ui/CursorBitmap.h"
#include "ui/Picture.h"
#include <QBitmap>
#include <QBuffer>
#include <QImageReader>
#include <QPainter>
#include <QtEndian>

namespace ui {

namespace {

// The hand: a pointing finger drawn on a 32 x 32 two-colour grid, its tip at
// (5, 0). '#' is black, '.' is white, ' ' is transparent.
const char* const kHand[32] = {
    "    ##                          ", "   #..#                         ",
    "   #..#                         ", "   #..#                         ",
    "   #..#                         ", "   #..###                       ",
    "   #..#..###                    ", "   #..#..#..##                  ",
    "   #..#..#..#.#                 ", "## #..#..#..#..#                ",
    "#..#.........#..#               ", "#...#...........#               ",
    " #..............#               ", "  #.............#               ",
    "  #............#                ", "   #...........#                ",
    "   #..........#                 ", "    #.........#                 ",
    "    #........#                  ", "     #.......#                  ",
    "     #########                  ", "                                ",
    "                                ", "                                ",
    "                                ", "                                ",
    "                                ", "                                ",
    "                                ", "                                ",
    "                                ", "                                ",
};

QCursor makeHand() {
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const char c = kHand[y][x];
            if (c == '#') image.setPixel(x, y, qRgba(0, 0, 0, 255));
            else if (c == '.') image.setPixel(x, y, qRgba(255, 255, 255, 255));
        }
    return QCursor(QPixmap::fromImage(image), 5, 0);
}

}  // namespace

const QCursor& HandCursor() {
    static const QCursor hand = makeHand();
    return hand;
}

QCursor CursorFromPicture(const Picture& picture) {
    if (picture.isNull()) return HandCursor();
    return QCursor(QPixmap::fromImage(picture.image()), picture.hotSpot().x(), picture.hotSpot().y());
}

// A cursor file: a 6-byte header (0, type 2, count), then 16-byte entries
// (width, height, colours, reserved, hot spot x and y, size, offset). The
// image payload, the usual bitmap, is read by DecodeCursorBitmap, any other by
// Qt's icon reader; the hot spot comes from the entry, which that reader does
// not keep.
std::optional<Picture> DecodeCursorFile(const QByteArray& bytes, QString* why) {
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
    const qsizetype size = bytes.size();
    if (size < 6 + 16) return std::nullopt;
    if (qFromLittleEndian<quint16>(data) != 0) return std::nullopt;
    const quint16 type = qFromLittleEndian<quint16>(data + 2);
    const quint16 count = qFromLittleEndian<quint16>(data + 4);
    if ((type != 1 && type != 2) || count == 0) return std::nullopt;
    const uchar* entry = data + 6;
    const quint32 length = qFromLittleEndian<quint32>(entry + 8);
    const quint32 offset = qFromLittleEndian<quint32>(entry + 12);
    if (offset < 6u + 16u || offset > quint64(size) || length > quint64(size) - offset) return std::nullopt;
    QPoint hot;
    if (type == 2) hot = QPoint(qFromLittleEndian<quint16>(entry + 4), qFromLittleEndian<quint16>(entry + 6));

    // The usual bitmap is read here; any other payload by Qt's icon reader.
    if (std::optional<QImage> bitmap = DecodeCursorBitmap(data + offset, length)) {
        if (hot.x() >= bitmap->width() || hot.y() >= bitmap->height()) hot = QPoint();
        return Picture(std::move(*bitmap), hot);
    }

    // Qt's reader takes icon files; present the cursor as one.
    QByteArray asIcon = bytes;
    asIcon[2] = 1;
    for (int i = 0; i < count && 6 + 16 * (i + 1) <= size; ++i)
        for (int b = 4; b < 8; ++b) asIcon[6 + 16 * i + b] = 0;  // planes and bit count: unspecified
    QBuffer buffer(&asIcon);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "ico");
    reader.setAutoDetectImageFormat(false);  // the icon plugin alone: no other is loaded to be asked
    // The image's own header can claim any size; it is checked before its
    // pixels are decoded, and the decoded image again.
    QString problem = PictureSizeProblem(reader.size());
    QImage image;
    if (problem.isEmpty()) image = reader.read();
    if (problem.isEmpty() && !image.isNull()) problem = PictureSizeProblem(image.size());
    if (!problem.isEmpty()) {
        if (why) *why = problem;
        return std::nullopt;
    }
    if (image.isNull()) return std::nullopt;
    image = image.convertToFormat(QImage::Format_ARGB32);
    if (hot.x() >= image.width() || hot.y() >= image.height()) hot = QPoint();
    return Picture(std::move(image), hot);
}

}  // namespace ui
