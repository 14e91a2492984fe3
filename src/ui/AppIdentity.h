#pragma once
// How the desktop knows the player.
namespace ui {

// Names the application "autorun" for the desktop (the X11 window class, the
// Wayland application id, the desktop file). No display name is set: on X11
// and Wayland Qt appends it to every window and message title, and each title
// must read exactly as the program gives it ("错误", the product title).
void SetApplicationIdentity();

}  // namespace ui
