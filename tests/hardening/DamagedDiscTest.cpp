// Damaged discs on the simulated platform: the whole player, from start-up
// through the intro, the menu, a lesson with every button used, the closing
// question and the outro to the program's end, on discs that miss a skin
// picture or carry an unusual AUTORUN.INF. Every run has a budget of virtual
// time; no run may crash or hang.
#include "hardening/PlayerRun.h"
#include "player/OpenMainWindow.h"
#include "support/DiscFixture.h"
#include "support/SimMediaGraph.h"
#include "support/SimPlatform.h"
#include "support/SkinFixture.h"
#include "ui/Guard.h"
#include <QDir>
#include <QFile>
#include <QStringConverter>
#include <gtest/gtest.h>

namespace {

using hardening::PlayerRun;

PlayerRun::Wait virtualWait(sim::SimPlatform& sim) {
    return [&sim](const std::function<bool()>& done, double seconds) {
        for (double t = 0; t < seconds && !done() && !sim.exitCode; t += 0.05) ui::Guarded([&] { sim.advance(0.05); });
        return done();
    };
}

class DamagedDisc : public ::testing::Test {
protected:
    // A disc with an intro picture and an intro video (so that the black
    // picture behind videos is needed), a lesson and an outro clip.
    void writeFullDisc() {
        hardening::writeDisc(disc, "intro.jpg,intro.wmv", "outro.wmv", {"lesson,lesson.wmv"});
        disc.writePicture("intro.jpg", 320, 240, Qt::red);
        for (const char* clip : {"intro.wmv", "lesson.wmv", "outro.wmv"})
            sim::writeSimClip(disc.filePath(QString::fromLatin1(clip)), 1.0);
    }

    // Start-up to the program's end, using every part of the skin on the way;
    // stops where the program would have ended.
    void playThrough(PlayerRun& run) {
        sim.onModal = hardening::answerOk;
        const auto ended = [&] { return sim.exitCode.has_value() || run.ended(); };
        run.start();
        if (ended() || !run.wait([&] { return run.menuShown(); }, 10)) return;
        ui::Guarded([&] { run.hoverEverything(); });
        if (ended()) return;
        ui::Guarded([&] { run.clickLesson(); });
        lessonStarted = run.lessonPlaying();
        if (ended()) return;
        ui::Guarded([&] { run.useTransport(); });
        if (ended() || !run.wait([&] { return run.menuShown(); }, 10)) return;
        ui::Guarded([&] { run.close(); });
        run.wait(ended, 10);
    }

