#include "SkinWindow.h"

#include "PaintKit.h"
#include "SkinButtons.h"
#include "SkinSliders.h"

#include <QPainterPath>

namespace demo {

namespace {

using namespace palette;

void paintTitleBand(QPainter& p, const DiscContent& content) {
    const QRectF band(0, 0, 800, layout::titleBandHeight);
    p.fillRect(band, Diagonal(band, QColor(52, 120, 206), QColor(28, 70, 140)));
    Bubble(p, QPointF(520, -30), 70, Qt::white, 14);
    Bubble(p, QPointF(580, 52), 36, Qt::white, 10);
    Bubble(p, QPointF(770, 6), 44, Qt::white, 12);
    // a small round emblem, the disc's name and its subtitle
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 200, 70));
    p.drawEllipse(QPointF(26, 20), 9, 9);
    p.setBrush(QColor(255, 255, 255, 230));
    p.drawEllipse(QPointF(29, 17), 3, 3);
    p.restore();
    LeftText(p, QRectF(44, 0, 200, 38), content.discTitle, CjkFont(18, true), Qt::white);
    LeftText(p, QRectF(144, 2, 200, 38), content.discSubtitle, CjkFont(12), QColor(214, 228, 248));
    p.fillRect(QRectF(0, layout::titleBandHeight, 800, 1), QColor(20, 50, 100, 60));
}

void paintLogo(QPainter& p, const DiscContent& content) {
    const QRectF r = QRectF(layout::logo).adjusted(4, 4, -4, -4);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(Diagonal(r, QColor(255, 183, 77), QColor(240, 98, 86)));
    p.drawEllipse(r);
    p.setBrush(QColor(255, 255, 255, 40));
    p.drawEllipse(r.adjusted(10, 10, -10, -10));
    // a star over a magnifying glass: exploring
    const QPointF c = r.center() + QPointF(-6, -6);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, 7, Qt::SolidLine, Qt::RoundCap));
    p.drawEllipse(c, 26, 26);
    p.drawLine(c + QPointF(19, 19), c + QPointF(36, 36));
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
        const qreal angle = -M_PI / 2 + i * M_PI / 5;
        const qreal radius = i % 2 == 0 ? 15 : 6.5;
        const QPointF pt = c + QPointF(std::cos(angle) * radius, std::sin(angle) * radius);
        if (i == 0) star.moveTo(pt);
        else star.lineTo(pt);
    }
    star.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(star);
    p.restore();
    CentredText(p, QRectF(14, 216, 176, 26), content.discTitle, CjkFont(17, true), navy);
    CentredText(p, QRectF(14, 242, 176, 20), QStringLiteral("边看边学 · 快乐成长"), CjkFont(12), grey);
}

void paintSidePanel(QPainter& p, const DiscContent& content) {
    const QRectF card(14, 55, 176, 445);
    SoftShadow(p, card, 14);
    RoundedPanel(p, card, 14, Vertical(card, Qt::white, QColor(247, 250, 254)), QColor(222, 230, 241));
    paintLogo(p, content);
    p.fillRect(QRectF(34, 276, 136, 1), line);
    CentredText(p, QRectF(14, 290, 176, 20), QStringLiteral("更多精彩"), CjkFont(12, true), blue);
    CentredText(p, QRectF(14, 310, 176, 20), QStringLiteral("听一听 · 看一看"), CjkFont(11), grey);
    CentredText(p, QRectF(14, 458, 176, 32), QStringLiteral("单击画面中的项目\n就能开始学习"), CjkFont(11),
                grey);
}

void paintPictureFrame(QPainter& p) {
    const QRectF area(layout::pictureArea);
    const QRectF frame = area.adjusted(-6, -6, 6, 6);
    // The shadow stops above the seek bar, so that the bar's strip, cut from
    // one column of the background, matches the background all along it.
    p.save();
    p.setClipRect(QRectF(0, 0, 800, layout::seekBar.top() - 1));
    SoftShadow(p, frame, 12, 8, 44);
    p.restore();
    RoundedPanel(p, frame, 12, Vertical(frame, Qt::white, QColor(240, 244, 250)), QColor(210, 220, 234));
    p.fillRect(area, QColor(30, 40, 56));
}

void paintTransportRow(QPainter& p) {
    const QRectF row(0, layout::transportTop, 800, 600 - layout::transportTop);
    p.fillRect(row, Vertical(row, Qt::white, QColor(241, 245, 250)));
    p.fillRect(QRectF(0, layout::transportTop, 800, 1), QColor(206, 217, 232));
    p.fillRect(QRectF(0, layout::transportTop + 1, 800, 1), QColor(255, 255, 255));
    // dividers between the groups: play and pause | back to the menu | sound
    for (int x : {136, 215, 437}) p.fillRect(QRectF(x, 544, 1, 44), line);
    // captions of the mute button and the volume bar, in the window's caption colour
    CentredText(p, QRectF(224, 584, 40, 16), QStringLiteral("静音"), CjkFont(13), navy);
    CentredText(p, QRectF(270, 584, 75, 16), QStringLiteral("音量"), CjkFont(13), navy);
    // the link line of the maker sits at the right; a quiet note above it
    LeftText(p, QRectF(453, 546, 323, 20), QStringLiteral("小小探索家 · 演示光盘 1.0"), CjkFont(12, true), navy);
}

}  // namespace

QImage WindowChrome(const DiscContent& content) {
    QImage image = NewImage(800, 600);
    QPainter p(&image);
    Smooth(p);
    p.fillRect(image.rect(), Vertical(image.rect(), QColor(244, 247, 252), QColor(226, 234, 245)));
    paintTitleBand(p, content);
    paintSidePanel(p, content);
    paintPictureFrame(p);
    paintTransportRow(p);
    p.end();
    return image;
}

QImage PlayerBackground(const QImage& chrome) {
    QImage image = chrome.copy();
    // The seek bar's empty track: the slider is hidden while a menu page is
    // shown, and the window then shows this in its place.
    PaintIdleSeekTrack(image, layout::seekBar);
    QPainter p(&image);
    // Buttons that stay where they are drawn; the title band's buttons move
    // with the window's right edge and the pictures button is never shown.
    for (const ButtonPicture& b : ButtonPictures())
        if (!b.hover && (b.glyph == Glyph::Play || b.glyph == Glyph::Pause || b.glyph == Glyph::Stop ||
                         b.glyph == Glyph::SoundOn || b.glyph == Glyph::Sound || b.glyph == Glyph::Animation))
            PaintButton(p, QRectF(b.rect), b.glyph, false);
    p.end();
    return image;
}

QImage ButtonImage(const QImage& chrome, const ButtonPicture& button) {
    QImage image = chrome.copy(button.rect);
    QPainter p(&image);
    PaintButton(p, QRectF(0, 0, button.rect.width(), button.rect.height()), button.glyph, button.hover);
    p.end();
    return image;
}

}  // namespace demo
