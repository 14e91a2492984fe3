// The player started with a disc as its argument, as its own process on the
// offscreen platform: a disc image is read as the folder it was made from,
// and a disc that cannot be opened ends the player with one message naming it.
#include "PlayerProcess.h"
#include "support/DiscFixture.h"
#include "support/ImageFixture.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

PlayerRun startPlayer(const QString& disc) { return RunPlayer(QStringLiteral(AUTORUN_BINARY), {disc}); }

}  // namespace

// The start-up check of intro files looks inside the image, and the message
// names the image's own path followed by the path inside it.
TEST(DiscArgument, MissingIntroFileInsideAnImageIsNamedByTheImagePath) {
    fixture::DiscFixture disc;
    disc.writeIni(fixture::IniBuilder().section("main").key("header", "intro\\a.jpg,intro\\b.wmv").key("face", "f.jpg").bytes());
    disc.writePicture("INTRO/A.JPG", 8, 8);
    if (!fixture::ImageFixture::haveTool("xorriso")) GTEST_SKIP() << "xorriso is missing";
    fixture::ImageFixture images;
    const QString iso = images.makeJolietIso(disc.path(), QString::fromUtf8("课程 一.iso"));
    ASSERT_FALSE(iso.isEmpty()) << images.error().toStdString();

    const PlayerRun run = startPlayer(iso);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.errors.contains(QString::fromUtf8("错误: 未找到文件\r\n") + iso + "/intro/b.wmv，请插入光盘重试。"))
        << run.errors.toStdString();
}

TEST(DiscArgument, ADiscThatCannotBeOpenedGivesOneMessageNamingItAndExitStatusOne) {
    QTemporaryDir dir;
    const QString base = dir.path() + QLatin1Char('/');
    QDir().mkpath(base + "empty folder");
    auto write = [&](const QString& name, const QByteArray& bytes) {
        QFile f(base + name);
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
    };
    write("random.iso", QByteArray(300 * 1024, '\x5a'));
    write("lost.cue", "FILE \"lost.bin\" BINARY\r\n  TRACK 01 MODE2/2352\r\n    INDEX 01 00:00:00\r\n");
    fixture::DiscFixture disc;
    disc.writeIni("[main]\r\nheader=\r\n");
    fixture::ImageFixture images;
    const QString wholeIso = fixture::ImageFixture::haveTool("xorriso") ? images.makeJolietIso(disc.path()) : QString();
    const bool haveIso = !wholeIso.isEmpty();
    if (haveIso) {
        QFile whole(wholeIso);
        whole.open(QIODevice::ReadOnly);
        write("cut.iso", whole.read(17 * 2048));  // the volume descriptors, not the directory
    }

    const struct {
        QString disc;
        const char* reason;  // a word of the reason
    } cases[] = {
        {base + "nothing here", "no such"},
        {base + "empty folder", "AUTORUN.INF"},
        {base + "random.iso", "ISO 9660"},
        {base + "lost.cue", "lost.bin"},
        {base + "cut.iso", "end"},
    };
    for (const auto& c : cases) {
        if (c.disc.endsWith("cut.iso") && !haveIso) continue;
        const PlayerRun run = startPlayer(c.disc);
        EXPECT_EQ(run.exitCode, 1) << c.disc.toStdString();
        EXPECT_EQ(run.errors.count(QString::fromUtf8("无法打开光盘：") + c.disc), 1) << run.errors.toStdString();
        EXPECT_TRUE(run.errors.contains(QLatin1String(c.reason), Qt::CaseInsensitive)) << run.errors.toStdString();
    }
}
