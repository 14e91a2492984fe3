#include "SkinSliders.h"

#include "PaintKit.h"

#include <QPainterPath>

namespace demo {

namespace {

using namespace palette;
using namespace strips;

const QColor kMagenta(255, 0, 255);
const QColor kFilledTop(86, 150, 232), kFilledBottom(38, 102, 190);

enum ThumbState { Normal, Over, Pressed, Disabled };

// The background column of the seek bar: the window's background at the bar's
// middle, the same all along the bar.
QImage seekBackground(const QImage& chrome, const QRect& bar, int width) {
    const QImage column = chrome.copy(bar.center().x(), bar.top(), 1, bar.height());
    return column.scaled(width, bar.height());
}

// The seek track: rows 2 to 6, round ends where asked.
void seekTrack(QPainter& p, qreal left, qreal right, bool filled, bool roundLeft, bool roundRight) {
    const qreal top = 2, height = 5, radius = 2.5;
    const QRectF r(left - (roundLeft ? 0 : radius * 2), top,
                   right - left + (roundLeft ? 0 : radius * 2) + (roundRight ? 0 : radius * 2), height);
    const QBrush brush = filled ? QBrush(Vertical(r, kFilledTop, kFilledBottom))
                                : QBrush(Vertical(r, QColor(200, 210, 224), QColor(218, 226, 237)));
    RoundedPanel(p, r, radius, brush);
}

// A thumb frame: the shape drawn smooth onto the colour it will mostly sit on,
// then every pixel less than half covered becomes magenta, so no pink fringe
// is left when the magenta is keyed out.
QImage thumbFrame(int width, int height, const QColor& under, const std::function<void(QPainter&)>& draw) {
    QImage shape(width, height, QImage::Format_ARGB32_Premultiplied);
    shape.fill(Qt::transparent);
    QPainter sp(&shape);
    Smooth(sp);
    draw(sp);
    sp.end();
    QImage frame(width, height, QImage::Format_RGB32);
    frame.fill(under);
    QPainter fp(&frame);
    fp.drawImage(0, 0, shape);
    fp.end();
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (qAlpha(shape.pixel(x, y)) < 128) frame.setPixel(x, y, kMagenta.rgb());
    return frame;
}

QColor ringColour(ThumbState s) {
    switch (s) {
    case Over: return blue.lighter(115);
    case Pressed: return blueDark;
    case Disabled: return QColor(170, 181, 197);
    default: return blue;
    }
}

QColor faceColour(ThumbState s) {
    switch (s) {
    case Over: return QColor(222, 235, 252);
    case Pressed: return blue;
    case Disabled: return QColor(232, 236, 242);
    default: return Qt::white;
    }
}

}  // namespace

void PaintIdleSeekTrack(QImage& window, const QRect& seekBar) {
    const QImage back = seekBackground(window, seekBar, seekBar.width());
    QPainter p(&window);
    p.drawImage(seekBar.topLeft(), back);
    p.translate(seekBar.topLeft());
    Smooth(p);
    seekTrack(p, 1, seekBar.width() - 1, false, true, true);
}

QImage SeekStrip(const QImage& chrome, const QRect& seekBar) {
    const int width = 2 * seekEnd + 2 * seekMid + 4 * seekThumb;
    QImage strip = seekBackground(chrome, seekBar, width).convertToFormat(QImage::Format_RGB32);
    QPainter p(&strip);
    Smooth(p);
    p.setClipRect(QRect(0, 0, seekEnd, seekHeight));
    seekTrack(p, 1, seekEnd, true, true, false);               // left end: always left of the thumb
    p.setClipRect(QRect(seekEnd, 0, seekEnd, seekHeight));
    seekTrack(p, seekEnd, 2 * seekEnd - 1, false, false, true);  // right end: always right of it
    p.setClipRect(QRect(2 * seekEnd, 0, seekMid, seekHeight));
    seekTrack(p, 2 * seekEnd, 2 * seekEnd + seekMid, true, false, false);
    p.setClipRect(QRect(2 * seekEnd + seekMid, 0, seekMid, seekHeight));
    seekTrack(p, 2 * seekEnd + seekMid, 2 * seekEnd + 2 * seekMid, false, false, false);
    p.setClipping(false);

    const QColor under = chrome.pixelColor(seekBar.center().x(), seekBar.top() + 1);
    for (int s = Normal; s <= Disabled; ++s) {
        const auto state = ThumbState(s);
        const QImage frame = thumbFrame(seekThumb, seekHeight, under, [state](QPainter& tp) {
            const QRectF pill(1.25, 0.25, seekThumb - 2.5, seekHeight - 0.5);
            RoundedPanel(tp, pill, pill.height() / 2, faceColour(state), ringColour(state), 1.5);
        });
        p.drawImage(2 * seekEnd + 2 * seekMid + s * seekThumb, 0, frame);
    }
    p.end();
    return strip;
}

QImage VolumeStrip(const QImage& chrome, const QRect& volumeBar) {
    const QImage back = chrome.copy(volumeBar);
    // The wedge grows from a thin line at the left to a thick end at the right,
    // around the row where the thumb's middle runs.
    QPainterPath wedge;
    wedge.moveTo(3, 15.5);
    wedge.lineTo(72, 8.0);
    wedge.quadTo(73.5, 7.8, 73.5, 9.5);
    wedge.lineTo(73.5, 16.0);
    wedge.quadTo(73.5, 17.5, 72, 17.5);
    wedge.lineTo(3.5, 17.5);
    wedge.quadTo(1.5, 16.6, 3, 15.5);
    wedge.closeSubpath();

    auto view = [&](int width, bool filled) {
        QImage v(width, volumeHeight, QImage::Format_RGB32);
        QPainter vp(&v);
        vp.drawImage(0, 0, back);
        if (width > back.width())  // one more column than the bar: repeat the last
            vp.drawImage(QRect(back.width(), 0, width - back.width(), volumeHeight),
                         back.copy(back.width() - 1, 0, 1, volumeHeight));
        Smooth(vp);
        vp.setPen(Qt::NoPen);
        vp.setBrush(filled ? QBrush(Diagonal(QRectF(0, 8, 75, 10), QColor(64, 186, 170), kFilledBottom))
                           : QBrush(QColor(208, 217, 230)));
        vp.drawPath(wedge);
        vp.end();
        return v;
    };

    const int width = volumeFilled + volumeEmpty + 4 * volumeThumb;
    QImage strip(width, volumeHeight, QImage::Format_RGB32);
    strip.fill(kMagenta);
    QPainter p(&strip);
    p.drawImage(0, 0, view(volumeFilled, true));
    p.drawImage(volumeFilled, 0, view(volumeEmpty, false));
    const QColor under = back.pixelColor(back.width() / 2, volumeThumbTop + 7);
    for (int s = Normal; s <= Disabled; ++s) {
        const auto state = ThumbState(s);
        const QImage frame = thumbFrame(volumeThumb, volumeThumb, under, [state](QPainter& tp) {
            const QRectF disc(0.75, 0.75, volumeThumb - 1.5, volumeThumb - 1.5);
            tp.setPen(QPen(ringColour(state), 1.5));
            tp.setBrush(faceColour(state));
            tp.drawEllipse(disc);
            tp.setPen(Qt::NoPen);
            tp.setBrush(state == Pressed ? QColor(Qt::white) : ringColour(state));
            tp.drawEllipse(disc.center(), 2, 2);
        });
        p.drawImage(volumeFilled + volumeEmpty + s * volumeThumb, 0, frame);
    }
    p.end();
    return strip;
}

}  // namespace demo
