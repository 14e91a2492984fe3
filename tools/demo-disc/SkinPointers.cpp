#include "SkinPointers.h"

#include "PaintKit.h"
#include "support/CursorFile.h"

#include <QPainterPath>

namespace demo {

QImage HandImage() {
    // Drawn large and smooth, then reduced to black, white and transparent.
    constexpr int scale = 8;
    QImage big(32 * scale, 32 * scale, QImage::Format_ARGB32_Premultiplied);
    big.fill(Qt::transparent);
    QPainter p(&big);
    Smooth(p);
    p.scale(scale, scale);
    QPainterPath hand;
    // index finger, its tip at the hot spot
    hand.moveTo(3.5, 2);
    hand.quadTo(3.5, 0.2, 5.5, 0.2);
    hand.quadTo(7.5, 0.2, 7.5, 2);
    hand.lineTo(7.5, 11);
    // the other fingers as knuckles
    hand.quadTo(7.5, 9.5, 9.5, 9.5);
    hand.quadTo(11.5, 9.5, 11.5, 11.5);
    hand.quadTo(11.5, 10, 13.5, 10);
    hand.quadTo(15.5, 10, 15.5, 12);
    hand.quadTo(15.5, 11, 17.3, 11);
    hand.quadTo(19.3, 11, 19.3, 13);
    hand.lineTo(19.3, 20);
    // palm down to the wrist
    hand.quadTo(19.3, 24, 17, 26);
    hand.lineTo(17, 29);
    hand.lineTo(7, 29);
    hand.lineTo(7, 26);
    // thumb
    hand.quadTo(4, 23, 1.2, 18.5);
    hand.quadTo(0.2, 16.5, 1.8, 15.6);
    hand.quadTo(3.2, 15, 4.6, 16.6);
    hand.lineTo(3.5, 16.6);
    hand.lineTo(3.5, 2);
    hand.closeSubpath();
    p.setPen(QPen(Qt::black, 1.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawPath(hand);
    p.setPen(QPen(Qt::black, 0.9, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(11.5, 11.5), QPointF(11.5, 16));
    p.drawLine(QPointF(15.5, 12), QPointF(15.5, 16));
    p.drawLine(QPointF(7.5, 11), QPointF(7.5, 16));
    p.end();

    const QImage small = big.scaled(32, 32, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QImage out(32, 32, QImage::Format_ARGB32);
    out.fill(Qt::transparent);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const QRgb c = small.pixel(x, y);
            if (qAlpha(c) < 100) continue;
            const int lightness = qGray(qUnpremultiply(c));
            out.setPixel(x, y, lightness > 150 ? qRgba(255, 255, 255, 255) : qRgba(0, 0, 0, 255));
        }
    return out;
}

QByteArray HandCursorFile() {
    return sim::makeCursorFile(HandImage(), kHandHotSpot);
}

QImage ArrowImage(const QColor& page) {
    QImage image = NewImage(48, 40, page);
    QPainter p(&image);
    Smooth(p);
    QPainterPath arrow;
    arrow.moveTo(8, 15);
    arrow.lineTo(24, 15);
    arrow.lineTo(24, 8);
    arrow.quadTo(24, 5.5, 26.5, 7.2);
    arrow.lineTo(40, 17.8);
    arrow.quadTo(42, 20, 40, 22.2);
    arrow.lineTo(26.5, 32.8);
    arrow.quadTo(24, 34.5, 24, 32);
    arrow.lineTo(24, 25);
    arrow.lineTo(8, 25);
    arrow.quadTo(5, 25, 5, 22);
    arrow.lineTo(5, 18);
    arrow.quadTo(5, 15, 8, 15);
    arrow.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 40, 80, 30));
    p.drawPath(arrow.translated(0, 2));
    p.setBrush(Diagonal(QRectF(5, 6, 38, 28), QColor(255, 190, 80), QColor(240, 110, 60)));
    p.drawPath(arrow);
    p.end();
    return image;
}

}  // namespace demo
