#include "ui/Controls.h"
#include "ui/Cursor.h"
#include "ui/Guard.h"
#include "ui/MouseArgs.h"
#include <QFontDatabase>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

namespace ui {

Control::Control(QWidget* parent) : QWidget(parent) { setMouseTracking(true); }

void Control::setMousePointer(int pointer) {
    mousePointer_ = pointer;
    applyCursor();
}

void Control::setMouseIcon(const QCursor& cursor) {
    mouseIcon_ = cursor;
    hasMouseIcon_ = true;
    applyCursor();
}

void Control::applyCursor() {
    if (mousePointer_ == vbCustom) setCursor(hasMouseIcon_ ? mouseIcon_ : HandCursor());
    else unsetCursor();
}

namespace {
void raiseMouse(const MouseHandler& handler, int button, const QMouseEvent* e) {
    if (handler) Guarded([&] { handler(button, ShiftOf(e), float(e->position().x()), float(e->position().y())); });
}
}  // namespace

void Control::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) pressedLeft_ = true;
    raiseMouse(OnMouseDown, ButtonOf(e), e);
}

void Control::mouseMoveEvent(QMouseEvent* e) { raiseMouse(OnMouseMove, ButtonsHeld(e), e); }

// A release raises MouseUp, then Click when the left button was pressed on
// this control and is released over it.
void Control::mouseReleaseEvent(QMouseEvent* e) {
    const bool click = e->button() == Qt::LeftButton && pressedLeft_ && rect().contains(e->position().toPoint());
    if (e->button() == Qt::LeftButton) pressedLeft_ = false;
    // A handler may unload the form that holds this control: touch nothing of
    // it once it is gone.
    const QPointer<Control> alive(this);
    raiseMouse(OnMouseUp, ButtonOf(e), e);
    if (click && alive && OnClick) Guarded([&] { OnClick(); });
}

// The second press of a double click raises DblClick instead of MouseDown; its
// release raises MouseUp but no Click.
void Control::mouseDoubleClickEvent(QMouseEvent* e) {
    pressedLeft_ = false;
    if (e->button() == Qt::LeftButton && OnDblClick) Guarded([&] { OnDblClick(); });
}

PictureBox::PictureBox(QWidget* parent) : Control(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::setPicture(const Picture& picture) {
    picture_ = picture;
    update();
}

void PictureBox::paintEvent(QPaintEvent*) {
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::black);
        if (!picture_.isNull()) painter.drawImage(0, 0, picture_.image());
    }
    if (OnPaint) Guarded([&] { OnPaint(); });
}

void PictureBox::keyPressEvent(QKeyEvent* event) {
    const QString text = event->text();
    int key = 0;
    if (event->key() == Qt::Key_Escape) key = 27;
    else if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) key = 13;
    else if (event->key() == Qt::Key_Backspace) key = 8;
    else if (!text.isEmpty()) key = text.at(0).unicode();
    if (key != 0 && OnKeyPress) Guarded([&] { OnKeyPress(key); });
}

Image::Image(QWidget* parent) : Control(parent) {}

// Putting back the picture that is already shown (the window background does
// it for ten buttons on every mouse move) repaints nothing.
void Image::setPicture(const Picture& picture) {
    const bool same = !picture_.isNull() && picture.image().cacheKey() == picture_.image().cacheKey();
    picture_ = picture;
    if (!picture_.isNull()) resize(picture_.pixelWidth(), picture_.pixelHeight());
    if (!same) update();
}

void Image::paintEvent(QPaintEvent*) {
    if (picture_.isNull()) return;
    QPainter painter(this);
    painter.drawImage(0, 0, picture_.image());
}

Label::Label(QWidget* parent) : Control(parent) {}

void Label::setCaption(const QString& text) {
    caption_ = text;
    update();
}

void Label::setForeColor(uint32_t oleColour) {
    if (foreColor_ == oleColour) return;
    foreColor_ = oleColour;
    update();
}

void Label::setFontUnderline(bool on) {
    if (font().underline() == on) return;
    QFont f = font();
    f.setUnderline(on);
    setFont(f);
    update();
}

namespace {
// How a label lays out its caption, in the paint and when its font is prepared.
constexpr int kCaptionFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
}  // namespace

void Label::prepareFont() const {
    if (!caption_.isEmpty()) (void)QFontMetrics(font()).boundingRect(rect(), kCaptionFlags, caption_);
}

void Label::paintEvent(QPaintEvent*) {
    if (caption_.isEmpty()) return;
    QPainter painter(this);
    painter.setPen(ColorFromOle(foreColor_));
    painter.setFont(font());
    painter.drawText(rect(), kCaptionFlags, caption_);
}

QColor ColorFromOle(uint32_t ole) { return QColor(int(ole & 0xFF), int((ole >> 8) & 0xFF), int((ole >> 16) & 0xFF)); }

namespace {
// The first family of the list that the system has, else the default font.
QFont firstAvailable(const QStringList& families, double points) {
    const QStringList installed = QFontDatabase::families();
    QFont font;
    for (const QString& family : families) {
        if (installed.contains(family, Qt::CaseInsensitive)) {
            font.setFamily(family);
            break;
        }
    }
    font.setPointSizeF(points);
    return font;
}
}  // namespace

QFont SimSunFont(double points) {
    return firstAvailable({QStringLiteral("SimSun"), QStringLiteral("NSimSun"), QStringLiteral("Noto Serif CJK SC"),
                           QStringLiteral("Noto Sans CJK SC"), QStringLiteral("WenQuanYi Zen Hei")},
                          points);
}

QFont ArialFont(double points) {
    return firstAvailable({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans"),
                           QStringLiteral("Noto Sans CJK SC")},
                          points);
}

}  // namespace ui
