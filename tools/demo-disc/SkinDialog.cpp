#include "SkinDialog.h"

#include "PaintKit.h"

namespace demo {

namespace {

using namespace palette;

// An answer button inside its 116 x 53 place: a rounded button with a margin.
void paintAnswer(QPainter& p, const QRectF& place, bool ok, bool hover) {
    const QRectF r = place.adjusted(6, 6, -6, -6);
    if (hover) SoftShadow(p, r, 12, 5, 40);
    if (ok) {
        const QColor top = hover ? QColor(78, 146, 232) : QColor(62, 130, 218);
        const QColor bottom = hover ? QColor(40, 100, 190) : blueDark;
        RoundedPanel(p, r, 12, Vertical(r, top, bottom), hover ? QColor(24, 70, 140) : Qt::transparent);
        CentredText(p, r.adjusted(0, -1, 0, 0), QStringLiteral("确定"), CjkFont(18, true), Qt::white);
    } else {
        RoundedPanel(p, r, 12, hover ? QBrush(blueLight) : QBrush(Qt::white),
                     hover ? blue : QColor(196, 208, 226), hover ? 2 : 1.2);
        CentredText(p, r.adjusted(0, -1, 0, 0), QStringLiteral("取消"), CjkFont(18, true),
                    hover ? blue : navy);
    }
}

}  // namespace

QImage DialogBackground() {
    QImage image = NewImage(dialog::width, dialog::height);
    QPainter p(&image);
    Smooth(p);
    const QRectF all(0, 0, dialog::width, dialog::height);
    p.fillRect(all, Vertical(all, Qt::white, QColor(240, 245, 251)));
    // title band
    const QRectF band(0, 0, dialog::width, 44);
    p.fillRect(band, Diagonal(band, QColor(52, 120, 206), QColor(28, 70, 140)));
    Bubble(p, QPointF(360, -20), 50, Qt::white, 16);
    LeftText(p, QRectF(20, 0, 300, 42), QStringLiteral("退出小小探索家"), CjkFont(15, true), Qt::white);
    // question with a round mark
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 183, 77));
    p.drawEllipse(QPointF(58, 100), 22, 22);
    CentredText(p, QRectF(36, 77, 44, 44), QStringLiteral("?"), CjkFont(26, true), Qt::white);
    LeftText(p, QRectF(96, 70, 310, 28), QStringLiteral("确定要退出吗？"), CjkFont(20, true), navy);
    LeftText(p, QRectF(96, 102, 310, 22), QStringLiteral("退出前会播放片尾，单击可以跳过。"), CjkFont(13), grey);
    paintAnswer(p, QRectF(dialog::okButton), true, false);
    paintAnswer(p, QRectF(dialog::cancelButton), false, false);
    CentredText(p, QRectF(0, 222, dialog::width, 28), QStringLiteral("选 “取消” 继续学习"), CjkFont(12), grey);
    // a fine border, since the dialog has no frame of its own
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(150, 170, 198), 1));
    p.drawRect(QRectF(0.5, 0.5, dialog::width - 1, dialog::height - 1));
    p.end();
    return image;
}

QImage DialogAnswer(const QImage& background, bool ok) {
    const QRect place = ok ? dialog::okButton : dialog::cancelButton;
    // The background under the button, with the resting button cleared away
    // by repainting the dialog's own gradient there first.
    QImage image = background.copy(place);
    QPainter p(&image);
    Smooth(p);
    const QRectF all(-place.left(), -place.top(), dialog::width, dialog::height);
    p.fillRect(image.rect(), Vertical(all, Qt::white, QColor(240, 245, 251)));
    paintAnswer(p, QRectF(0, 0, place.width(), place.height()), ok, true);
    p.end();
    return image;
}

}  // namespace demo
