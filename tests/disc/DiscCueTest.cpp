// Cue sheets as rips name them: a .bin named unlike the cue, in a folder with
// spaces and Chinese characters and another letter case, several FILE lines,
// PREGAP; and a cue sheet whose .bin is missing.
#include "disc/DiscImage.h"
#include "VideoCdDisc.h"
#include <QDir>
#include <gtest/gtest.h>

using disc::Image;
using disctest::VideoCdDisc;

namespace {

constexpr int kRaw = 2352;

struct Contents {
    QByteArray picture, clip;
};

Contents contentsOf(const QString& path) {
    QString why;
    auto image = Image::open(path, &why);
    EXPECT_TRUE(image) << why.toStdString();
    Contents c;
    if (!image) return c;
    EXPECT_TRUE(image->readAll(QStringLiteral("IMAGE/PLAY.JPG"), c.picture, 1 << 20));
    EXPECT_TRUE(image->readAll(QStringLiteral("MPEGAV/AVSEQ01.DAT"), c.clip, 1 << 24));
    return c;
}

}  // namespace

TEST(DiscCue, SheetsAsRipsWriteThem) {
    VideoCdDisc vcd;
    MAKE_VIDEO_CD(vcd);
    const Contents reference = contentsOf(vcd.cue);
    ASSERT_EQ(reference.picture, vcd.picture);
    const QByteArray bin = disctest::readFile(vcd.bin());
    const int split = disctest::cueIndex(vcd.cue, 2, 0);
    ASSERT_GT(split, 0);
    const QString dir = vcd.images.path();

    // The .bin in a folder with spaces and Chinese characters, named unlike
    // the cue sheet and in another letter case.
    QDir(dir).mkpath(QStringLiteral("光盘 镜像"));
    disctest::writeFile(dir + QStringLiteral("光盘 镜像/Disc Data.BIN"), bin);
    const QString tracks = QStringLiteral("  TRACK 01 MODE2/2352\r\n    INDEX 01 00:00:00\r\n"
                                          "  TRACK 02 MODE2/2352\r\n    INDEX 00 %1\r\n    INDEX 01 %2\r\n");
    auto msf = [](int f) {
        return QStringLiteral("%1:%2:%3").arg(f / 4500, 2, 10, QChar('0')).arg(f / 75 % 60, 2, 10, QChar('0')).arg(f % 75, 2, 10, QChar('0'));
    };
    disctest::writeFile(dir + QStringLiteral("lesson.cue"),
                        (QStringLiteral("REM a rip\r\nFILE \"光盘 镜像\\disc data.bin\" BINARY\r\n") +
                         tracks.arg(msf(split), msf(split + 150)))
                            .toUtf8());

    // Two files: the second track in a file of its own.
    disctest::writeFile(dir + QStringLiteral("part1.bin"), bin.left(qsizetype(split) * kRaw));
    disctest::writeFile(dir + QStringLiteral("part2.bin"), bin.mid(qsizetype(split) * kRaw));
    disctest::writeFile(dir + QStringLiteral("two files.cue"),
                        "FILE \"part1.bin\" BINARY\n  TRACK 01 MODE2/2352\n    INDEX 01 00:00:00\n"
                        "FILE \"part2.bin\" BINARY\n  TRACK 02 MODE2/2352\n    INDEX 00 00:00:00\n    INDEX 01 00:02:00\n");

    // The second track's pause not stored: PREGAP stands for it.
    disctest::writeFile(dir + QStringLiteral("part2-nogap.bin"), bin.mid(qsizetype(split + 150) * kRaw));
    disctest::writeFile(dir + QStringLiteral("pregap.cue"),
                        "FILE \"part1.bin\" BINARY\n  TRACK 01 MODE2/2352\n    INDEX 01 00:00:00\n"
                        "FILE \"part2-nogap.bin\" BINARY\n  TRACK 02 MODE2/2352\n    PREGAP 00:02:00\n"
                        "    INDEX 01 00:00:00\n");

    for (const char* cue : {"lesson.cue", "two files.cue", "pregap.cue"}) {
        SCOPED_TRACE(cue);
        const Contents c = contentsOf(dir + QString::fromUtf8(cue));
        EXPECT_EQ(c.picture, reference.picture);
        EXPECT_EQ(c.clip, reference.clip);
    }
}

// A data CD ripped as MODE1/2048 (the ISO's own sectors) or MODE1/2352 (raw
// sectors, the data 16 bytes in).
TEST(DiscCue, Mode1DataTracks) {
    SKIP_WITHOUT("xorriso");
    fixture::DiscFixture disc;
    const QByteArray picture = disctest::noise(5000, 4);
    disc.write(QStringLiteral("IMAGE/PLAY.JPG"), picture);
    fixture::ImageFixture images;
    const QString iso = images.makePlainIso(disc.path());
    ASSERT_FALSE(iso.isEmpty()) << images.error().toStdString();
    disctest::writeFile(images.path() + "raw.img", disctest::toRawMode1(disctest::readFile(iso)));
    const struct {
        const char* file;
        const char* mode;
    } cases[] = {{"plain.iso", "MODE1/2048"}, {"raw.img", "MODE1/2352"}};
    for (const auto& c : cases) {
        disctest::writeFile(images.path() + "data.cue", QByteArray("FILE \"") + c.file + "\" BINARY\r\n  TRACK 01 " +
                                                            c.mode + "\r\n    INDEX 01 00:00:00\r\n");
        QString why;
        auto image = Image::open(images.path() + "data.cue", &why);
        ASSERT_TRUE(image) << c.mode << ": " << why.toStdString();
        QByteArray out;
        EXPECT_TRUE(image->readAll(QStringLiteral("image/play.jpg"), out, 1 << 20));
        EXPECT_EQ(out, picture) << c.mode;
    }
}

TEST(DiscCue, BadSheetsGiveReasons) {
    fixture::ImageFixture images;
    const QString dir = images.path();
    const struct {
        const char* text;
        const char* reason;
    } cases[] = {
        {"FILE \"GONE.BIN\" BINARY\n  TRACK 01 MODE2/2352\n    INDEX 01 00:00:00\n",
         "the .bin file named by the cue sheet is missing: GONE.BIN"},
        {"REM nothing\n", "the cue sheet names no FILE"},
        {"TRACK 01 MODE1/2048\n", "the cue sheet has a TRACK before any FILE"},
        {"FILE \"x.bin\" BINARY\n  TRACK 01 MODE9/1234\n", "the cue sheet has a track of a kind not supported: MODE9/1234"},
        {"FILE \"x.bin\" BINARY\n  TRACK 01 MODE1/2048\n    INDEX 01 00:99:00\n",
         "the cue sheet has a malformed time: INDEX 01 00:99:00"},
    };
    for (const auto& c : cases) {
        disctest::writeFile(dir + QStringLiteral("bad.cue"), c.text);
        QString why;
        EXPECT_FALSE(Image::open(dir + QStringLiteral("bad.cue"), &why));
        EXPECT_EQ(why, QString::fromUtf8(c.reason));
    }
}
