#pragma once
// Small drawing helpers shared by every picture of the demo disc: the palette,
// the Chinese font, rounded panels with soft shadows, centred text.
#include <QColor>
#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QRectF>
#include <QString>

namespace demo {

namespace palette {
inline const QColor navy(10, 39, 112);        // the window's caption colour
inline const QColor ink(38, 52, 74);
inline const QColor grey(112, 124, 142);
inline const QColor line(214, 223, 235);
inline const QColor blue(47, 111, 196);
inline const QColor blueDark(31, 76, 145);
inline const QColor blueLight(234, 241, 251);
inline const QColor track(211, 220, 232);
inline const QColor red(214, 69, 80);
inline const QColor pageWhite(255, 255, 255);
}  // namespace palette

// "Noto Sans CJK SC" at a pixel size.
QFont CjkFont(int pixelSize, bool bold = false);

// A new image of the size, filled with the colour, ready for painting.
QImage NewImage(int width, int height, const QColor& fill = Qt::white);

// A painter with antialiasing for shapes and text.
void Smooth(QPainter& p);

QLinearGradient Vertical(const QRectF& r, const QColor& top, const QColor& bottom);
QLinearGradient Diagonal(const QRectF& r, const QColor& from, const QColor& to);

// A rounded rectangle filled with the brush, optionally outlined.
void RoundedPanel(QPainter& p, const QRectF& r, qreal radius, const QBrush& fill,
                  const QColor& border = Qt::transparent, qreal borderWidth = 1.0);

// A soft shadow under a rounded rectangle: layers of faint rounded
// rectangles, a little lower than the panel.
void SoftShadow(QPainter& p, const QRectF& r, qreal radius, int spread = 8, int alpha = 36);

// Text centred in the rectangle.
void CentredText(QPainter& p, const QRectF& r, const QString& text, const QFont& font,
                 const QColor& colour);

// Text with its left edge at x, vertically centred on the rectangle's middle.
void LeftText(QPainter& p, const QRectF& r, const QString& text, const QFont& font,
              const QColor& colour);

// Faint decorative circles.
void Bubble(QPainter& p, const QPointF& centre, qreal radius, const QColor& colour, int alpha);

// Mixes two colours: t = 0 gives a, t = 1 gives b.
QColor Mix(const QColor& a, const QColor& b, qreal t);

}  // namespace demo
