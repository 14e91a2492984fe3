// The reference for the player's start to first paint: a bare Qt program that
// opens one 800 x 600 window without a frame, as the player's main window is,
// and nothing else. It uses the same first-paint probe as the player's
// benchmark copy, so both print their time at the same point.
// Built twice: bare_window, and bare_window_mpv, which loads the player's
// media library (libmpv and what it pulls in) before its window shows, as the
// player opens it: every symbol bound at once, somewhat more work than the
// lazily bound libmpv that the player linked before. The player now does this
// on a thread of its own after its first paint.
#include "FirstPaintProbe.h"
#include <QApplication>
#include <QWidget>
#ifdef BARE_WINDOW_WITH_MEDIA_LIBRARY
#include "media/mpv/MpvLibrary.h"
#endif

int main(int argc, char** argv) {
    QApplication app(argc, argv);
#ifdef BARE_WINDOW_WITH_MEDIA_LIBRARY
    media::LoadMpvLibrary();
#endif
    InstallFirstPaintProbe(app);
    QWidget window;
    window.setWindowFlag(Qt::FramelessWindowHint);
    window.resize(800, 600);
    window.show();
    return app.exec();
}
