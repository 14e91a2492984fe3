#include "FirstPaintProbe.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

class FirstPaintProbe : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!seen_ && event->type() == QEvent::Paint && watched->isWidgetType()) {
            seen_ = true;
            // The paint event is being delivered now; a zero timer runs once
            // this paint pass (the window and its children) is done and flushed.
            QTimer::singleShot(0, [] {
                timespec now{};
                clock_gettime(CLOCK_MONOTONIC, &now);
                std::printf("first-paint %lld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
                std::fflush(stdout);
                std::_Exit(0);
            });
        }
        return false;
    }

private:
    bool seen_ = false;
};

}  // namespace

void InstallFirstPaintProbe(QApplication& app) { app.installEventFilter(new FirstPaintProbe); }