    sim::SimPlatform sim;
    fixture::DiscFixture disc;
    bool lessonStarted = false;
};

TEST_F(DamagedDisc, IntactDiscPlaysFromStartToEnd) {
    writeFullDisc();
    PlayerRun run(disc, virtualWait(sim));
    playThrough(run);
    EXPECT_TRUE(run.ended());
    EXPECT_TRUE(lessonStarted);
    EXPECT_EQ(run.introsOpened, 1);
    EXPECT_EQ(run.outrosOpened, 1);
    EXPECT_TRUE(sim.errorReports.empty()) << sim.errorReports.front().toStdString();
    EXPECT_TRUE(sim.messages.empty());
    EXPECT_FALSE(sim.exitCode.value_or(0));
}

// Each skin picture missing, or replaced by bytes that are no picture, in
// turn: an error report that names it, and exit code 1, at the moment the
// picture is first needed.
TEST_F(DamagedDisc, EachMissingOrUnreadableSkinPictureEndsWithAReportNamingIt) {
    writeFullDisc();
    QByteArray noPicture(3000, 0);
    for (int i = 0; i < noPicture.size(); ++i) noPicture[i] = char((i * 7919 + 13) % 251);
    for (const bool missing : {true, false}) {
        for (const QString& name : fixture::skinFiles()) {
            SCOPED_TRACE((missing ? "missing " : "unreadable ") + name.toStdString());
            const QString path = disc.filePath(name);
            QFile saved(path);
            ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
            const QByteArray bytes = saved.readAll();
            saved.close();
            if (missing) ASSERT_TRUE(QFile::remove(path));
            else disc.write(name, noPicture);
            sim.errorReports.clear();
            sim.messages.clear();
            sim.exitCode.reset();
            {
                PlayerRun run(disc, virtualWait(sim));
                playThrough(run);
            }
            const QString file = name.section('\\', -1);
            // The first report ends the real process; the simulated one runs on.
            ASSERT_FALSE(sim.errorReports.empty());
            EXPECT_TRUE(sim.errorReports[0].contains(file, Qt::CaseInsensitive)) << sim.errorReports[0].toStdString();
            EXPECT_EQ(sim.exitCode, 1);
            disc.write(name, bytes);
        }
    }
}

QByteArray utf16(const QByteArray& utf8, QStringConverter::Encoding encoding) {
    QStringEncoder encode(encoding, QStringConverter::Flag::WriteBom);
    return encode(QString::fromUtf8(utf8));
}

// AUTORUN.INF in other encodings and line ends plays as the plain one; an
// empty one, or a folder in its place, has no intro list: the message for the
// missing intro names "Default Caption" and no window opens.
TEST_F(DamagedDisc, AutorunInfVariants) {
    const QByteArray plain = hardening::discIni("intro.jpg,intro.wmv", "outro.wmv", {"lesson,lesson.wmv"});
    QByteArray crOnly = plain;
    crOnly.replace("\r\n", "\r");
    struct Case {
        const char* name;
        QByteArray bytes;
        bool folder;
        bool plays;
        const char* fileName = "AUTORUN.INF";
    };
    const Case cases[] = {
        {"UTF-16 LE with its mark", utf16(plain, QStringConverter::Utf16LE), false, true},
        {"UTF-16 BE with its mark", utf16(plain, QStringConverter::Utf16BE), false, true},
        {"UTF-8 with its mark", "\xEF\xBB\xBF" + plain, false, true},
        {"CR line ends", crOnly, false, true},
        {"LF line ends", QByteArray(plain).replace("\r\n", "\n"), false, true},
        {"named in lower case", plain, false, true, "autorun.inf"},
        {"empty", QByteArray(), false, false},
        {"random bytes", QByteArray(4096, '\x9c') + QByteArray("\r\n[mai\xff]\r\nheader\x00=x\r\n", 20), false, false},
        {"a folder in its place", QByteArray(), true, false},
    };
    writeFullDisc();
    QFile::remove(disc.filePath("AUTORUN.INF"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.folder) disc.mkdir(c.fileName);
        else disc.write(c.fileName, c.bytes);
        sim.errorReports.clear();
        sim.messages.clear();
        sim.exitCode.reset();
        lessonStarted = false;
        PlayerRun run(disc, virtualWait(sim));
        playThrough(run);
        EXPECT_TRUE(run.ended());
        EXPECT_TRUE(sim.errorReports.empty()) << sim.errorReports.front().toStdString();
        EXPECT_FALSE(sim.exitCode.value_or(0));
        if (c.plays) {
            EXPECT_TRUE(sim.messages.empty());
            EXPECT_TRUE(lessonStarted);
            EXPECT_EQ(run.introsOpened, 1);
            EXPECT_EQ(run.outrosOpened, 1);
        } else {
            ASSERT_EQ(sim.messages.size(), 1u);
            EXPECT_EQ(sim.messages[0].text, QString::fromUtf8("未找到文件\r\n") + disc.path() +
                                                QString::fromUtf8("Default Caption，请插入光盘重试。"));
            EXPECT_EQ(run.introsOpened, 0);
            EXPECT_FALSE(MainFormExists());
        }
        if (c.folder) QDir(disc.filePath(c.fileName)).removeRecursively();
        else QFile::remove(disc.filePath(c.fileName));
    }
}

}  // namespace
