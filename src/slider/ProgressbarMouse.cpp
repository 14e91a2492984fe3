// Progressbar mouse handling: dragging the thumb with the left button, the
// hover and pressed looks, and the leave watch (a 10 ms timer that asks which
// window is under the cursor, since no event says the mouse has left).
#include "slider/Progressbar.h"

#include "ui/Guard.h"
#include "ui/MouseArgs.h"
#include "ui/Numbers.h"

#include <QMouseEvent>
#include <algorithm>
#include <climits>
#include <cmath>

namespace slider {

namespace {

float TwipsX(const QMouseEvent* e) { return float(e->position().x() * ui::TwipsPerPixel); }
float TwipsY(const QMouseEvent* e) { return float(e->position().y() * ui::TwipsPerPixel); }

}  // namespace

// The window system's events run inside ui::Guarded: a failure that the host's
// handlers leave unhandled becomes the error report, never an exception
// through Qt.
void Progressbar::mousePressEvent(QMouseEvent* event) {
    const int16_t button = int16_t(ui::ButtonOf(event));
    if (button == ui::vbLeftButton) pressedInside_ = true;
    ui::Guarded([&] { onMouseDown(button, int16_t(ui::ShiftOf(event)), TwipsX(event), TwipsY(event)); });
}

void Progressbar::mouseMoveEvent(QMouseEvent* event) {
    ui::Guarded([&] {
        onMouseMove(int16_t(ui::ButtonsHeld(event)), int16_t(ui::ShiftOf(event)), TwipsX(event), TwipsY(event));
    });
}

// A release raises MouseUp, then Click when the left button was pressed on the
// control and comes up over it.
void Progressbar::mouseReleaseEvent(QMouseEvent* event) {
    const int16_t button = int16_t(ui::ButtonOf(event));
    const bool click = button == ui::vbLeftButton && pressedInside_ && rect().contains(event->position().toPoint());
    if (button == ui::vbLeftButton) pressedInside_ = false;
    ui::Guarded([&] {
        onMouseUp(button, int16_t(ui::ShiftOf(event)), TwipsX(event), TwipsY(event));
        if (click && Click) Click();
    });
}

// The second press of a left double click is the double click alone (no
// MouseDown; its release raises MouseUp but no Click); other buttons' second
// presses are ordinary presses.
void Progressbar::mouseDoubleClickEvent(QMouseEvent* event) {
    if (ui::ButtonOf(event) == ui::vbLeftButton) {
        pressedInside_ = false;
        ui::Guarded([&] {
            if (DBClick) DBClick();
        });
        return;
    }
    mousePressEvent(event);
}

void Progressbar::onMouseDown(int16_t Button, int16_t Shift, float X, float Y) {
    if (MouseDown) MouseDown(Button, Shift, X, Y);
    if (Button == ui::vbLeftButton) {
        f_.mDragging = true;
        onMouseMove(Button, Shift, X, Y);
    }
}

void Progressbar::onMouseMove(int16_t Button, int16_t Shift, float X, float Y) {
    if (MouseMove) MouseMove(Button, Shift, X, Y);
    f_.mHover = true;
    if (!timer1_.Enabled()) timer1_.setEnabled(true);  // a running watch keeps its rhythm
    f_.mMouseX = X;
    if (!f_.mCanMove) return;

    if (Button == ui::vbLeftButton) {
        // The inverse of the thumb position formula (without its 0.1 twip).
        const double w = f_.mIsShowCmd ? f_.mCmdWidth : 0;
        const double numerator = (X - w / 2 - f_.mLeftWidth + f_.mBiteLP) * f_.mMax;
        const double denominator =
            double(ScaleWidth()) - w - f_.mLeftWidth - f_.mRightWidth + f_.mBiteLP + f_.mBiteRP;
        // A bar with no room for the thumb to run has no value at the pointer:
        // the value stays and nothing is raised.
        const double raw = numerator / denominator;
        if (std::isfinite(raw)) {
            // Compared in double precision before it is stored, so a pointer
            // far beyond the ends cannot overflow the 32-bit field.
            const double rounded = ui::RoundHalfEven(raw);
            f_.mVal = rounded > f_.mMax ? f_.mMax : int32_t(std::max(rounded, double(INT32_MIN)));
            if (f_.mVal < 0) f_.mVal = 0;
            if (Changed) Changed(f_.mVal, f_.mMax);
        }
    }
    Redraw();
}

void Progressbar::onMouseUp(int16_t Button, int16_t Shift, float X, float Y) {
    if (MouseUp) MouseUp(Button, Shift, X, Y);
    f_.mDragging = false;
    Redraw();
}

void Progressbar::onTimer1() {
    if (IsCursorOnControl()) return;
    timer1_.setEnabled(false);
    f_.mHover = false;
    Redraw();
}

bool Progressbar::IsCursorOnControl() const { return windowAtCursor_ && windowAtCursor_() == this; }

bool Progressbar::IsCursorOnThumb() const {
    return f_.mMouseX > f_.mCmdLeft && f_.mMouseX < f_.mCmdLeft + float(f_.mCmdWidth);
}

int32_t Progressbar::GetMouseState() {
    if (!isEnabled()) return ThumbDisabled;
    if (!f_.mCanMove) return ThumbNormal;
    const int32_t state = f_.mDragging ? ThumbPressed : (f_.mHover && IsCursorOnThumb() ? ThumbOver : ThumbNormal);
    if (state == ThumbNormal) {
        if (MouseOutCmd) MouseOutCmd();
    } else if (MouseOverCmd) {
        MouseOverCmd();
    }
    return state;
}

}  // namespace slider
