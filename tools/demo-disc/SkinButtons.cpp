#include "SkinButtons.h"

#include "PaintKit.h"

#include <QPainterPath>

namespace demo {

namespace {

using namespace palette;

// A round transport button: white at rest, blue under the mouse.
void roundBase(QPainter& p, const QRectF& r, bool hover, const QColor& accent) {
    const QRectF c = r.adjusted(1, 1, -1, -1);
    p.save();
    if (hover) {
        p.setPen(QPen(accent.darker(125), 1));
        p.setBrush(Vertical(c, accent.lighter(115), accent.darker(110)));
    } else {
        p.setPen(QPen(QColor(196, 209, 226), 1));
        p.setBrush(Vertical(c, Qt::white, QColor(238, 243, 250)));
    }
    p.drawEllipse(c.adjusted(0.5, 0.5, -0.5, -0.5));
    p.restore();
}

void fillShape(QPainter& p, const QPainterPath& path, const QColor& colour) {
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(path);
    p.restore();
}

void speaker(QPainter& p, const QRectF& r, const QColor& colour) {
    const qreal cx = r.center().x() - 3, cy = r.center().y();
    QPainterPath path;
    path.moveTo(cx - 6, cy - 3);
    path.lineTo(cx - 3, cy - 3);
    path.lineTo(cx + 2, cy - 7);
    path.lineTo(cx + 2, cy + 7);
    path.lineTo(cx - 3, cy + 3);
    path.lineTo(cx - 6, cy + 3);
    path.closeSubpath();
    fillShape(p, path, colour);
}

void transport(QPainter& p, const QRectF& r, Glyph glyph, bool hover) {
    const QColor accent = glyph == Glyph::SoundOff ? red : blue;
    roundBase(p, r, hover, accent);
    const QColor ink = hover ? Qt::white : accent;
    const QPointF c = r.center();
    p.save();
    switch (glyph) {
    case Glyph::Play: {
        QPainterPath path;
        path.moveTo(c.x() - 3.5, c.y() - 6.5);
        path.lineTo(c.x() + 6.5, c.y());
        path.lineTo(c.x() - 3.5, c.y() + 6.5);
        path.closeSubpath();
        fillShape(p, path, ink);
        break;
    }
    case Glyph::Pause:
        RoundedPanel(p, QRectF(c.x() - 5.5, c.y() - 6, 4, 12), 1.5, ink);
        RoundedPanel(p, QRectF(c.x() + 1.5, c.y() - 6, 4, 12), 1.5, ink);
        break;
    case Glyph::Stop:
        RoundedPanel(p, QRectF(c.x() - 7, c.y() - 7, 14, 14), 3, ink);
        break;
    case Glyph::SoundOn: {
        speaker(p, r, ink);
        p.setPen(QPen(ink, 1.6, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(c.x() - 4, c.y() - 4, 8, 8), -50 * 16, 100 * 16);
        p.drawArc(QRectF(c.x() - 7.5, c.y() - 7.5, 15, 15), -50 * 16, 100 * 16);
        break;
    }
    case Glyph::SoundOff: {
        speaker(p, r, ink);
        p.setPen(QPen(ink, 1.8, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(c.x() + 2, c.y() - 3), QPointF(c.x() + 8, c.y() + 3));
        p.drawLine(QPointF(c.x() + 8, c.y() - 3), QPointF(c.x() + 2, c.y() + 3));
        break;
    }
    default:
        break;
    }
    p.restore();
}

// The small buttons in the title band: light text on a glassy pill.
void titlePill(QPainter& p, const QRectF& r, const QString& text, bool hover, bool danger) {
    QColor fill = hover ? (danger ? red : QColor(Qt::white)) : QColor(255, 255, 255, 46);
    RoundedPanel(p, r, r.height() / 2, fill, hover ? Qt::transparent : QColor(255, 255, 255, 90));
    const QColor ink = hover && !danger ? blue : QColor(Qt::white);
    CentredText(p, r.adjusted(0, -1, 0, 0), text, CjkFont(11, true), ink);
}

// The side buttons of the left panel: a pill with a symbol and a caption.
void sidePill(QPainter& p, const QRectF& r, Glyph glyph, bool hover) {
    const QRectF pill = r.adjusted(1, 1, -1, -1);
    if (hover)
        RoundedPanel(p, pill, pill.height() / 2, Vertical(pill, blue.lighter(112), blueDark), blueDark);
    else
        RoundedPanel(p, pill, pill.height() / 2, Vertical(pill, Qt::white, blueLight), QColor(196, 212, 236));
    const QColor ink = hover ? QColor(Qt::white) : navy;
    const QString text = glyph == Glyph::Sound       ? QStringLiteral("声音")
                         : glyph == Glyph::Animation ? QStringLiteral("动画")
                                                     : QStringLiteral("图片");
    const qreal iconX = pill.left() + 15, cy = pill.center().y();
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(hover ? QColor(Qt::white) : blue);
    if (glyph == Glyph::Sound) {
        // a quaver: head, stem and flag
        p.drawEllipse(QRectF(iconX - 5, cy + 1, 6.5, 5));
        p.drawRect(QRectF(iconX + 0.2, cy - 7, 1.6, 10));
        QPainterPath flag;
        flag.moveTo(iconX + 1.8, cy - 7);
        flag.cubicTo(iconX + 6, cy - 5, iconX + 6, cy - 2, iconX + 4.5, cy);
        flag.cubicTo(iconX + 4.5, cy - 2.5, iconX + 3.5, cy - 4, iconX + 1.8, cy - 4.5);
        p.drawPath(flag);
    } else if (glyph == Glyph::Animation) {
        // a little film frame with a play mark
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(hover ? QColor(Qt::white) : blue, 1.5));
        p.drawRoundedRect(QRectF(iconX - 6, cy - 5.5, 13, 11), 2.5, 2.5);
        QPainterPath tri;
        tri.moveTo(iconX - 1.5, cy - 3);
        tri.lineTo(iconX + 3.5, cy);
        tri.lineTo(iconX - 1.5, cy + 3);
        tri.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(hover ? QColor(Qt::white) : blue);
        p.drawPath(tri);
    } else {
        p.drawEllipse(QPointF(iconX, cy), 4, 4);
    }
    p.restore();
    LeftText(p, QRectF(pill.left() + 25, pill.top(), pill.width() - 25, pill.height() - 1), text,
             CjkFont(13, true), ink);
}

QList<ButtonPicture> makeButtons() {
    struct Pair {
        QString rest, hover;
        QRect rect;
        Glyph glyph;
    };
    const QList<Pair> pairs = {
        {QStringLiteral("image\\play.jpg"), QStringLiteral("image\\Play_h.jpg"), QRect(41, 546, 28, 28), Glyph::Play},
        {QStringLiteral("image\\pause.jpg"), QStringLiteral("image\\Pause_h.jpg"), QRect(86, 546, 28, 28), Glyph::Pause},
        {QStringLiteral("image\\stop.jpg"), QStringLiteral("image\\Stop_h.jpg"), QRect(160, 539, 40, 40), Glyph::Stop},
        {QStringLiteral("image\\void.jpg"), QStringLiteral("image\\void_h.jpg"), QRect(230, 557, 28, 28), Glyph::SoundOn},
        {QStringLiteral("image\\help.jpg"), QStringLiteral("image\\help_h.jpg"), QRect(695, 8, 30, 17), Glyph::Help},
        {QStringLiteral("image\\fscren.jpg"), QStringLiteral("image\\fscren_h.jpg"), QRect(730, 8, 30, 17), Glyph::FullScreen},
        {QStringLiteral("image\\close.jpg"), QStringLiteral("image\\close_h.jpg"), QRect(765, 8, 30, 17), Glyph::Close},
        {QStringLiteral("image\\sy.jpg"), QStringLiteral("image\\sy_h.jpg"), QRect(59, 350, 65, 33), Glyph::Sound},
        {QStringLiteral("image\\dh.jpg"), QStringLiteral("image\\dh_h.jpg"), QRect(59, 418, 65, 33), Glyph::Animation},
        {QStringLiteral("image\\tp.jpg"), QStringLiteral("image\\tp_h.jpg"), QRect(49, 339, 103, 25), Glyph::Pictures},
    };
    // The three buttons of the title band are kept at the window's right edge,
    // 35 pixels apart (at 695, 730 and 765 in the 800-pixel window), so their
    // pictures are 30 pixels wide to leave a gap between them.
    QList<ButtonPicture> out;
    for (const Pair& pair : pairs) {
        out.append({pair.rest, pair.rect, pair.glyph, false});
        out.append({pair.hover, pair.rect, pair.glyph, true});
    }
    // The mute button's sound-off picture; it has no hover look.
    out.append({QStringLiteral("image\\clsvoid.jpg"), QRect(230, 557, 28, 28), Glyph::SoundOff, false});
    return out;
}

}  // namespace

const QList<ButtonPicture>& ButtonPictures() {
    static const QList<ButtonPicture> buttons = makeButtons();
    return buttons;
}

void PaintButton(QPainter& p, const QRectF& r, Glyph glyph, bool hover) {
    p.save();
    Smooth(p);
    switch (glyph) {
    case Glyph::Play:
    case Glyph::Pause:
    case Glyph::Stop:
    case Glyph::SoundOn:
    case Glyph::SoundOff:
        transport(p, r, glyph, hover);
        break;
    case Glyph::Help:
        titlePill(p, r, QStringLiteral("帮助"), hover, false);
        break;
    case Glyph::FullScreen:
        titlePill(p, r, QStringLiteral("全屏"), hover, false);
        break;
    case Glyph::Close:
        titlePill(p, r, QStringLiteral("退出"), hover, true);
        break;
    case Glyph::Sound:
    case Glyph::Animation:
    case Glyph::Pictures:
        sidePill(p, r, glyph, hover);
        break;
    }
    p.restore();
}

}  // namespace demo
