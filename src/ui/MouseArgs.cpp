#include "ui/MouseArgs.h"

namespace ui {

int ButtonMask(Qt::MouseButtons buttons) {
    int mask = 0;
    if (buttons & Qt::LeftButton) mask |= vbLeftButton;
    if (buttons & Qt::RightButton) mask |= vbRightButton;
    if (buttons & Qt::MiddleButton) mask |= vbMiddleButton;
    return mask;
}

int ShiftOf(Qt::KeyboardModifiers modifiers) {
    int mask = 0;
    if (modifiers & Qt::ShiftModifier) mask |= vbShiftMask;
    if (modifiers & Qt::ControlModifier) mask |= vbCtrlMask;
    if (modifiers & Qt::AltModifier) mask |= vbAltMask;
    return mask;
}

}  // namespace ui
