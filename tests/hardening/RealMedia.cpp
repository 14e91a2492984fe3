#include "hardening/RealMedia.h"
#include "media/CdxaWriter.h"
#include "media/MediaFramework.h"
#include "ui/Errors.h"
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <stdexcept>

namespace hardening {

RecordingPlatform::RecordingPlatform() : ui::QtPlatform([] { return media::CreateMpvGraph(); }) {
    try {
        previous_ = &ui::platform();
    } catch (const ui::RuntimeError&) {
        previous_ = nullptr;
    }
    ui::setPlatform(this);
}

RecordingPlatform::~RecordingPlatform() { ui::setPlatform(previous_); }

void RecordingPlatform::messageBox(const QString& text, int, const QString&) { messages.push_back(text); }

void RecordingPlatform::errorReport(const QString& text) { errors.push_back(text); }

void RecordingPlatform::runModal(ui::Form& form) { answerOk(form); }

void RecordingPlatform::endProcess(int code) {
    if (!exitCode) exitCode = code;
}

PlayerRun::Wait wallClockWait() {
    return [](const std::function<bool()>& done, double seconds) {
        return QTest::qWaitFor(done, int(seconds * 1000));
    };
}

namespace {

void runFfmpeg(const QStringList& args) {
    QProcess ffmpeg;
    ffmpeg.start(QStringLiteral("ffmpeg"), QStringList{"-y", "-v", "error"} + args);
    if (!ffmpeg.waitForFinished(60000) || ffmpeg.exitStatus() != QProcess::NormalExit || ffmpeg.exitCode() != 0)
        throw std::runtime_error("ffmpeg failed: " + args.join(' ').toStdString() + "\n" +
                                 ffmpeg.readAllStandardError().toStdString());
}

QStringList sources(const char* size) {
    return {"-f", "lavfi", "-i", QStringLiteral("testsrc2=s=%1:r=25:d=0.4").arg(QLatin1String(size)),
            "-f", "lavfi", "-i", "sine=f=440:sample_rate=44100:d=0.4"};
}

}  // namespace

bool ShortClips::available() { return !QStandardPaths::findExecutable(QStringLiteral("ffmpeg")).isEmpty(); }

QString ShortClips::path(const QString& kind) {
    if (auto it = made_.find(kind); it != made_.end()) return it->second;
    const QString out = dir_.filePath("clip." + kind);
    if (kind == QLatin1String("wmv")) {
        runFfmpeg(sources("160x120") << "-c:v" << "wmv2" << "-c:a" << "wmav2" << out);
    } else if (kind == QLatin1String("mpg")) {
        runFfmpeg(sources("160x120") << "-c:v" << "mpeg1video" << "-c:a" << "mp2" << "-f" << "mpeg" << out);
    } else if (kind == QLatin1String("dat")) {
        const QString stream = dir_.filePath("vcd-stream.mpg");
        runFfmpeg(sources("352x288") << "-target" << "pal-vcd" << stream);
        mediatest::writeCdxaFile(stream, out);
    } else {
        throw std::runtime_error("no such clip kind: " + kind.toStdString());
    }
    made_[kind] = out;
    return out;
}

QByteArray ShortClips::bytes(const QString& kind) {
    QFile f(path(kind));
    if (!f.open(QIODevice::ReadOnly)) throw std::runtime_error("cannot read " + f.fileName().toStdString());
    return f.readAll();
}

}  // namespace hardening
