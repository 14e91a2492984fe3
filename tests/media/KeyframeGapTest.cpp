// The keyframe spacing read from a clip's first bytes, on streams that ffmpeg
// makes as discs carry them, and on bytes that are no such stream.
#include "media/CdxaWriter.h"
#include "media/KeyframeGap.h"
#include "media/TestClips.h"
#include <QFile>
#include <QRandomGenerator>
#include <gtest/gtest.h>
#include <string>

namespace {

using mediatest::ClipKind;

mediatest::TestClips& clips() {
    static mediatest::TestClips c;
    return c;
}

std::string bytesOf(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    const QByteArray all = f.readAll();
    return all.toStdString();
}

QStringList testPicture(const char* size, const char* rate, double seconds) {
    return {"-f", "lavfi", "-i", QStringLiteral("testsrc2=s=%1:r=%2:d=%3").arg(size, rate).arg(seconds),
            "-f", "lavfi", "-i", QStringLiteral("sine=d=%1").arg(seconds)};
}

}  // namespace

TEST(KeyframeGap, ReadsTheLongestGroupOfPicturesOfProgramStreams) {
    const QString vcdStream = clips().make("vcd.mpg", testPicture("352x288", "25", 4) << "-target" << "pal-vcd");
    const QString vcdTrack = clips().folder() + "/AVSEQ01.DAT";
    mediatest::writeCdxaFile(vcdStream, vcdTrack);
    const struct {
        const char* what;
        QString path;
        int pictures;
        double rate;
    } cases[] = {
        {"MPEG-1, keyframe every 15", clips().make("g15.mpg", testPicture("320x240", "25", 3) << "-c:v" << "mpeg1video"
                                                                                             << "-g" << "15" << "-f" << "mpeg"),
         15, 25},
        {"MPEG-2 with B pictures at 29.97", clips().make("g18.vob", testPicture("416x240", "30000/1001", 3)
                                                                        << "-c:v" << "mpeg2video" << "-g" << "18" << "-bf"
                                                                        << "2" << "-f" << "vob"),
         18, 30000.0 / 1001},
        {"Video CD stream", vcdStream, 15, 25},
        {"Video CD track in CD sectors", vcdTrack, 15, 25},
        {"keyframes 2.4 s apart", clips().path(ClipKind::LongGroupsMpeg1), 60, 25},
    };
    for (const auto& c : cases) {
        const std::optional<media::KeyframeGap> gap = media::LongestKeyframeGap(bytesOf(c.path));
        ASSERT_TRUE(gap) << c.what;
        EXPECT_EQ(gap->pictures, c.pictures) << c.what;
        EXPECT_DOUBLE_EQ(gap->picturesPerSecond, c.rate) << c.what;
    }
    // A Video CD seek starts 0.91 s before its target, not 1.5 s.
    EXPECT_NEAR(media::SeekLeadFor({15, 25}), 0.91, 1e-9);
}

TEST(KeyframeGap, GivesNothingForOtherBytesAndNeverReadsPastThem) {
    std::string noise(300000, '\0');
    QRandomGenerator random(7);
    for (char& c : noise) c = static_cast<char>(random.bounded(256));
    const std::string mpeg = bytesOf(clips().path(ClipKind::LongGroupsMpeg1));
    const struct {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"nothing", ""},
        {"noise", noise},
        {"a WMV clip", bytesOf(clips().path(ClipKind::Wmv))},
        {"one keyframe only", mpeg.substr(0, 20000)},
        {"start codes without packs", std::string("\0\0\x01\xb3\0\0\x01\0\0\x08\0\0\x01\0\0\x08", 16)},
    };
    for (const auto& c : cases) EXPECT_FALSE(media::LongestKeyframeGap(c.bytes)) << c.what;

    // Cut anywhere (the head read ends where it ends): a gap no longer than
    // the stream's, or none.
    for (size_t cut = 0; cut < mpeg.size(); cut += 1009) {
        const std::optional<media::KeyframeGap> gap = media::LongestKeyframeGap(std::string_view(mpeg).substr(0, cut));
        if (gap) {
            EXPECT_LE(gap->pictures, 60) << cut;
        }
    }
}
