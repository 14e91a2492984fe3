#pragma once
// Progressbar: the skinnable horizontal slider (seek bar and volume bar).
//
// Usage (the host configures it at run time; geometry in pixels of the host):
//
//   auto* bar = new slider::Progressbar(form);          // Max 100, Value 50, Style 2
//   bar->setMax(10000);
//   bar->Move(200, 503, 539, 9);
//   bar->setStyle(2);
//   bar->setCanMove(true);
//   bar->setBite_LP(17);
//   bar->setBite_RP(16);
//   bar->setPicture(ui::LoadPicture(path), 17, 17, 1, 1, 16);   // cmp_Height, cmp_Top optional
//   bar->setcMouseIcon(ui::LoadPicture(cursorPath));
//   bar->MouseDown = [](int16_t& Button, int16_t& Shift, float& X, float& Y) { ... };
//   bar->Changed = [](int32_t& tValue, int32_t& tMax) { ... };
//   bar->MouseOverCmd = [bar] { bar->setcMousePointer(99); };
//   bar->MouseOutCmd = [bar] { bar->setcMousePointer(0); };
//   bar->setValue(1234);   // ignored while the user drags the thumb
//
// Inside the control every position and width is in twips, 15 per pixel; mouse
// event coordinates are float twips from the control's left edge. Event
// arguments are references: a handler that writes them changes what the control
// does next (Changed hands out the value and maximum fields themselves).
//
// Every redraw composes the whole bar into an off-screen surface (the skin
// pieces are cut once by setPicture), then the widget shows the surface with
// one copy when it paints. A new Value that leaves the thumb on the same
// pixels keeps the surface composed before. Redraws raise MouseOverCmd or
// MouseOutCmd while CanMove is true and the thumb is shown, so those handlers
// must be cheap.
//
// Property setters tell the host through PropertyChanged (the property's name).
// Setters and methods may raise ui::OverflowError where 16-bit values overflow
// (Bite_LP/Bite_RP beyond 2184 pixels, setPicture widths).
#include "slider/PropertyBag.h"
#include "ui/Picture.h"
#include "ui/Timer.h"
#include <QCursor>
#include <QImage>
#include <QString>
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>

namespace slider {

// The control's fields, in their units: twips unless said otherwise.
struct ProgressbarFields {
    ui::Picture mLeftPic;       // left end cap
    ui::Picture mRightPic;      // right end cap
    ui::Picture mLeftMidPic;    // filled part, left of the thumb
    ui::Picture mRightMidPic;   // empty part, right of the thumb
    ui::Picture mCmdPic;        // thumb strip: normal, over, pressed, disabled
    int16_t mCmdWidth = 0;      // one thumb frame, twips
    int16_t mCmdHeight = 0;     // pixels
    int16_t mCmdTop = 0;        // pixels
    int16_t mLeftWidth = 0;     // twips
    int16_t mRightWidth = 0;    // twips
    uint32_t mTopColor = 0;     // OLE colours, 0x00BBGGRR
    uint32_t mBottomColor = 0;
    uint32_t mGotTopColor = 0;
    uint32_t mGotBottomColor = 0;
    int32_t mMax = 0;
    int32_t mVal = 0;
    int32_t mStyle = 0;
    QString mCaption;
    float mCmdLeft = 0;         // left edge of the thumb, written by every redraw
    float mMouseX = 0;          // x of the last mouse move
    bool mCanMove = false;
    bool mDragging = false;     // left button pressed on the control, not yet released
    bool mHover = false;        // mouse seen over the control, not yet seen to leave
    bool mIsShowCmd = false;
    int16_t mBiteLP = 0;        // twips (15 x Bite_LP)
    int16_t mBiteRP = 0;        // twips (15 x Bite_RP)
};

// Thumb states (GetMouseState) and the frame each selects.
enum ThumbState : int32_t { ThumbNormal = 0, ThumbOver = 1, ThumbPressed = 2, ThumbDisabled = 3 };

// The key colour of the thumb frames: magenta pixels show the bar beneath.
constexpr uint32_t ThumbKeyColour = 0xFF00FF;

class Progressbar : public QWidget {
public:
    explicit Progressbar(QWidget* parent = nullptr);
    ~Progressbar() override;

