#include "support/RealMedia.h"
#include "media/MediaFramework.h"
#include "ui/Errors.h"
#include <QCoreApplication>
#include <QProcess>
#include <QStandardPaths>

namespace fixture {

RecordingPlatform::RecordingPlatform() : ui::QtPlatform([] { return media::CreateMpvGraph(); }) {}

void RecordingPlatform::messageBox(const QString& text, int, const QString&) { messages.push_back(text); }

void RecordingPlatform::errorReport(const QString& text) { errors.push_back(text); }

RealPlatformScope::RealPlatformScope(ui::Platform& platform) {
    try {
        previous_ = &ui::platform();
    } catch (const ui::RuntimeError&) {
        previous_ = nullptr;
    }
    ui::setPlatform(&platform);
}

RealPlatformScope::~RealPlatformScope() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ui::setPlatform(previous_);
}

QString FfmpegPath() { return QStandardPaths::findExecutable(QStringLiteral("ffmpeg")); }

bool RunFfmpeg(const QStringList& args) {
    const QString tool = FfmpegPath();
    if (tool.isEmpty()) return false;
    QProcess p;
    p.start(tool, QStringList{"-hide_banner", "-loglevel", "error", "-y"} + args);
    return p.waitForFinished(60000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

}  // namespace fixture
