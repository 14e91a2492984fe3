#include "ui/QtPlatform.h"
#include "ui/DiscFiles.h"
#include "ui/Errors.h"
#include "ui/Form.h"
#include "ui/MediaGraph.h"
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
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

// Web and mail addresses go to the opener as the disc wrote them; anything
// else is a document or folder on the disc.
bool isAddress(const QString& target) {
    static const char* const schemes[] = {"http:", "https:", "ftp:", "mailto:", "file:"};
    for (const char* scheme : schemes)
        if (target.startsWith(QLatin1String(scheme), Qt::CaseInsensitive)) return true;
    return false;
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
    QMessageBox box(QMessageBox::Critical, QCoreApplication::applicationName(),
                    QStringLiteral("The player has to stop:\n\n%1").arg(text), QMessageBox::Ok);
    box.exec();
}

void QtPlatform::shellOpen(const QString& target, const QString& baseFolder) {
    // An empty target names nothing: the opener opens nothing (it must not
    // fall back to the disc folder itself).
    if (target.trimmed().isEmpty()) return;
    // What the opener gets: an address exactly as written, or the full path
    // of a file on the disc (a relative target taken against the disc
    // folder), which never starts with "-" and so never reads as an option.
    QString argument = target;
    if (!isAddress(target)) {
        argument.replace(QLatin1Char('\\'), QLatin1Char('/'));
        if (QFileInfo(argument).isRelative()) argument = baseFolder + argument;
        // A file of a disc image reaches the opener as a private copy.
        const QString real = OpenerPath(argument);
        argument = real.isEmpty() ? ResolveDiscPath(argument) : real;
    }
    // The desktop's opener is started directly with the target as its one
    // argument: no command line is built and no shell reads the target, so
    // whatever a disc puts into it (";", "|", "$(...)", quotes, spaces) stays
    // text.
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (!opener.isEmpty()) {
        QProcess::startDetached(opener, QStringList{argument});
        return;
    }
    // No opener on PATH: let the window system try.
    QDesktopServices::openUrl(isAddress(target) ? QUrl(target, QUrl::TolerantMode) : QUrl::fromLocalFile(argument));
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