    // Geometry in pixels of the host.
    int Left() const { return x(); }
    int Top() const { return y(); }
    int Width() const { return width(); }
    int Height() const { return height(); }
    void setLeft(int v) { move(v, y()); }
    void setTop(int v) { move(x(), v); }
    void setWidth(int v) { resize(v, height()); }
    void setHeight(int v) { resize(width(), v); }
    void Move(int left, int top, int w, int h) { setGeometry(left, top, w, h); }
    // The drawing area in twips.
    float ScaleWidth() const;
    float ScaleHeight() const;
    bool Enabled() const { return isEnabled(); }

    // Properties.
    QString Caption() const { return f_.mCaption; }
    void setCaption(const QString& text);
    QWidget* Hwnd() { return this; }
    const ui::Picture& cMouseIcon() const { return mouseIcon_; }
    void setcMouseIcon(const ui::Picture& picture);
    // 0 the default pointer, 99 the custom one (cMouseIcon).
    int16_t cMousePointer() const { return mousePointer_; }
    void setcMousePointer(int pointer);
    const ui::Picture& BkPicture() const { return bkPicture_; }
    void setBkPicture(const ui::Picture& picture);
    int16_t Appearance() const { return appearance_; }
    void setAppearance(int value);
    int16_t BorderStyle() const { return borderStyle_; }
    void setBorderStyle(int value);
    // The background colour that a redraw starts from (OLE; system colours allowed).
    uint32_t BackColor() const { return backColor_; }
    void setBackColor(uint32_t oleColour);
    // 2 skin with end caps, 3 two full-width skins, anything else colour gradients.
    int32_t Style() const { return f_.mStyle; }
    void setStyle(int32_t style);
    bool CanMove() const { return f_.mCanMove; }
    void setCanMove(bool on);
    uint32_t TopColor() const { return f_.mTopColor; }
    void setTopColor(uint32_t oleColour);
    uint32_t BottomColor() const { return f_.mBottomColor; }
    void setBottomColor(uint32_t oleColour);
    uint32_t GotTopColor() const { return f_.mGotTopColor; }
    void setGotTopColor(uint32_t oleColour);
    uint32_t GotBottomColor() const { return f_.mGotBottomColor; }
    void setGotBottomColor(uint32_t oleColour);
    // Not validated: a negative maximum becomes 1 at the next redraw.
    int32_t Max() const { return f_.mMax; }
    void setMax(int32_t value);
    // How far, in pixels, the thumb may run over the left / right end cap.
    int16_t Bite_LP() const;
    void setBite_LP(int pixels);
    int16_t Bite_RP() const;
    void setBite_RP(int pixels);
    // Not kept inside 0..Max; ignored (only notified) while the user drags.
    int32_t Value() const { return f_.mVal; }
    void setValue(int32_t value);
    bool IsShowCmd() const { return f_.mIsShowCmd; }
    void setIsShowCmd(bool on);

    // Methods.
    // A picture's size in pixels from its HIMETRIC size; 0 for no picture.
    int16_t GetPictureWidth(const ui::Picture& picture) const;
    int16_t GetPictureHeight(const ui::Picture& picture) const;
    // The thumb state 0..3; raises MouseOverCmd (1, 2) or MouseOutCmd (0) while CanMove.
    int32_t GetMouseState();
    // Cuts a skin strip (pieces side by side, widths in pixels) into the five
    // pieces and redraws. A picture of height 0 (or none) changes nothing.
    void setPicture(const ui::Picture& newPicture, int16_t lP_Width, int16_t rP_Width, int16_t lmP_Width,
                    int16_t rmP_Width, int16_t cP_Width, int16_t cmp_Height = 0, int16_t cmp_Top = 0);
    // A new picture holding the rectangle (pixels) of thePicture.
    ui::Picture PicToPic(const ui::Picture& thePicture, int32_t LeftSrc, int32_t TopSrc, int32_t WidthSrc,
                         int32_t HeightSrc);
    // Composes the whole control anew (the setters, resizes and mouse handling
    // call it); the window repaints only when the picture changed.
    void Redraw();

