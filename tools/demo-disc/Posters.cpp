#include "Posters.h"

#include "PaintKit.h"

#include <QPainterPath>

namespace demo {

namespace {

void poster(QPainter& p, const QRectF& r, const QColor& colour, const QString& title, const QString& subtitle) {
    p.fillRect(r, Diagonal(r, colour.lighter(125), colour.darker(135)));
    const qreal u = r.height() / 100.0;
    Bubble(p, QPointF(r.width() * 0.86, r.height() * 0.12), 38 * u, Qt::white, 22);
    Bubble(p, QPointF(r.width() * 0.12, r.height() * 0.9), 30 * u, Qt::white, 18);
    Bubble(p, QPointF(r.width() * 0.25, r.height() * 0.18), 6 * u, Qt::white, 60);
    Bubble(p, QPointF(r.width() * 0.72, r.height() * 0.8), 4 * u, Qt::white, 70);
    // a rounded white card behind the words
    const QRectF card(r.width() * 0.1, r.height() * 0.3, r.width() * 0.8, r.height() * 0.36);
    RoundedPanel(p, card, 14 * u / 3, QColor(255, 255, 255, 40), QColor(255, 255, 255, 110), 1.5);
    CentredText(p, QRectF(card.left(), card.top() + card.height() * 0.08, card.width(), card.height() * 0.55),
                title, CjkFont(int(11 * u), true), Qt::white);
    CentredText(p, QRectF(card.left(), card.top() + card.height() * 0.6, card.width(), card.height() * 0.3),
                subtitle, CjkFont(int(4.6 * u)), QColor(255, 255, 255, 230));
}

}  // namespace

QImage StillPosterImage(const StillPicture& still) {
    QImage image = NewImage(800, 600);
    QPainter p(&image);
    Smooth(p);
    poster(p, QRectF(image.rect()), still.colour, still.title, still.subtitle);
    CentredText(p, QRectF(0, 540, 800, 30), QStringLiteral("单击鼠标可以跳过"), CjkFont(15),
                QColor(255, 255, 255, 200));
    p.end();
    return image;
}

QImage ClipCard(const Clip& clip) {
    QImage image = NewImage(clip.size.width(), clip.size.height());
    QPainter p(&image);
    Smooth(p);
    poster(p, QRectF(image.rect()), clip.colour, clip.title, clip.subtitle);
    p.end();
    return image;
}

QImage BallSprite(int diameter) {
    QImage image(diameter, diameter, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    Smooth(p);
    const QRectF r(1, 1, diameter - 2, diameter - 2);
    QRadialGradient g(r.center() - QPointF(r.width() * 0.2, r.height() * 0.2), r.width() * 0.7);
    g.setColorAt(0, QColor(255, 250, 220));
    g.setColorAt(0.35, QColor(255, 206, 84));
    g.setColorAt(1, QColor(240, 120, 50));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(r);
    p.end();
    return image;
}

QImage BlackPicture() {
    return NewImage(800, 600, Qt::black);
}

}  // namespace demo
