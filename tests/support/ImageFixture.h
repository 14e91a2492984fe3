#pragma once
// Disc images for tests, made from a disc folder (see DiscFixture.h) by the
// real tools: xorriso for ISO 9660 images, vcdimager for Video CD BIN/CUE
// images, ffmpeg for the Video CD's MPEG-1 clip. The images live in a
// temporary folder of their own, removed when the fixture goes.
//
// Each maker returns the image's path, or an empty string with error set
// when the tool is missing or fails; tests skip on a missing tool
// (haveTool) and fail on a failing one.
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace fixture {

class ImageFixture {
public:
    ImageFixture();

    // True when the program is on the PATH.
    static bool haveTool(const QString& program);

    // The fixture's folder, "/" separated, with one trailing "/".
    QString path() const;

    // An ISO with Joliet (long names, "xorriso -as mkisofs -J -joliet-long -R")
    // and Rock Ridge: names as written in the folder, Chinese included.
    QString makeJolietIso(const QString& folder, const QString& name = QStringLiteral("joliet.iso"));
    // An ISO with Joliet names and plain ISO 9660 names, no Rock Ridge.
    QString makeJolietOnlyIso(const QString& folder, const QString& name = QStringLiteral("jolietonly.iso"));
    // An ISO with Rock Ridge names only (no Joliet tree).
    QString makeRockRidgeIso(const QString& folder, const QString& name = QStringLiteral("rockridge.iso"));
    // A plain ISO 9660 level-1 image: 8.3 upper-case names with ";1", no
    // Joliet and no Rock Ridge (xorriso adds Rock Ridge unless told --norock).
    QString makePlainIso(const QString& folder, const QString& name = QStringLiteral("plain.iso"));

    // An MPEG-1 program stream fit for a Video CD ("ffmpeg -target pal-vcd"),
    // 1.6 seconds of test picture and tone.
    QString makeVideoCdClip();

    // A Video CD 2.0 (vcdimager) as name.cue and name.bin, MODE2/2352 (or
    // MODE2/2336 with sector2336): the clip becomes MPEGAV/AVSEQ01.DAT, and
    // every folder and file under folder is added to the ISO file system
    // under its own path (names should be ISO-safe: upper case, 8.3).
    QString makeVideoCd(const QString& folder, const QString& clip, const QString& name = QStringLiteral("videocd"),
                        bool sector2336 = false);

    // Why the last maker failed.
    QString error() const { return error_; }

private:
    QString run(const QString& program, const QStringList& args, const QString& output);

    QTemporaryDir dir_;
    QString error_;
};

}  // namespace fixture
