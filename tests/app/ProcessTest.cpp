// The player copied into a disc folder and started as its own process, from
// another working directory, on the offscreen platform: the outcomes of
// start-up that end the process.
#include "PlayerProcess.h"
#include "support/DiscFixture.h"
#include <QFile>
#include <gtest/gtest.h>

namespace {

PlayerRun startPlayer(fixture::DiscFixture& disc) {
    const QString player = disc.filePath("autorun");
    QFile::copy(QStringLiteral(AUTORUN_BINARY), player);
    QFile::setPermissions(player, QFile::ReadOwner | QFile::ExeOwner);
    return RunPlayer(player, {});
}

}  // namespace

TEST(PlayerProcess, MissingSecondIntroFileShowsItsPathAndEnds) {
    fixture::DiscFixture disc;
    disc.writeIni(fixture::IniBuilder().section("main").key("header", "a.jpg,b.wmv,c.jpg").key("face", "f.jpg").bytes());
    disc.writePicture("a.jpg", 8, 8);
    disc.writePicture("c.jpg", 8, 8);
    const PlayerRun run = startPlayer(disc);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.errors.contains(QString::fromUtf8("错误: 未找到文件\r\n") + disc.path() + "b.wmv，请插入光盘重试。"))
        << run.errors.toStdString();
}

TEST(PlayerProcess, FailuresStartUpCannotHandleEndWithAReportAndExitCodeOne) {
    struct Case {
        const char* name;
        QByteArray ini;
        const char* reported;
    };
    const Case cases[] = {
        {"repeated menu key",
         "[main]\r\nheader=\r\nface=f.jpg\r\n[menu]\r\n1list=1,2,3,4,#url,x\r\n1LIST=1,2,3,4,#url,y\r\n", "1LIST"},
        {"line without =", "[main]\r\nheader=\r\nface=f.jpg\r\n[menu]\r\n1list 1,2,3,4 #url,x\r\n", "1list 1,2,3,4"},
        {"skin picture missing", "[main]\r\nheader=\r\nface=f.jpg\r\n", "player.bmp"},
    };
    for (const Case& c : cases) {
        fixture::DiscFixture disc;
        disc.writeIni(c.ini);
        const PlayerRun run = startPlayer(disc);
        EXPECT_EQ(run.exitCode, 1) << c.name;
        EXPECT_TRUE(run.errors.contains("error")) << c.name << ": " << run.errors.toStdString();
        EXPECT_TRUE(run.errors.contains(QString::fromUtf8(c.reported))) << c.name << ": " << run.errors.toStdString();
    }
}
