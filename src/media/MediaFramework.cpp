#include "media/MediaFramework.h"
#include "media/mpv/MpvGraph.h"
#include "media/mpv/MpvLibrary.h"
#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

namespace media {

namespace {

// Watches the application's events for the first paint of a widget, then
// leaves: a zero timer started there runs once that paint pass is done and
// handed to the window system, and starts the preload.
class FirstPaintWatcher : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType()) {
            QTimer::singleShot(0, [] { PreloadMpvLibrary(); });
            // One paint is enough: the filter goes, and the watcher with it.
            QCoreApplication::instance()->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }
};

}  // namespace

std::unique_ptr<ui::MediaGraph> CreateMpvGraph() { return std::make_unique<MpvGraph>(); }

void PreloadMediaLibraryAfterFirstPaint() {
    auto* watcher = new FirstPaintWatcher;
    watcher->setParent(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(watcher);
}

}  // namespace media
