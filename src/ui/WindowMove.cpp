#include "ui/WindowMove.h"
#include "ui/Form.h"
#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace ui {

namespace {

// Moves a window with the mouse until the left button is released.
class ManualMove : public QObject {
public:
    explicit ManualMove(QWidget* window)
        : window_(window), offset_(QCursor::pos() - window->frameGeometry().topLeft()) {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (!window_) {
            deleteLater();
            return false;
        }
        if (event->type() == QEvent::MouseMove) {
            auto* e = static_cast<QMouseEvent*>(event);
            if (!(e->buttons() & Qt::LeftButton)) return finish();
            window_->move(e->globalPosition().toPoint() - offset_);
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease) return finish();
        return false;
    }

private:
    bool finish() {
        qApp->removeEventFilter(this);
        deleteLater();
        return false;
    }

    QPointer<QWidget> window_;
    QPoint offset_;
};

}  // namespace

void DragWindow(QWidget* window) {
    if (!window) return;
    window = window->window();
    if (QWindow* handle = window->windowHandle(); handle && handle->startSystemMove()) {
        // The window manager now moves the window and keeps the release. The
        // widgets are told that the press is over, so that the moves after
        // the drag reach the control under the pointer again rather than the
        // window that was pressed; the form takes the press as over, so that
        // those moves (still reported with the button held) start no new drag.
        const QPointF global = QCursor::pos();
        QMouseEvent release(QEvent::MouseButtonRelease, handle->mapFromGlobal(global), global, Qt::LeftButton,
                            Qt::NoButton, QGuiApplication::keyboardModifiers());
        QCoreApplication::sendEvent(handle, &release);
        if (auto* form = dynamic_cast<Form*>(window)) form->pressTakenBySystemMove();
        return;
    }
    new ManualMove(window);
}

}  // namespace ui
