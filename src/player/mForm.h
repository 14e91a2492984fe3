#pragma once
// mForm: the main player window. An 800 x 600 borderless window painted with
// skin pictures from image\ under the application folder. Its picture area
// picPlay shows either the current menu page (with the arrow imgTag beside an
// item) or the video of the lesson being played; below it lie the seek bar,
// the transport buttons, the mute button and the volume bar; at the top right
// the help, full-screen and close buttons.
//
// The window is in one of four conditions, which follow from Player, the
// player's run state and Timer1 (no variable of their own):
//   Menu     Player empty, Timer1 off, transport disabled, seek bar hidden
//   Playing  Player running, Timer1 on, transport enabled
//   Paused   Player paused, Timer1 on, transport enabled
//   Seeking  Player paused, Timer1 off, only the seek bar can be dragged
// Player is empty exactly while a menu page is shown.
//
// The code is split by concern; each group below names the file that
// implements it. Every control event is wired to its handler in the
// constructor (mFormLayout.cpp). Handlers are public so that the openers and
// tests can drive the window as the window system does.
#include "media/clsPlayer.h"
#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/Timer.h"
#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>

namespace slider {
class Progressbar;
}

class mForm : public ui::Form {
public:
    mForm();
    ~mForm() override;

    // ---- Controls, at their design places (mFormLayout.cpp) ----
    ui::PictureBox picPlay{this};   // menu picture or video area; owns the video
    ui::Image imgTag{&picPlay};     // arrow beside the current menu item
    ui::Timer Timer1;               // follows the playing file, every 10 ms
    slider::Progressbar& Progressbar1;  // seek bar, 0..10000 of the duration
    slider::Progressbar& Volumer;       // volume bar, 0..100
    ui::Image imgPlay{this};
    ui::Image imgPause{this};
    ui::Image imgStop{this};
    ui::Image imgVoid{this};        // mute
    ui::Label Label1{this};         // maker's name and web link
    ui::Label Label2{this};         // "播放"
    ui::Label Label3{this};         // "暂停"
    ui::Label Label4{this};         // "目录"
    ui::Label Label5{this};         // invisible click area over the logo
    ui::Image imgTuPian{this};      // hidden side button
    ui::Image imgShengYin{this};    // side button
    ui::Image imgDongHua{this};     // side button
    ui::Image Image1{this};         // help
    ui::Image Image2{this};         // full screen
    ui::Image Image3{this};         // close

    // ---- Variables ----
    // The one player of the window; empty exactly while a menu page is shown.
    std::unique_ptr<clsPlayer> Player;
    // Menu page shown, from 1; page n shows FaceFiles(n-1).
    int16_t CurrentPage = 1;
    // Key of the menu item under the mouse ("3list"), "" for none.
    QString HotSpotKey;
    // The mute button has switched the sound off.
    bool isMute = false;
    // [main] newloop split at ",": entry p-1 is "first-last" of page p.
    QStringList NewLoops;

    // ---- State and layout (mFormLayout.cpp) ----
    // The skin pictures that loading the window reads, in the order it reads
    // them (names as it asks for them, under the application folder).
    static QStringList PicturesOfLoad();
    // Puts every button back into its resting look.
    void Initial();
    // picPlay back to its design rectangle 206, 61, 528 x 432.
    void setNormalArea();
    // Hangs Player's video into picPlay and sizes it to picPlay's inner area.
    // A clip with sound and no picture has no video to hang: only the arrow
    // is hidden, as the video would have covered it.
    void BindVideo();

    // ---- Playback sequencing (mFormSequencing.cpp) ----
    // Opens a file into Player. True when it was found and can be played;
    // false after telling the user it is missing (or cannot be played).
    bool GiveFile(const QString& strFileName);
    // Transport buttons, both sliders' dragging and Timer1 on or off together.
    void SetEnable(bool isEnable);
    // Arrow beside the first item of the current page; hides the seek bar.
    void setArrow();
    void Timer1_Timer();

