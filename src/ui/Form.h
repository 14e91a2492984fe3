#pragma once
// The form: a borderless top-level window with a background picture, an outer
// size in twips (15 per pixel), centred on the screen when sized, a caption,
// the normal (0) and maximised (2) states, and the runtime's life cycle:
// Load runs the creation and load steps once; Show shows it, modal with an
// owner or not; Unload first asks Form_QueryUnload, which may cancel.
// When the last loaded form unloads, the process ends.
#include "ui/Picture.h"
#include <QWidget>
#include <cstdint>

namespace ui {

// Why a form is asked to unload.
enum UnloadMode : int { vbFormControlMenu = 0, vbFormCode = 1, vbAppWindows = 2 };

class Form : public QWidget {
public:
    explicit Form(QWidget* parent = nullptr);
    ~Form() override;

    // Runs Form_Initialize and Form_Load, once; later calls do nothing.
    void Load();
    bool isLoaded() const { return loaded_; }
    // Loads when needed, then shows. Modal: returns once the form is unloaded.
    void Show(int modal = 0, Form* owner = nullptr);
    // Repaints at once.
    void Refresh();
    // Asks Form_QueryUnload (mode vbFormCode), then runs Form_Unload and hides
    // the form. Returns false when either handler cancelled.
    bool Unload();
    // The same with the cause given (vbAppWindows when the desktop session
    // ends).
    bool UnloadFor(UnloadMode mode);

    QString Caption() const { return windowTitle(); }
    void setCaption(const QString& text) { setWindowTitle(text); }
    void setPicture(const Picture& picture);
    const Picture& picture() const { return picture_; }

    // Outer size in twips; setting it resizes and centres the window.
    int32_t Width() const;
    int32_t Height() const;
    void setWidth(int32_t twips);
    void setHeight(int32_t twips);
    // Inner size in pixels.
    int ScaleWidth() const { return width(); }
    int ScaleHeight() const { return height(); }

    // 0 normal, 2 maximised (the whole screen: the form has no border).
    // Back in the normal state the form has the place and size it had before
    // it was maximised, wherever it had been moved to.
    int WindowState() const { return windowState_; }
    void setWindowState(int state);

    // The window system's own move loop took the mouse press under way
    // (DragWindow): it keeps the release, so until the next press the form
    // reports its mouse moves with no button held, whatever the platform says.
    void pressTakenBySystemMove() { pressTaken_ = true; }

    // Leaves the form out of the task bar.
    void setShowInTaskbar(bool show);

    // When set, the form deletes itself (later) once unloaded.
    void setDeleteOnUnload(bool on) { deleteOnUnload_ = on; }

protected:
    virtual void Form_Initialize() {}
    virtual void Form_Load() {}
    virtual void Form_Resize() {}
    virtual void Form_QueryUnload(int& Cancel, int UnloadMode) { (void)Cancel; (void)UnloadMode; }
    virtual void Form_Unload(int& Cancel) { (void)Cancel; }
    virtual void Form_MouseDown(int Button, int Shift, float X, float Y) { (void)Button; (void)Shift; (void)X; (void)Y; }
    virtual void Form_MouseMove(int Button, int Shift, float X, float Y) { (void)Button; (void)Shift; (void)X; (void)Y; }
    virtual void Form_MouseUp(int Button, int Shift, float X, float Y) { (void)Button; (void)Shift; (void)X; (void)Y; }

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool unloadWithMode(int mode);
    void centreOnScreen();

    Picture picture_;
    bool loaded_ = false;
    bool deleteOnUnload_ = false;
    int windowState_ = 0;
    QRect normalGeometry_;  // where the form was before it was maximised
    bool pressTaken_ = false;
};

// How many forms are loaded now.
int LoadedFormCount();

}  // namespace ui
