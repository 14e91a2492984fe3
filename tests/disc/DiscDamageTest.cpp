// Damaged and wrong input: truncated images, directories that point past the
// end or back to a parent, a read error in the middle of a clip, files that
// are no image at all, and a cancelled slow read.
#include "disc/DiscImage.h"
#include "disc/DiscTestHooks.h"
#include "VideoCdDisc.h"
#include <QDir>
#include <QFile>
#include <QtEndian>
#include <gtest/gtest.h>
#include <thread>

using disc::Image;
using disctest::VideoCdDisc;

namespace {

constexpr int kRaw = 2352;
const QString kClip = QStringLiteral("MPEGAV/AVSEQ01.DAT");

// The first sector of the Video CD's clip (the second track's INDEX 01).
// The clip starts at the second track's INDEX 01.
int clipSector(const QString& cue) { return disctest::cueIndex(cue, 2, 1); }

}  // namespace

TEST(DiscDamage, TruncatedVideoCd) {
    VideoCdDisc vcd;
    MAKE_VIDEO_CD(vcd);
    const QString cut = vcd.images.path() + QStringLiteral("cut.bin");
    {
        auto whole = Image::open(vcd.bin(), nullptr);
        ASSERT_TRUE(whole);
        const int clip = clipSector(vcd.cue);
        disctest::writeFile(cut, disctest::readFile(vcd.bin()).left(qsizetype(clip + 20) * kRaw));
    }
    QString why;
    auto image = Image::open(cut, &why);
    ASSERT_TRUE(image) << why.toStdString();
    const auto problems = image->problems();
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0].path, kClip);
    EXPECT_EQ(problems[0].message,
              QStringLiteral("the extent of MPEGAV/AVSEQ01.DAT runs past the end of the image (truncated?)"));
    QByteArray out;
    EXPECT_TRUE(image->readAll(QStringLiteral("IMAGE/PLAY.JPG"), out, 1 << 20));
    EXPECT_EQ(out, vcd.picture);
    EXPECT_FALSE(image->readAll(kClip, out, 1 << 24));

    // Read to the point where the image ends: then -1, and failed().
    auto stream = image->openStream(kClip);
    ASSERT_TRUE(stream);
    QByteArray buffer(65536, '\0');
    int64_t total = 0, got = 0;
    while ((got = stream->read(buffer.data(), buffer.size())) > 0) total += got;
    EXPECT_EQ(got, -1);
    EXPECT_TRUE(stream->failed());
    EXPECT_EQ(total, 20 * 2324);

    // Cut inside the volume descriptors: no image at all.
    disctest::writeFile(cut, disctest::readFile(vcd.bin()).left(10 * kRaw));
    EXPECT_FALSE(Image::open(cut, &why));
    EXPECT_FALSE(why.isEmpty());
}

TEST(DiscDamage, ReadErrorInTheMiddleOfAClip) {
    VideoCdDisc vcd;
    MAKE_VIDEO_CD(vcd);
    const QString copy = vcd.images.path() + QStringLiteral("copy.bin");
    ASSERT_TRUE(QFile::copy(vcd.bin(), copy));
    auto image = Image::open(copy, nullptr);
    ASSERT_TRUE(image);
    const int clip = clipSector(vcd.cue);
    auto stream = image->openStream(kClip);
    ASSERT_TRUE(stream);
    QByteArray buffer(10000, '\0');
    ASSERT_EQ(stream->read(buffer.data(), buffer.size()), 10000);

    // The image shrinks under the open stream, as a scratched disc stops answering.
    ASSERT_TRUE(QFile::resize(copy, qint64(clip + 30) * kRaw));
    int64_t got = 0;
    while ((got = stream->read(buffer.data(), buffer.size())) > 0) {}
    EXPECT_EQ(got, -1);
    EXPECT_TRUE(stream->failed());
    EXPECT_EQ(stream->read(buffer.data(), buffer.size()), -1);
}

