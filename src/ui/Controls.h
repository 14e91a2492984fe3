#pragma once
// The controls that forms hold: picture boxes, images and labels. Positions and
// sizes are pixels of the container. Mouse events carry the runtime's
// arguments: Button (1 left, 2 right, 4 middle: the button pressed or released,
// or the mask of buttons held while moving), Shift (1 shift, 2 ctrl, 4 alt),
// X and Y in pixels. A disabled control gets no mouse events.
#include "ui/MediaGraph.h"
#include "ui/Picture.h"
#include <QColor>
#include <QCursor>
#include <QWidget>
#include <cstdint>
#include <functional>

namespace ui {

using MouseHandler = std::function<void(int Button, int Shift, float X, float Y)>;

// Mouse pointer values.
enum MousePointer : int { vbDefault = 0, vbCustom = 99 };

class Control : public QWidget {
public:
    explicit Control(QWidget* parent);

    int Left() const { return x(); }
    int Top() const { return y(); }
    int Width() const { return width(); }
    int Height() const { return height(); }
    void setLeft(int v) { move(v, y()); }
    void setTop(int v) { move(x(), v); }
    void setWidth(int v) { resize(v, height()); }
    void setHeight(int v) { resize(width(), v); }
    void Move(int left, int top, int width, int height) { setGeometry(left, top, width, height); }

    // The control's own visible flag (not whether its window is on screen).
    bool Visible() const { return !isHidden(); }
    void setVisible(bool v) override { QWidget::setVisible(v); }
    bool Enabled() const { return isEnabled(); }

    // 0 the default pointer, 99 the custom one (MouseIcon, or the program's
    // hand cursor when none is set).
    int MousePointer() const { return mousePointer_; }
    void setMousePointer(int pointer);
    void setMouseIcon(const QCursor& cursor);
    void setToolTipText(const QString& text) { setToolTip(text); }

    std::function<void()> OnClick;
    std::function<void()> OnDblClick;
    MouseHandler OnMouseDown;
    MouseHandler OnMouseMove;
    MouseHandler OnMouseUp;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void applyCursor();

    int mousePointer_ = vbDefault;
    QCursor mouseIcon_;
    bool hasMouseIcon_ = false;
    bool pressedLeft_ = false;
};

// A child window that can hold a picture (painted from its top-left corner at
// natural size), own the video window and take the keyboard focus.
class PictureBox : public Control {
public:
    explicit PictureBox(QWidget* parent);

    void setPicture(const Picture& picture);
    const Picture& picture() const { return picture_; }
    WindowHandle hWnd() { return this; }
    int ScaleWidth() const { return width(); }
    int ScaleHeight() const { return height(); }
    void Refresh() { repaint(); }

    std::function<void(int& KeyAscii)> OnKeyPress;
    std::function<void()> OnPaint;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    Picture picture_;
};

// A picture on its container; takes its picture's size.
class Image : public Control {
public:
    explicit Image(QWidget* parent);
    void setPicture(const Picture& picture);
    const Picture& picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Picture picture_;
};

// Text drawn transparently over its container.
class Label : public Control {
public:
    explicit Label(QWidget* parent);
    QString Caption() const { return caption_; }
    void setCaption(const QString& text);
    // An OLE colour, 0x00BBGGRR.
    uint32_t ForeColor() const { return foreColor_; }
    void setForeColor(uint32_t oleColour);
    bool FontUnderline() const { return font().underline(); }
    void setFontUnderline(bool on);
    // Lays the caption out once, unseen, so that its font is loaded (the
    // font file opened, the glyphs looked up) before the first paint asks.
    void prepareFont() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString caption_;
    uint32_t foreColor_ = 0;
};

// An OLE colour from red, green and blue.
constexpr uint32_t RGB(int r, int g, int b) { return uint32_t(r) | (uint32_t(g) << 8) | (uint32_t(b) << 16); }
// The colour of an OLE value that is no system colour (high bit clear).
QColor ColorFromOle(uint32_t ole);

// Fonts of the window's captions, falling back to what the system has
// (Chinese included).
QFont SimSunFont(double points = 10.5);
QFont ArialFont(double points = 9);

}  // namespace ui
