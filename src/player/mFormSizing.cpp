// mForm: normal and full-screen mode, and the top-right buttons kept at the
// right edge. Full screen is the maximised window state (the window has no
// border), with picPlay covering the whole window and the video filling it.
#include "player/mForm.h"

#include "ui/MediaGraph.h"
#include "ui/Numbers.h"

#include <QScreen>

void mForm::setsize(int32_t mWindowState) {
    // Requests mean nothing without a loaded, started file.
    if (!Player || !Player->isPlaying()) {
        return;
    }
    if (mWindowState == 2) {
        leaveFullScreen();
    } else {
        setWindowState(2);
        // Without a window manager nothing enlarges a window for its state:
        // the window covers its screen itself.
        if (QScreen* s = screen(); s && geometry() != s->geometry()) {
            setGeometry(s->geometry());
        }
        coverWindowWithPicture();
    }
    refitVideo();
}

void mForm::leaveFullScreen() {
    if (WindowState() != 0) {
        // Back to 800 x 600 where the window was before full screen (it may
        // have been dragged), whether or not a window manager restores it.
        setWindowState(0);
        setNormalArea();
    }
}

void mForm::coverWindowWithPicture() {
    picPlay.setLeft(0);
    picPlay.setTop(0);
    picPlay.setHeight(ScaleHeight());
    picPlay.setWidth(ScaleWidth());
}

void mForm::refitVideo() {
    // A clip with sound only has no video to fit.
    if (!Player || !Player->hasVideo()) {
        return;
    }
    Player->IVWindow().put_Owner(picPlay.hWnd());
    Player->setLeft(0);
    Player->setTop(0);
    Player->setWidth(ui::CLng(picPlay.ScaleWidth()));
    Player->setHeight(ui::CLng(picPlay.ScaleHeight()));
    Player->setWinStyle(7);
}

void mForm::Image2_Click() { setsize(WindowState()); }

void mForm::picPlay_DblClick() { setsize(WindowState()); }

void mForm::picPlay_KeyPress(int& KeyAscii) {
    if (KeyAscii == 27) {
        setsize(2);
    }
}

void mForm::Form_Resize() {
    const int inner = ScaleWidth();
    Image1.move(inner - 105, 8);
    Image2.move(inner - 70, 8);
    Image3.move(inner - 35, 8);
    Image1.setVisible(true);
    Image2.setVisible(true);
    Image3.setVisible(true);
    // The window system may report the full-screen size only after the state
    // change: the picture area and the video follow the size that arrives.
    if (WindowState() == 2 && Player && picPlay.size() != size()) {
        coverWindowWithPicture();
        refitVideo();
    }
}
