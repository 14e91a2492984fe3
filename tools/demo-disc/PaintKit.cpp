#include "PaintKit.h"

#include <QPainterPath>

namespace demo {

QFont CjkFont(int pixelSize, bool bold) {
    QFont font(QStringLiteral("Noto Sans CJK SC"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

QImage NewImage(int width, int height, const QColor& fill) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(fill);
    return image;
}

void Smooth(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

QLinearGradient Vertical(const QRectF& r, const QColor& top, const QColor& bottom) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    return g;
}

QLinearGradient Diagonal(const QRectF& r, const QColor& from, const QColor& to) {
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, from);
    g.setColorAt(1, to);
    return g;
}

void RoundedPanel(QPainter& p, const QRectF& r, qreal radius, const QBrush& fill,
                  const QColor& border, qreal borderWidth) {
    p.save();
    if (border.alpha() > 0) {
        const qreal half = borderWidth / 2;
        p.setPen(QPen(border, borderWidth));
        p.setBrush(fill);
        p.drawRoundedRect(r.adjusted(half, half, -half, -half), radius, radius);
    } else {
        p.setPen(Qt::NoPen);
        p.setBrush(fill);
        p.drawRoundedRect(r, radius, radius);
    }
    p.restore();
}

void SoftShadow(QPainter& p, const QRectF& r, qreal radius, int spread, int alpha) {
    p.save();
    p.setPen(Qt::NoPen);
    for (int i = spread; i >= 1; --i) {
        const qreal grow = i;
        const int a = alpha * (spread - i + 1) / (spread * spread / 2 + 1);
        p.setBrush(QColor(20, 40, 80, qBound(0, a, 255)));
        p.drawRoundedRect(r.adjusted(-grow, -grow + 2, grow, grow + 3), radius + grow, radius + grow);
    }
    p.restore();
}

void CentredText(QPainter& p, const QRectF& r, const QString& text, const QFont& font,
                 const QColor& colour) {
    p.save();
    p.setFont(font);
    p.setPen(colour);
    p.drawText(r, Qt::AlignCenter, text);
    p.restore();
}

void LeftText(QPainter& p, const QRectF& r, const QString& text, const QFont& font,
              const QColor& colour) {
    p.save();
    p.setFont(font);
    p.setPen(colour);
    p.drawText(r, Qt::AlignLeft | Qt::AlignVCenter, text);
    p.restore();
}

void Bubble(QPainter& p, const QPointF& centre, qreal radius, const QColor& colour, int alpha) {
    p.save();
    QColor c = colour;
    c.setAlpha(alpha);
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawEllipse(centre, radius, radius);
    p.restore();
}

QColor Mix(const QColor& a, const QColor& b, qreal t) {
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t));
}

}  // namespace demo
