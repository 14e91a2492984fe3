#include "ui/QtPlatform.h"
#include "ui/Errors.h"
#include "ui/Form.h"
#include "ui/MediaGraph.h"
#include "ui/StringTable.h"
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>
#include <QTime>
#include <QTimer>
#include <QUrl>
#include <cstdio>
#include <cstdlib>

namespace ui {

namespace {

class QtTimerBackend : public TimerBackend {
public:
    explicit QtTimerBackend(std::function<void()> tick) {
        timer_.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer_, &QTimer::timeout, std::move(tick));
    }
    void start(int intervalMs) override {
        if (!timer_.isActive() || timer_.interval() != intervalMs) timer_.start(intervalMs);
    }
    void stop() override { timer_.stop(); }

private:
    QTimer timer_;
};

// Without a screen nobody can answer a dialog: a headless run writes it out.
bool headless() {
    const QString name = QGuiApplication::platformName();
    return name == QLatin1String("offscreen") || name == QLatin1String("minimal");
}

}  // namespace

QtPlatform::QtPlatform(GraphFactory graphs) : graphs_(std::move(graphs)) {}

double QtPlatform::clockSeconds() { return QTime::currentTime().msecsSinceStartOfDay() / 1000.0; }

std::unique_ptr<TimerBackend> QtPlatform::createTimer(std::function<void()> tick) {
    return std::make_unique<QtTimerBackend>(std::move(tick));
}

void QtPlatform::pumpEvents() {
    // Deferred deletions wait for the main loop, so a window unloaded inside a
    // wait is not deleted under the handler that waits.
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    QThread::usleep(500);  // a wait loop around this must not spin a core
}

void QtPlatform::pumpPaintEvents() {
    // Mouse and key events stay queued for later; expose events, repaints and
    // posted calls (frames of playing videos) run. Timer ticks and close
    // requests are held off by the runtime (PaintWhileWaiting).
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void QtPlatform::runModal(Form& form) {
    QPointer<Form> guard(&form);
    // Once the process is ending (the desktop session may end it while a
    // dialog is open) the modal loop lets go, so that the main loop can end.
    while (guard && guard->isLoaded() && !ending_) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void QtPlatform::messageBox(const QString& text, int style, const QString& title) {
    std::fprintf(stderr, "%s: %s\n", qPrintable(title), qPrintable(text));
    if (headless()) return;
    QMessageBox box(style == vbCritical ? QMessageBox::Critical : QMessageBox::NoIcon, title, text, QMessageBox::Ok);
    box.exec();
}

void QtPlatform::errorReport(const QString& text) {
    std::fprintf(stderr, "autorun: error: %s\n", qPrintable(text));
    std::fflush(stderr);
    if (headless()) return;
    QMessageBox box(QMessageBox::Critical, LoadResString(101),
                    QStringLiteral("The player has to stop:\n\n%1").arg(text), QMessageBox::Ok);
    box.exec();
}

void QtPlatform::shellOpen(const QString& argument) {
    if (argument.isEmpty()) return;
    // The desktop's opener is started directly with the argument as its one
    // argument: no command line is built and no shell reads it, so whatever
    // a disc puts into a link (";", "|", "$(...)", quotes, spaces) stays text.
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (!opener.isEmpty()) {
        QProcess::startDetached(opener, QStringList{argument});
        return;
    }
    // No opener on PATH: let the window system try.
    QDesktopServices::openUrl(QFileInfo(argument).isAbsolute() ? QUrl::fromLocalFile(argument)
                                                               : QUrl(argument, QUrl::TolerantMode));
}

void QtPlatform::endProcess(int code) {
    if (code != 0) {
        // A failure: leave at once, whatever loops are running.
        std::fflush(nullptr);
        std::_Exit(code);
    }
    ending_ = true;
    QCoreApplication::exit(code);
}

std::unique_ptr<MediaGraph> QtPlatform::createGraph() {
    if (!graphs_) throw MediaError(QStringLiteral("No media framework is available"));
    return graphs_();
}

}  // namespace ui
