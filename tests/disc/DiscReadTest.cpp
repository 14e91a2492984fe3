// Reading files from each kind of image: pictures byte for byte, and a Video
// CD's Form 2 clip as the MPEG stream its payloads carry.
#include "disc/DiscImage.h"
#include "VideoCdDisc.h"
#include <QFile>
#include <gtest/gtest.h>

using disc::Image;
using disctest::VideoCdDisc;

namespace {

constexpr int kPayload = 2324;

std::unique_ptr<Image> openOrFail(const QString& path) {
    QString why;
    auto image = Image::open(path, &why);
    EXPECT_TRUE(image) << path.toStdString() << ": " << why.toStdString();
    return image;
}

QByteArray readThroughStream(disc::ClipStream& stream, int64_t chunk) {
    QByteArray out;
    QByteArray buffer(qsizetype(chunk), '\0');
    for (;;) {
        const int64_t got = stream.read(buffer.data(), chunk);
        if (got <= 0) {
            EXPECT_EQ(got, 0);
            break;
        }
        out.append(buffer.constData(), qsizetype(got));
    }
    return out;
}

}  // namespace

TEST(DiscRead, PictureByteExactFromIsoImages) {
    SKIP_WITHOUT("xorriso");
    fixture::DiscFixture disc;
    const QByteArray picture = disctest::noise(7000, 3);
    disc.write(QStringLiteral("image/play.jpg"), picture);
    disc.write(QStringLiteral("AUTORUN.INF"), "[main]\r\n");
    fixture::ImageFixture images;
    for (const QString& iso : {images.makeJolietIso(disc.path()), images.makePlainIso(disc.path())}) {
        ASSERT_FALSE(iso.isEmpty()) << images.error().toStdString();
        auto image = openOrFail(iso);
        ASSERT_TRUE(image);
        QByteArray out;
        EXPECT_TRUE(image->readAll(QStringLiteral("IMAGE\\PLAY.JPG"), out, 1 << 20));
        EXPECT_EQ(out, picture) << iso.toStdString();
        EXPECT_FALSE(image->readAll(QStringLiteral("IMAGE\\PLAY.JPG"), out, 6999)) << "larger than allowed";
        EXPECT_FALSE(image->readAll(QStringLiteral("IMAGE"), out, 1 << 20)) << "a folder";
        EXPECT_TRUE(image->problems().empty());
    }
}

// The same Video CD as a cue sheet with 2,352-byte sectors, its .bin alone,
// and a cue sheet with 2,336-byte sectors.
TEST(DiscRead, VideoCdPictureAndForm2ClipFromEachLayout) {
    for (bool sector2336 : {false, true}) {
        VideoCdDisc vcd;
        MAKE_VIDEO_CD(vcd, sector2336);
        QStringList paths{vcd.cue};
        if (!sector2336) paths << vcd.bin();
        QByteArray first;
        for (const QString& path : paths) {
            SCOPED_TRACE(path.toStdString());
            auto image = openOrFail(path);
            ASSERT_TRUE(image);
            QByteArray out;
            EXPECT_TRUE(image->readAll(QStringLiteral("image/play.jpg"), out, 1 << 20));
            EXPECT_EQ(out, vcd.picture);
            EXPECT_FALSE(image->stat(QStringLiteral("image/play.jpg")).form2);
            EXPECT_TRUE(image->stat(QStringLiteral("AUTORUN.INF")).exists);

            const disc::NodeInfo clip = image->stat(QStringLiteral("mpegav\\avseq01.dat"));
            ASSERT_TRUE(clip.exists);
            EXPECT_TRUE(clip.form2);
            EXPECT_GT(clip.size, 0);
            EXPECT_EQ(clip.size % kPayload, 0);
            ASSERT_TRUE(image->readAll(QStringLiteral("MPEGAV/AVSEQ01.DAT"), out, 1 << 24));
            ASSERT_EQ(out.size(), clip.size);
            // An MPEG program stream: a pack header at the start of one of the first payloads.
            const qsizetype pack = out.indexOf(QByteArray("\x00\x00\x01\xBA", 4));
            EXPECT_GE(pack, 0);
            EXPECT_LT(pack, 40 * kPayload);
            EXPECT_EQ(pack % kPayload, 0);
            // vcdimager carries the clip's packs over unchanged, one per payload.
            const qsizetype clipAt = out.indexOf(disctest::readFile(vcd.clip));
            EXPECT_GE(clipAt, 0);
            EXPECT_EQ(clipAt % kPayload, 0);
            if (first.isEmpty()) first = out;
            EXPECT_EQ(out, first) << "every layout gives the same payloads";
        }
    }
}

TEST(DiscRead, StreamSeeksAndReadsLikeAWholeRead) {
    VideoCdDisc vcd;
    MAKE_VIDEO_CD(vcd);
    auto image = openOrFail(vcd.cue);
    ASSERT_TRUE(image);
    QByteArray whole;
    ASSERT_TRUE(image->readAll(QStringLiteral("MPEGAV/AVSEQ01.DAT"), whole, 1 << 24));
    auto stream = image->openStream(QStringLiteral("mpegav/AVSEQ01.dat"));
    ASSERT_TRUE(stream);
    EXPECT_EQ(stream->size(), whole.size());
    EXPECT_EQ(readThroughStream(*stream, 10007), whole);  // reads that cross sectors unevenly

    for (int64_t at : {int64_t(0), int64_t(12345), int64_t(kPayload), int64_t(whole.size()) - 100}) {
        ASSERT_TRUE(stream->seek(at));
        QByteArray part(3000, '\0');
        const int64_t got = stream->read(part.data(), part.size());
        ASSERT_EQ(got, std::min<int64_t>(3000, whole.size() - at));
        EXPECT_EQ(part.left(qsizetype(got)), whole.mid(qsizetype(at), qsizetype(got))) << at;
    }
    ASSERT_TRUE(stream->seek(whole.size()));
    char c;
    EXPECT_EQ(stream->read(&c, 1), 0);
    EXPECT_FALSE(stream->seek(whole.size() + 1));
    EXPECT_FALSE(stream->seek(-1));
    EXPECT_FALSE(stream->failed());

    // A Form 1 file streams as its bytes.
    auto picture = image->openStream(QStringLiteral("IMAGE/PLAY.JPG"));
    ASSERT_TRUE(picture);
    EXPECT_EQ(readThroughStream(*picture, 999), vcd.picture);
    EXPECT_FALSE(image->openStream(QStringLiteral("IMAGE")));
    EXPECT_FALSE(image->openStream(QStringLiteral("IMAGE/NONE.JPG")));
}
