// Progressbar: construction, properties and the stored property set.
// Drawing lives in ProgressbarDraw.cpp, mouse handling in ProgressbarMouse.cpp.
#include "slider/Progressbar.h"

#include <QApplication>

#include "ui/Cursor.h"
#include "ui/Guard.h"
#include "ui/Numbers.h"

namespace slider {

Progressbar::Progressbar(QWidget* parent) : QWidget(parent) {
    // Moves arrive without a button held too: the hover look and the
    // MouseMove event need them.
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    windowAtCursor_ = [] { return QApplication::widgetAt(QCursor::pos()); };
    timer1_.setInterval(10);
    timer1_.OnTimer = [this] { ui::Guarded([this] { onTimer1(); }); };

    // Initialisation through the setters: four redraws, four notices and one
    // Changed (50, 100). CanMove, the colours, the bites and the caption stay
    // at zero, false or empty; there are no skin pieces yet.
    setMax(100);
    setValue(50);
    setStyle(2);
    setIsShowCmd(true);
}

Progressbar::~Progressbar() = default;

float Progressbar::ScaleWidth() const { return float(width() * ui::TwipsPerPixel); }
float Progressbar::ScaleHeight() const { return float(height() * ui::TwipsPerPixel); }

void Progressbar::notify(const QString& name) {
    if (PropertyChanged) PropertyChanged(name);
}

// The common setter: store, redraw, tell the host.
template <typename T>
void Progressbar::storeAndRedraw(T& field, T value, const QString& name) {
    field = value;
    Redraw();
    notify(name);
}

void Progressbar::setCaption(const QString& text) {
    // The text shows at the next redraw.
    f_.mCaption = text;
    drawn_.reset();
    notify(QStringLiteral("Caption"));
}

void Progressbar::setcMouseIcon(const ui::Picture& picture) {
    mouseIcon_ = picture;
    mouseCursor_ = picture.isNull() ? QCursor() : ui::CursorFromPicture(picture);
    applyCursor();
    notify(QStringLiteral("cMouseIcon"));
}

void Progressbar::setcMousePointer(int pointer) {
    const int16_t value = ui::CInt(pointer);
    // The seek bar's host sets the pointer on every redraw (100 times a second
    // while a file plays); only a change reaches the window system.
    if (value != mousePointer_) {
        mousePointer_ = value;
        applyCursor();
    }
    notify(QStringLiteral("cMousePointer"));
}

void Progressbar::applyCursor() {
    if (mousePointer_ == 99 && !mouseIcon_.isNull())
        setCursor(mouseCursor_);
    else
        unsetCursor();
}

void Progressbar::setBkPicture(const ui::Picture& picture) {
    bkPicture_ = picture;
    Redraw();
    notify(QStringLiteral("BkPicture"));
}

void Progressbar::setAppearance(int value) {
    appearance_ = ui::CInt(value);
    notify(QStringLiteral("Appearance"));
}

void Progressbar::setBorderStyle(int value) {
    borderStyle_ = ui::CInt(value);
    notify(QStringLiteral("BorderStyle"));
}

void Progressbar::setBackColor(uint32_t oleColour) {
    storeAndRedraw(backColor_, oleColour, QStringLiteral("BackColor"));
}

void Progressbar::setStyle(int32_t style) { storeAndRedraw(f_.mStyle, style, QStringLiteral("Style")); }

void Progressbar::setCanMove(bool on) { storeAndRedraw(f_.mCanMove, on, QStringLiteral("CanMove")); }

void Progressbar::setTopColor(uint32_t oleColour) {
    storeAndRedraw(f_.mTopColor, oleColour, QStringLiteral("TopColor"));
}

void Progressbar::setBottomColor(uint32_t oleColour) {
    storeAndRedraw(f_.mBottomColor, oleColour, QStringLiteral("BottomColor"));
}

void Progressbar::setGotTopColor(uint32_t oleColour) {
    storeAndRedraw(f_.mGotTopColor, oleColour, QStringLiteral("GotTopColor"));
}

void Progressbar::setGotBottomColor(uint32_t oleColour) {
    storeAndRedraw(f_.mGotBottomColor, oleColour, QStringLiteral("GotBottomColor"));
}

void Progressbar::setMax(int32_t value) { storeAndRedraw(f_.mMax, value, QStringLiteral("Max")); }

int16_t Progressbar::Bite_LP() const { return ui::CInt(f_.mBiteLP / double(ui::TwipsPerPixel)); }
int16_t Progressbar::Bite_RP() const { return ui::CInt(f_.mBiteRP / double(ui::TwipsPerPixel)); }

void Progressbar::setBite_LP(int pixels) {
    // Mul16 raises OverflowError before anything changes.
    f_.mBiteLP = ui::Mul16(pixels, ui::TwipsPerPixel);
    notify(QStringLiteral("Bite_LP"));
}

void Progressbar::setBite_RP(int pixels) {
    f_.mBiteRP = ui::Mul16(pixels, ui::TwipsPerPixel);
    notify(QStringLiteral("Bite_RP"));
}

void Progressbar::setValue(int32_t value) {
    // While the user drags, the thumb follows only the mouse.
    if (!f_.mDragging) {
        f_.mVal = value;
        redraw(true);
        if (Changed) Changed(f_.mVal, f_.mMax);
    }
    notify(QStringLiteral("Value"));
}

void Progressbar::setIsShowCmd(bool on) { storeAndRedraw(f_.mIsShowCmd, on, QStringLiteral("IsShowCmd")); }

void Progressbar::WriteProperties(PropertyBag& bag) const {
    // Some save defaults differ from the values after initialisation (Value
    // 30, CanMove true), so a fresh control stores those two.
    const auto colour = [](uint32_t ole) { return int32_t(ole); };
    bag.WriteProperty("Style", f_.mStyle, int32_t(2));
    bag.WriteProperty("Value", f_.mVal, int32_t(30));
    bag.WriteProperty("Max", f_.mMax, int32_t(100));
    bag.WriteProperty("BKPicture", bkPicture_, ui::Picture());
    bag.WriteProperty("Appearance", appearance_, int16_t(0));
    bag.WriteProperty("BorderStyle", borderStyle_, int16_t(0));
    bag.WriteProperty("Bite_LP", f_.mBiteLP, int16_t(0));
    bag.WriteProperty("Bite_RP", f_.mBiteRP, int16_t(0));
    bag.WriteProperty("IsShowCmd", f_.mIsShowCmd, true);
    bag.WriteProperty("TopColor", colour(f_.mTopColor), colour(backColor_));
    bag.WriteProperty("BottomColor", colour(f_.mBottomColor), colour(backColor_));
    bag.WriteProperty("GotTopColor", colour(f_.mGotTopColor), int32_t(0xFF0000));
    bag.WriteProperty("GotBottomColor", colour(f_.mGotBottomColor), int32_t(0xFF0000));
    bag.WriteProperty("Caption", f_.mCaption, QString());
    bag.WriteProperty("CanMove", f_.mCanMove, true);
}

void Progressbar::ReadProperties(const PropertyBag& bag) {
    // Nothing stored is taken over: every property keeps its value after
    // initialisation, and the host configures the control at run time.
    (void)bag;
}

}  // namespace slider
