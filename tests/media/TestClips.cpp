#include "media/TestClips.h"
#include "media/CdxaWriter.h"
#include <QFile>
#include <QProcess>
#include <stdexcept>

namespace mediatest {

namespace {

// Groups of pictures of 30 frames (1.2 s) leave a seek target between two
// keyframes for the seek tests.
const ClipFacts facts[] = {
    {"clip.wmv", {320, 240}, 1.6}, {"clip.mpg", {352, 288}, 1.6}, {"clip2.mpg", {416, 240}, 1.6},
    {"AVSEQ01.DAT", {352, 288}, 1.6}, {"red.mpg", {320, 240}, 1.2}, {"sound.mp2", {0, 0}, 1.2},
    {"longgop.mpg", {320, 240}, 4.0},
};

QStringList sources(const char* video, double seconds) {
    const QString d = QString::number(seconds);
    QStringList args{"-y", "-v", "error"};
    if (video) args << "-f" << "lavfi" << "-i" << QString::fromLatin1(video) + ":r=25:d=" + d;
    args << "-f" << "lavfi" << "-i" << "sine=f=440:sample_rate=44100:d=" + d;
    return args;
}

QStringList ffmpegArguments(ClipKind kind, const QString& out) {
    switch (kind) {
    case ClipKind::Wmv:
        return sources("testsrc2=s=320x240", 1.6)
               << "-c:v" << "wmv2" << "-g" << "30" << "-b:v" << "400k" << "-c:a" << "wmav2" << "-b:a" << "64k" << out;
    case ClipKind::Mpeg1:
        return sources("testsrc2=s=352x288", 1.6)
               << "-c:v" << "mpeg1video" << "-g" << "30" << "-b:v" << "800k" << "-c:a" << "mp2" << "-f" << "mpeg" << out;
    case ClipKind::Mpeg2:
        return sources("testsrc2=s=416x240", 1.6)
               << "-c:v" << "mpeg2video" << "-g" << "30" << "-b:v" << "800k" << "-c:a" << "mp2" << "-f" << "vob" << out;
    case ClipKind::VideoCd:  // the stream to wrap: VCD packs of 2324 bytes
        return sources("testsrc2=s=352x288", 1.6) << "-target" << "pal-vcd" << "-g" << "30" << out;
    case ClipKind::RedMpeg1:
        return sources("color=c=red:s=320x240", 1.2)
               << "-c:v" << "mpeg1video" << "-q:v" << "2" << "-c:a" << "mp2" << "-f" << "mpeg" << out;
    case ClipKind::SoundOnly:
        return sources(nullptr, 1.2) << "-c:a" << "mp2" << out;
    case ClipKind::LongGroupsMpeg1:
        return sources("testsrc2=s=320x240", 4.0)
               << "-c:v" << "mpeg1video" << "-g" << "60" << "-b:v" << "600k" << "-c:a" << "mp2" << "-f" << "mpeg" << out;
    }
    return {};
}

void runFfmpeg(const QStringList& args) {
    QProcess ffmpeg;
    ffmpeg.start(QStringLiteral("ffmpeg"), args);
    if (!ffmpeg.waitForFinished(60000) || ffmpeg.exitStatus() != QProcess::NormalExit || ffmpeg.exitCode() != 0)
        throw std::runtime_error("ffmpeg failed: " + args.join(' ').toStdString() + "\n" +
                                 ffmpeg.readAllStandardError().toStdString());
}

}  // namespace

const ClipFacts& factsOf(ClipKind kind) { return facts[int(kind)]; }

QString TestClips::path(ClipKind kind) {
    if (auto it = made_.find(kind); it != made_.end()) return it->second;
    const QString out = dir_.filePath(QString::fromLatin1(factsOf(kind).name));
    if (kind == ClipKind::VideoCd) {
        const QString stream = dir_.filePath(QStringLiteral("vcd-stream.mpg"));
        runFfmpeg(ffmpegArguments(kind, stream));
        writeCdxaFile(stream, out);
    } else {
        runFfmpeg(ffmpegArguments(kind, out));
    }
    made_[kind] = out;
    return out;
}

QString TestClips::make(const QString& name, const QStringList& ffmpegArguments) {
    const QString out = dir_.filePath(name);
    runFfmpeg(QStringList{"-y", "-v", "error"} << ffmpegArguments << out);
    return out;
}

QString TestClips::writeFile(const QString& name, const QByteArray& bytes) {
    const QString p = dir_.filePath(name);
    QFile f(p);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + p.toStdString());
    return p;
}

}  // namespace mediatest
