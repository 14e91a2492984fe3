#include "MenuPages.h"

#include "PaintKit.h"

namespace demo {

namespace {

using namespace palette;

constexpr int kBandHeight = 100;

void paintBand(QPainter& p, const MenuPage& page) {
    const QRectF band(0, 0, kPageWidth, kBandHeight);
    p.fillRect(band, Diagonal(band, page.accent.lighter(108), page.accentDark));
    Bubble(p, QPointF(470, 10), 80, Qt::white, 18);
    Bubble(p, QPointF(380, 96), 34, Qt::white, 14);
    Bubble(p, QPointF(300, 12), 14, Qt::white, 22);
    LeftText(p, QRectF(32, 14, 320, 48), page.heading, CjkFont(30, true), Qt::white);
    LeftText(p, QRectF(34, 58, 340, 26), page.subheading, CjkFont(14), QColor(255, 255, 255, 225));
    // a soft edge into the white body
    p.fillRect(QRectF(0, kBandHeight, kPageWidth, 4),
               Vertical(QRectF(0, kBandHeight, 1, 4), QColor(20, 40, 80, 30), QColor(20, 40, 80, 0)));
}

void paintLesson(QPainter& p, const MenuPage& page, const MenuItem& item) {
    const QRectF r(item.rect);
    RoundedPanel(p, r, 12, Vertical(r, QColor(248, 250, 254), QColor(238, 243, 250)), QColor(214, 224, 238));
    // number badge
    const QRectF badge(r.left() + 9, r.center().y() - 15, 30, 30);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(Diagonal(badge, page.accent.lighter(110), page.accentDark));
    p.drawEllipse(badge);
    p.restore();
    CentredText(p, badge.adjusted(0, -1, 0, 0), item.glyph, CjkFont(14, true), Qt::white);
    LeftText(p, QRectF(r.left() + 52, r.top() + 4, 260, 22), item.title, CjkFont(16, true), ink);
    LeftText(p, QRectF(r.left() + 52, r.top() + 26, 260, 18), item.note, CjkFont(11), grey);
    // a round play mark at the right end
    const QRectF mark(r.right() - 38, r.center().y() - 13, 26, 26);
    p.save();
    p.setPen(QPen(page.accent, 1.5));
    p.setBrush(Qt::white);
    p.drawEllipse(mark);
    QPolygonF tri;
    const QPointF c = mark.center();
    tri << c + QPointF(-3, -6) << c + QPointF(6, 0) << c + QPointF(-3, 6);
    p.setPen(Qt::NoPen);
    p.setBrush(page.accent);
    p.drawPolygon(tri);
    p.restore();
}

void paintChip(QPainter& p, const MenuPage& page, const MenuItem& item) {
    const QRectF r(item.rect);
    QColor tint = page.accent;
    tint.setAlpha(30);
    RoundedPanel(p, r, r.height() / 2, Qt::white, QColor(0, 0, 0, 0));
    RoundedPanel(p, r, r.height() / 2, tint, page.accent.lighter(140), 1.2);
    const QString text = item.title + QStringLiteral("  ") + item.glyph;
    CentredText(p, r.adjusted(0, -1, 0, 0), text, CjkFont(15, true), page.accentDark);
}

void paintBackChip(QPainter& p, const MenuItem& item) {
    const QRectF r(item.rect);
    RoundedPanel(p, r, r.height() / 2, QColor(255, 255, 255, 52), QColor(255, 255, 255, 120));
    CentredText(p, r.adjusted(0, -1, 0, 0), item.glyph + QStringLiteral(" ") + item.title, CjkFont(14, true),
                Qt::white);
}

}  // namespace

QImage MenuPagePicture(const MenuPage& page) {
    QImage image = NewImage(kPageWidth, kPageHeight, pageWhite);
    QPainter p(&image);
    Smooth(p);
    paintBand(p, page);
    // quiet decoration in the lower right corner, away from the items
    Bubble(p, QPointF(500, 420), 60, page.accent, 22);
    Bubble(p, QPointF(440, 408), 22, page.accent, 30);
    Bubble(p, QPointF(512, 350), 10, page.accent, 40);
    for (const MenuItem& item : page.items) {
        switch (item.look) {
        case ItemLook::Lesson: paintLesson(p, page, item); break;
        case ItemLook::Chip: paintChip(p, page, item); break;
        case ItemLook::BackChip: paintBackChip(p, item); break;
        }
    }
    LeftText(p, QRectF(112, 392, 300, 20), QStringLiteral("把鼠标移到项目上，单击就能开始"), CjkFont(12),
             QColor(150, 160, 176));
    p.end();
    return image;
}

}  // namespace demo
