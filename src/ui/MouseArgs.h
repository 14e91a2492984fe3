#pragma once
// Mouse event arguments in the runtime's terms.
#include <QMouseEvent>

namespace ui {

enum MouseButton : int { vbLeftButton = 1, vbRightButton = 2, vbMiddleButton = 4 };
enum ShiftMask : int { vbShiftMask = 1, vbCtrlMask = 2, vbAltMask = 4 };

// The mask of the given Qt buttons.
int ButtonMask(Qt::MouseButtons buttons);
// The button that a press or release event is about.
inline int ButtonOf(const QMouseEvent* e) { return ButtonMask(e->button()); }
// The buttons held during a move.
inline int ButtonsHeld(const QMouseEvent* e) { return ButtonMask(e->buttons()); }
int ShiftOf(Qt::KeyboardModifiers modifiers);
inline int ShiftOf(const QMouseEvent* e) { return ShiftOf(e->modifiers()); }

}  // namespace ui