// A folder's directory record patched to point past the end of the image, or
// back to the root folder.
TEST(DiscDamage, DirectoriesThatPointPastTheEndOrBack) {
    SKIP_WITHOUT("xorriso");
    fixture::DiscFixture disc;
    disc.write(QStringLiteral("IMAGE/PLAY.JPG"), "play");
    disc.write(QStringLiteral("AUTORUN.INF"), "[main]");
    fixture::ImageFixture images;
    const QString iso = images.makePlainIso(disc.path());
    ASSERT_FALSE(iso.isEmpty()) << images.error().toStdString();
    const QByteArray original = disctest::readFile(iso);
    const qsizetype name = original.indexOf("\x05IMAGE");
    ASSERT_GT(name, 32);
    const qsizetype record = name - 32;
    const uint32_t rootExtent = qFromLittleEndian<uint32_t>(original.constData() + 16 * 2048 + 156 + 2);

    const struct {
        uint32_t extent;
        const char* problem;
    } cases[] = {
        {0x00FFFFFF, "the directory of IMAGE runs past the end of the image (truncated?)"},
        {rootExtent, "the folder IMAGE points back to a folder read before"},
    };
    for (const auto& c : cases) {
        QByteArray bytes = original;
        qToLittleEndian(c.extent, bytes.data() + record + 2);
        qToBigEndian(c.extent, bytes.data() + record + 6);
        disctest::writeFile(iso, bytes);
        QString why;
        auto image = Image::open(iso, &why);
        ASSERT_TRUE(image) << why.toStdString();
        ASSERT_EQ(image->problems().size(), 1u);
        EXPECT_EQ(image->problems()[0].message, QString::fromUtf8(c.problem));
        EXPECT_TRUE(image->stat(QStringLiteral("IMAGE")).isDir);
        EXPECT_TRUE(image->list(QStringLiteral("IMAGE")).isEmpty());
        QByteArray out;
        EXPECT_TRUE(image->readAll(QStringLiteral("AUTORUN.INF"), out, 100));
        EXPECT_EQ(out, "[main]");
    }
}

TEST(DiscDamage, FilesThatAreNoImage) {
    fixture::ImageFixture images;
    const QString dir = images.path();
    disctest::writeFile(dir + QStringLiteral("notes.iso"), "just some text\n");
    disctest::writeFile(dir + QStringLiteral("random.bin"), disctest::noise(100000, 7));
    disctest::writeFile(dir + QStringLiteral("empty.img"), QByteArray());
    QDir(dir).mkpath(QStringLiteral("folder.iso"));
    const struct {
        const char* name;
        const char* reason;
    } cases[] = {
        {"notes.iso", "not a disc image: no ISO 9660 volume descriptor and no CD sectors found"},
        {"random.bin", "not a disc image: no ISO 9660 volume descriptor and no CD sectors found"},
        {"empty.img", "the image file is empty"},
    };
    for (const auto& c : cases) {
        QString why;
        EXPECT_FALSE(Image::open(dir + QString::fromUtf8(c.name), &why));
        EXPECT_EQ(why, QString::fromUtf8(c.reason)) << c.name;
        EXPECT_TRUE(Image::looksLikeImage(dir + QString::fromUtf8(c.name)));
    }
    QString why;
    EXPECT_FALSE(Image::looksLikeImage(dir + QStringLiteral("folder.iso")));
    EXPECT_FALSE(Image::open(dir + QStringLiteral("folder.iso"), &why));
    EXPECT_FALSE(why.isEmpty());
    EXPECT_FALSE(Image::looksLikeImage(dir + QStringLiteral("missing.iso")));
    EXPECT_FALSE(Image::open(dir + QStringLiteral("missing.iso"), &why));
    EXPECT_FALSE(why.isEmpty());
}

TEST(DiscDamage, CancelEndsASlowRead) {
    VideoCdDisc vcd;
    MAKE_VIDEO_CD(vcd);
    auto image = Image::open(vcd.cue, nullptr);
    ASSERT_TRUE(image);
    disc::setTestReadDelay(60000);  // a drive that would take a minute a read
    auto stream = image->openStream(kClip);
    disc::setTestReadDelay(0);
    ASSERT_TRUE(stream);
    std::thread canceller([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        stream->cancel();
    });
    char buffer[4096];
    EXPECT_EQ(stream->read(buffer, sizeof buffer), -1);
    canceller.join();
    EXPECT_FALSE(stream->failed()) << "a cancel is not a damaged disc";
}
