#include "Clips.h"

#include "Posters.h"
#include "VcdImage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

namespace demo {

namespace {

// Runs ffmpeg; false with its error output when it fails.
bool runFfmpeg(const QString& ffmpeg, const QStringList& args, QString& error) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(ffmpeg, QStringList{QStringLiteral("-nostdin"), QStringLiteral("-hide_banner"),
                                      QStringLiteral("-loglevel"), QStringLiteral("error"),
                                      QStringLiteral("-y")} + args);
    if (!process.waitForStarted(10000)) {
        error = QStringLiteral("cannot start %1").arg(ffmpeg);
        return false;
    }
    if (!process.waitForFinished(180000)) {
        process.kill();
        process.waitForFinished(5000);
        error = QStringLiteral("%1 took too long").arg(ffmpeg);
        return false;
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        error = QStringLiteral("%1 failed: %2").arg(ffmpeg, QString::fromLocal8Bit(process.readAll()).trimmed());
        return false;
    }
    return true;
}

QStringList codecArgs(ClipKind kind) {
    switch (kind) {
    case ClipKind::Wmv:
        return {QStringLiteral("-c:v"), QStringLiteral("wmv2"), QStringLiteral("-b:v"), QStringLiteral("1200k"),
                QStringLiteral("-c:a"), QStringLiteral("wmav2"), QStringLiteral("-b:a"), QStringLiteral("128k"),
                QStringLiteral("-ar"), QStringLiteral("44100"), QStringLiteral("-f"), QStringLiteral("asf")};
    case ClipKind::Mpg:
        return {QStringLiteral("-c:v"), QStringLiteral("mpeg1video"), QStringLiteral("-b:v"),
                QStringLiteral("1800k"), QStringLiteral("-c:a"), QStringLiteral("mp2"), QStringLiteral("-b:a"),
                QStringLiteral("192k"), QStringLiteral("-ar"), QStringLiteral("44100"), QStringLiteral("-ac"),
                QStringLiteral("2"), QStringLiteral("-f"), QStringLiteral("mpeg")};
    case ClipKind::VcdDat:
        // a Video CD stream: 352 x 288, 25 frames, MPEG-1 video and layer 2
        // sound in 2324-byte packs, ready to go into sectors
        return {QStringLiteral("-target"), QStringLiteral("pal-vcd"), QStringLiteral("-f"), QStringLiteral("vcd")};
    }
    return {};
}

}  // namespace

QString FindCounterFont(const QString& ffmpeg) {
    QProcess process;
    process.start(ffmpeg, {QStringLiteral("-hide_banner"), QStringLiteral("-filters")});
    if (!process.waitForFinished(20000)) return {};
    if (!QString::fromLocal8Bit(process.readAllStandardOutput()).contains(QStringLiteral(" drawtext "))) return {};
    for (const char* font : {"/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf",
                             "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"})
        if (QFileInfo::exists(QString::fromLatin1(font))) return QString::fromLatin1(font);
    return {};
}

bool MakeClip(const ClipMaker& maker, const Clip& clip, DiscWriter& writer, QString& error) {
    const QDir work(maker.workFolder);
    const QString stem = QStringLiteral("clip-%1").arg(clip.toneHz);
    const QString card = work.filePath(stem + QStringLiteral("-card.png"));
    const QString ball = work.filePath(stem + QStringLiteral("-ball.png"));
    const int diameter = clip.size.height() / 8;
    if (!ClipCard(clip).save(card) || !BallSprite(diameter).save(ball)) {
        error = QStringLiteral("cannot write the title card of %1 in %2").arg(clip.name, maker.workFolder);
        return false;
    }

    const QString seconds = QString::number(clip.seconds);
    // The ball rolls from left to right over the clip's length, bouncing.
    QString video = QStringLiteral(
                        "[0:v][1:v]overlay=x='(W-w)*t/%1':y='H*0.86-h-abs(sin(t*3.1416*1.5))*H*0.1'")
                        .arg(seconds);
    if (!maker.counterFont.isEmpty())
        video += QStringLiteral(",drawtext=fontfile='%1':text='%{eif\\:t\\:d} / %2':x=w-tw-14:y=14:"
                                "fontsize=%3:fontcolor=white@0.9:box=1:boxcolor=black@0.3:boxborderw=6")
                     .arg(maker.counterFont, seconds)
                     .arg(qMax(14, clip.size.height() / 18));
    video += QStringLiteral(",format=yuv420p[v]");

    const bool vcd = clip.kind == ClipKind::VcdDat;
    const QString target = vcd ? work.filePath(stem + QStringLiteral(".mpg")) : writer.pathOf(clip.name);
    if (!vcd && !writer.makeFolderFor(clip.name)) {
        error = writer.error();
        return false;
    }
    QStringList args = {QStringLiteral("-loop"), QStringLiteral("1"), QStringLiteral("-framerate"),
                        QStringLiteral("25"), QStringLiteral("-i"), card, QStringLiteral("-loop"),
                        QStringLiteral("1"), QStringLiteral("-framerate"), QStringLiteral("25"),
                        QStringLiteral("-i"), ball, QStringLiteral("-f"), QStringLiteral("lavfi"),
                        QStringLiteral("-i"),
                        QStringLiteral("sine=frequency=%1:beep_factor=3:sample_rate=44100:duration=%2")
                            .arg(clip.toneHz)
                            .arg(seconds),
                        QStringLiteral("-filter_complex"), video, QStringLiteral("-map"), QStringLiteral("[v]"),
                        QStringLiteral("-map"), QStringLiteral("2:a"), QStringLiteral("-t"), seconds};
    args += codecArgs(clip.kind);
    args << target;
    if (!runFfmpeg(maker.ffmpeg, args, error)) return false;
    if (!vcd) {
        writer.noteWritten(clip.name);
        return true;
    }
    QFile stream(target);
    if (!stream.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("cannot read %1").arg(target);
        return false;
    }
    if (!writer.writeBytes(clip.name, WrapInCdxa(stream.readAll()))) {
        error = writer.error();
        return false;
    }
    return true;
}

}  // namespace demo
