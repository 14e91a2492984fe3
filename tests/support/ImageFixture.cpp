#include "support/ImageFixture.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <stdexcept>

namespace fixture {

ImageFixture::ImageFixture() {
    if (!dir_.isValid()) throw std::runtime_error("cannot create a temporary image folder");
}

bool ImageFixture::haveTool(const QString& program) { return !QStandardPaths::findExecutable(program).isEmpty(); }

QString ImageFixture::path() const { return dir_.path() + QLatin1Char('/'); }

// Runs a tool in the fixture's folder; the output path when it succeeds and made it.
QString ImageFixture::run(const QString& program, const QStringList& args, const QString& output) {
    error_.clear();
    if (!haveTool(program)) {
        error_ = program + QStringLiteral(" is not installed");
        return {};
    }
    QProcess process;
    process.setWorkingDirectory(dir_.path());
    process.start(program, args);
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0 ||
        !QFileInfo::exists(output)) {
        error_ = program + QLatin1Char(' ') + args.join(QLatin1Char(' ')) + QStringLiteral(" failed: ") +
                 QString::fromLocal8Bit(process.readAllStandardError());
        return {};
    }
    return output;
}

QString ImageFixture::makeJolietIso(const QString& folder, const QString& name) {
    const QString out = path() + name;
    return run(QStringLiteral("xorriso"),
               {"-as", "mkisofs", "-quiet", "-J", "-joliet-long", "-R", "-V", "DISC", "-o", out, folder}, out);
}

QString ImageFixture::makeJolietOnlyIso(const QString& folder, const QString& name) {
    const QString out = path() + name;
    return run(QStringLiteral("xorriso"),
               {"-as", "mkisofs", "-quiet", "-J", "-joliet-long", "--norock", "-V", "DISC", "-o", out, folder}, out);
}

QString ImageFixture::makeRockRidgeIso(const QString& folder, const QString& name) {
    const QString out = path() + name;
    return run(QStringLiteral("xorriso"), {"-as", "mkisofs", "-quiet", "-R", "-V", "DISC", "-o", out, folder}, out);
}

QString ImageFixture::makePlainIso(const QString& folder, const QString& name) {
    const QString out = path() + name;
    return run(QStringLiteral("xorriso"),
               {"-as", "mkisofs", "-quiet", "--norock", "-iso-level", "1", "-V", "DISC", "-o", out, folder}, out);
}

QString ImageFixture::makeVideoCdClip() {
    const QString out = path() + QStringLiteral("vcdclip.mpg");
    if (QFileInfo::exists(out)) return out;
    return run(QStringLiteral("ffmpeg"),
               {"-y", "-v", "error", "-f", "lavfi", "-i", "testsrc2=s=352x288:r=25:d=1.6", "-f", "lavfi", "-i",
                "sine=f=440:sample_rate=44100:d=1.6", "-target", "pal-vcd", "-g", "30", out},
               out);
}

QString ImageFixture::makeVideoCd(const QString& folder, const QString& clip, const QString& name, bool sector2336) {
    QStringList args{"-q", "-t", "vcd2", "-c", name + ".cue", "-b", name + ".bin"};
    if (sector2336) args << "--sector-2336";
    const QDir root(folder);
    QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    QStringList dirs, files;
    while (it.hasNext()) {
        const QString full = it.next();
        (it.fileInfo().isDir() ? dirs : files) << full;
    }
    dirs.sort();  // parents before their children
    for (const QString& d : dirs) args << "--add-dir=" + root.relativeFilePath(d);
    for (const QString& f : files) args << "--add-file=" + f + "," + root.relativeFilePath(f);
    args << clip;
    return run(QStringLiteral("vcdimager"), args, path() + name + ".cue");
}

}  // namespace fixture