    // ---- Transport, seek and volume (mFormTransport.cpp) ----
    void imgPlay_Click();
    void imgPause_Click();
    void imgStop_Click();
    void imgVoid_Click();
    void Progressbar1_MouseDown(int Button, int Shift, float X, float Y);
    void Progressbar1_MouseUp(int Button, int Shift, float X, float Y);
    void Progressbar1_Changed(int32_t& tValue, int32_t& tMax);
    void Volumer_Changed(int32_t& tValue, int32_t& tMax);
    void Progressbar1_MouseOverCmd();
    void Progressbar1_MouseOutCmd();
    void Volumer_MouseOverCmd();
    void Volumer_MouseOutCmd();

    // ---- Sizing and full screen (mFormSizing.cpp) ----
    // 2 asks for normal mode, any other value for full screen; ignored while
    // no file is loaded or the player is stopped.
    void setsize(int32_t mWindowState);
    void Image2_Click();
    void picPlay_DblClick();
    void picPlay_KeyPress(int& KeyAscii);
    void Form_Resize() override;

    // ---- Menu hot spots and navigation (mFormMenu.cpp) ----
    QString HitTest(int16_t x, int16_t y);
    void picPlay_MouseMove(int Button, int Shift, float X, float Y);
    void picPlay_Click();
    void imgDongHua_Click();
    void imgShengYin_Click();

    // ---- Skin buttons, hover pictures, help and links (mFormSkin.cpp) ----
    void Image1_MouseMove(int Button, int Shift, float X, float Y);
    void Image2_MouseMove(int Button, int Shift, float X, float Y);
    void Image3_MouseMove(int Button, int Shift, float X, float Y);
    void imgPlay_MouseMove(int Button, int Shift, float X, float Y);
    void imgPause_MouseMove(int Button, int Shift, float X, float Y);
    void imgStop_MouseMove(int Button, int Shift, float X, float Y);
    void imgVoid_MouseMove(int Button, int Shift, float X, float Y);
    void imgShengYin_MouseMove(int Button, int Shift, float X, float Y);
    void imgDongHua_MouseMove(int Button, int Shift, float X, float Y);
    void Label1_MouseMove(int Button, int Shift, float X, float Y);
    void Image2_MouseUp(int Button, int Shift, float X, float Y);
    void Image3_MouseUp(int Button, int Shift, float X, float Y);
    void imgPlay_MouseUp(int Button, int Shift, float X, float Y);
    void imgPause_MouseUp(int Button, int Shift, float X, float Y);
    void imgStop_MouseUp(int Button, int Shift, float X, float Y);
    void imgShengYin_MouseUp(int Button, int Shift, float X, float Y);
    void imgDongHua_MouseUp(int Button, int Shift, float X, float Y);
    void Form_MouseMove(int Button, int Shift, float X, float Y) override;
    void Image1_Click();
    void Label1_Click();
    void Label5_Click();

    // ---- Closing (mFormClosing.cpp; the dialog is frmConfirm.h) ----
    void Image3_Click();
    void Form_QueryUnload(int& Cancel, int UnloadMode) override;
    void Form_Unload(int& Cancel) override;

protected:
    // ---- Creation and load (mFormLayout.cpp) ----
    void Form_Initialize() override;
    void Form_Load() override;

private:
    // Wires every control event to its handler (mFormLayout.cpp).
    void wireEvents();
    // The page picture, the arrow, transport off, seek bar at 0 and out of
    // full screen, then Player released (mFormSequencing.cpp).
    void returnToMenu();
    // Reads the face list again when it holds a single entry, shows the
    // current page's picture and places the arrow (mFormSequencing.cpp).
    void showMenuPage();
    // Normal window state and picPlay at its design rectangle
    // (mFormSizing.cpp).
    void leaveFullScreen();
    // In full screen: picPlay over the whole window and the video fitted to
    // it again (mFormSizing.cpp).
    void coverWindowWithPicture();
    // Re-attaches the video to picPlay and fits it (mFormSizing.cpp).
    void refitVideo();
};
