#pragma once
// frmFlash: the borderless 800 x 600 window that presents the intro list
// before the menu and the outro list before the program ends. Each entry is a
// video (played centred at its natural size to its end; a clip with sound and
// no picture plays to its end over what the window shows), a still picture
// (shown for about three seconds) or of no playable kind (the window waits for
// a press). A single press skips to the next entry; a double click skips
// nothing. After the last intro entry the main window opens and this window
// unloads; after the last outro entry this window unloads, and being the last
// window, the process ends.
//
// The window deletes itself once unloaded: callers must not keep a pointer to
// it past PlayHeader/PlayLaster returning into the event loop.
#include "media/clsPlayer.h"
#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/Picture.h"
#include "ui/Timer.h"
#include <QString>
#include <cstdint>
#include <memory>

class frmFlash : public ui::Form {
public:
    frmFlash();
    ~frmFlash() override;

    // Presents the next intro entry, or hands over to the main window when the
    // intro list is done.
    void PlayHeader();
    // Presents the next outro entry, or unloads this window when the outro
    // list is done.
    void PlayLaster();

    // The picture area covering the whole window, and the 10 ms timer whose
    // Tag names the list in progress ("header" or "laster").
    ui::PictureBox* picPlay = nullptr;
    ui::Timer Timer1;

    // What the window holds now (read by tests and by nothing else).
    clsPlayer* player() const { return Player.get(); }
    const ui::Picture& heldPicture() const { return HeldPicture; }
    bool doubleClicked() const { return DoubleClicked; }

protected:
    void Form_Load() override;
    void Form_Unload(int& Cancel) override;

private:
    enum class List { Header, Laster };
    // PlayHeader and PlayLaster: entries that cannot be presented are passed
    // over, so the list always reaches its end.
    void PlayList(List list);
    // Each returns false when the entry could not be presented; the window is
    // then back to no player and the timer off.
    bool PlayVideo(const QString& path);
    bool ShowPicture(const QString& path);
    void PlayNext();
    void DropPlayer();

    void picPlay_Paint();
    void picPlay_MouseDown(int Button, int Shift, float X, float Y);
    void picPlay_DblClick();
    void Timer1_Timer();

    std::unique_ptr<clsPlayer> Player;
    ui::Picture HeldPicture;   // null when nothing is held
    int32_t PictureTime = 0;   // clock when the picture was shown, whole seconds
    int32_t PressTime = 0;     // clock of the last press, whole seconds
    bool DoubleClicked = false;
};