    // The stored property set: saving writes what differs from the save
    // defaults; loading takes nothing over (the host configures at run time).
    void WriteProperties(PropertyBag& bag) const;
    void ReadProperties(const PropertyBag& bag);

    // Events (arguments by reference).
    using MouseEventHandler = std::function<void(int16_t& Button, int16_t& Shift, float& X, float& Y)>;
    std::function<void()> MouseOverCmd;
    std::function<void()> MouseOutCmd;
    std::function<void(int32_t& tValue, int32_t& tMax)> Changed;
    std::function<void()> Done;  // declared for hosts; never raised
    MouseEventHandler MouseMove;
    MouseEventHandler MouseUp;
    MouseEventHandler MouseDown;
    std::function<void()> Click;
    std::function<void()> DBClick;
    // The host's notice that the stored set is out of date.
    std::function<void(const QString& propertyName)> PropertyChanged;

    // The window under the mouse cursor (default: the widget at QCursor::pos());
    // tests replace it.
    using WindowAtCursor = std::function<QWidget*()>;
    void setWindowAtCursor(WindowAtCursor find) { windowAtCursor_ = std::move(find); }

    // Read-only views for hosts' diagnostics and tests.
    const ProgressbarFields& fields() const { return f_; }
    const QImage& surface() const { return surface_; }
    const ui::Timer& Timer1() const { return timer1_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    // Mouse handling in the control's terms (twips, runtime button masks).
    void onMouseDown(int16_t Button, int16_t Shift, float X, float Y);
    void onMouseMove(int16_t Button, int16_t Shift, float X, float Y);
    void onMouseUp(int16_t Button, int16_t Shift, float X, float Y);
    void onTimer1();
    bool IsCursorOnControl() const;
    bool IsCursorOnThumb() const;

    void notify(const QString& name);
    template <typename T>
    void storeAndRedraw(T& field, T value, const QString& name);
    void applyCursor();
    // Redraw; with onlyIfMoved (a new Value), a thumb that lands on the pixels
    // and in the state of the last composition leaves the surface as it is.
    void redraw(bool onlyIfMoved);
    using ThumbPixels = std::array<int, 6>;
    std::optional<ThumbPixels> thumbPixels(float p, double scaleWidth) const;
    void showIfChanged();

    ProgressbarFields f_;
    ui::Picture mouseIcon_;
    QCursor mouseCursor_;
    int16_t mousePointer_ = 0;
    ui::Picture bkPicture_;
    int16_t appearance_ = 0;
    int16_t borderStyle_ = 0;
    uint32_t backColor_ = 0x8000000F;  // the button face colour
    bool pressedInside_ = false;        // a left press that may end in Click
    QImage surface_;                    // the drawing surface every redraw composes
    QImage shown_;                      // what the window was last asked to show
    // What the surface was last composed for; reset by anything else that
    // changes the picture without composing it (caption, font, palette).
    static constexpr int32_t NoThumb = -1;
    struct Drawn {
        QSize size;
        ThumbPixels pixels;
        int32_t state;  // the thumb state drawn, NoThumb when hidden
    };
    std::optional<Drawn> drawn_;
    uint64_t compositions_ = 0;  // counts compositions, to notice a handler's redraw
    ui::Timer timer1_;
    WindowAtCursor windowAtCursor_;
};

}  // namespace slider
