#pragma once
// A Video CD 2.0 made by vcdimager for the tests: AUTORUN.INF and two
// pictures in its ISO file system, and a 1.6-second lesson clip as
// MPEGAV/AVSEQ01.DAT (Form 2 sectors).
#include "DiscTestFiles.h"
#include "support/DiscFixture.h"
#include "support/ImageFixture.h"

namespace disctest {

struct VideoCdDisc {
    fixture::DiscFixture folder;
    fixture::ImageFixture images;
    QByteArray picture = noise(5000, 1);  // IMAGE/PLAY.JPG: two sectors and a bit
    QString clip;                         // the MPEG-1 stream given to vcdimager
    QString cue;                          // videocd.cue beside videocd.bin

    // False when a tool failed (error() says why).
    bool make(bool sector2336 = false) {
        folder.write(QStringLiteral("AUTORUN.INF"), "[main]\r\nheader=\r\n");
        folder.write(QStringLiteral("IMAGE/PLAY.JPG"), picture);
        folder.write(QStringLiteral("IMAGE/BACK.BMP"), noise(9000, 2));
        clip = images.makeVideoCdClip();
        if (clip.isEmpty()) return false;
        cue = images.makeVideoCd(folder.path(), clip, QStringLiteral("videocd"), sector2336);
        return !cue.isEmpty();
    }
    QString bin() const { return images.path() + QStringLiteral("videocd.bin"); }
    QString error() const { return images.error(); }
};

}  // namespace disctest

#define MAKE_VIDEO_CD(disc, ...)                                              \
    SKIP_WITHOUT("vcdimager");                                                \
    SKIP_WITHOUT("ffmpeg");                                                   \
    ASSERT_TRUE(disc.make(__VA_ARGS__)) << disc.error().toStdString()
