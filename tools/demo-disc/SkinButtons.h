#pragma once
// The main window's buttons: where each picture sits on the window, and how
// its symbol or caption is drawn at rest and under the mouse.
#include <QList>
#include <QPainter>
#include <QRect>
#include <QString>

namespace demo {

enum class Glyph { Play, Pause, Stop, SoundOn, SoundOff, Help, FullScreen, Close, Sound, Animation, Pictures };

struct ButtonPicture {
    QString name;   // skin file, as the window names it
    QRect rect;     // where the window shows it
    Glyph glyph;
    bool hover;     // the "_h" look
};

// Every button picture of the window, resting and hover versions.
const QList<ButtonPicture>& ButtonPictures();

// Draws the button into r (the button's own rectangle) over the background
// that is already there.
void PaintButton(QPainter& p, const QRectF& r, Glyph glyph, bool hover);

}  // namespace demo
