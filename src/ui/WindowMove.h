#pragma once
// Moving a borderless window as if its title bar had been pressed.
class QWidget;

namespace ui {

// Asks the window system to move the window under the mouse; where it offers
// no system move, or refuses it, the window follows the mouse by hand until the
// left button is released. A form hands its press to the system move: the
// move starts once per press.
void DragWindow(QWidget* window);

}  // namespace ui
