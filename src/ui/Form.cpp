#include "ui/Form.h"
#include "ui/Guard.h"
#include "ui/MouseArgs.h"
#include "ui/Numbers.h"
#include "ui/Platform.h"
#include <QCloseEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QRegion>
#include <QScreen>
#include <cmath>

namespace ui {

namespace {
int loadedForms = 0;

int twipsToPixels(int32_t twips) { return static_cast<int>(std::lround(double(twips) / TwipsPerPixel)); }
}  // namespace

int LoadedFormCount() { return loadedForms; }

Form::Form(QWidget* parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

Form::~Form() {
    if (loaded_) --loadedForms;
}

void Form::Load() {
    if (loaded_) return;
    loaded_ = true;
    ++loadedForms;
    Form_Initialize();
    Form_Load();
}

void Form::Show(int modal, Form* owner) {
    Load();
    if (!loaded_) return;  // the load steps unloaded it again
    if (owner && parentWidget() != owner) setParent(owner, windowFlags() | Qt::Dialog);
    if (modal) {
        setWindowModality(Qt::ApplicationModal);
        show();
        platform().runModal(*this);
    } else {
        show();
    }
}

void Form::Refresh() {
    if (isVisible()) repaint();
    else update();
}

bool Form::Unload() { return unloadWithMode(vbFormCode); }

bool Form::UnloadFor(UnloadMode mode) { return unloadWithMode(mode); }

bool Form::unloadWithMode(int mode) {
    if (!loaded_) return true;
    int cancel = 0;
    Form_QueryUnload(cancel, mode);
    if (cancel != 0) return false;
    Form_Unload(cancel);
    if (cancel != 0) return false;
    loaded_ = false;
    --loadedForms;
    hide();
    if (deleteOnUnload_) deleteLater();
    if (loadedForms == 0) platform().endProcess(0);
    return true;
}

void Form::setPicture(const Picture& picture) {
    picture_ = picture;
    update();
}

int32_t Form::Width() const { return width() * TwipsPerPixel; }
int32_t Form::Height() const { return height() * TwipsPerPixel; }

void Form::setWidth(int32_t twips) {
    resize(twipsToPixels(twips), height());
    centreOnScreen();
}

void Form::setHeight(int32_t twips) {
    resize(width(), twipsToPixels(twips));
    centreOnScreen();
}

void Form::centreOnScreen() {
    if (windowState_ != 0 || parentWidget()) return;
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
}

void Form::setWindowState(int state) {
    const int previous = windowState_;
    windowState_ = state == 2 ? 2 : 0;
    if (windowState_ == 2) {
        if (previous == 0) normalGeometry_ = geometry();
        if (isVisible()) showFullScreen();
        else QWidget::setWindowState(Qt::WindowFullScreen);
    } else {
        if (isVisible()) showNormal();
        else QWidget::setWindowState(Qt::WindowNoState);
        // A window manager may put the window back by itself, or not at all
        // (there may be none): the form asks for its old place either way.
        if (previous == 2 && normalGeometry_.isValid() && geometry() != normalGeometry_) setGeometry(normalGeometry_);
    }
}

void Form::setShowInTaskbar(bool show) {
    setWindowFlag(Qt::Tool, !show);
}

void Form::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QImage& image = picture_.image();
    // Black where the picture does not reach or shows through; an opaque
    // picture is not painted over black first (for the main window that was
    // a second pass over its 800 x 600 pixels on every paint).
    QRegion black(rect());
    if (!image.isNull() && !image.hasAlphaChannel()) black -= QRect(QPoint(0, 0), image.size());
    for (const QRect& r : black) painter.fillRect(r, Qt::black);
    if (!image.isNull()) painter.drawImage(0, 0, image);
}

void Form::resizeEvent(QResizeEvent*) {
    Guarded([&] { Form_Resize(); });
}

void Form::closeEvent(QCloseEvent* event) {
    // While a wait lets only painting through, a close request (from the
    // window manager) waits for the user to ask again.
    if (OnlyPaintingNow()) {
        event->ignore();
        return;
    }
    bool unloaded = false;
    Guarded([&] { unloaded = unloadWithMode(vbFormControlMenu); });
    if (unloaded) event->accept();
    else event->ignore();
}

void Form::mousePressEvent(QMouseEvent* e) {
    pressTaken_ = false;
    Guarded([&] { Form_MouseDown(ButtonOf(e), ShiftOf(e), float(e->position().x()), float(e->position().y())); });
}

void Form::mouseMoveEvent(QMouseEvent* e) {
    // After a system move the platform may still report the button of the
    // press it never saw released.
    const int held = pressTaken_ ? 0 : ButtonsHeld(e);
    Guarded([&] { Form_MouseMove(held, ShiftOf(e), float(e->position().x()), float(e->position().y())); });
}

void Form::mouseReleaseEvent(QMouseEvent* e) {
    Guarded([&] { Form_MouseUp(ButtonOf(e), ShiftOf(e), float(e->position().x()), float(e->position().y())); });
}

}  // namespace ui
