// Targets handed to the desktop's opener by the real platform: whatever a disc
// writes into a target (shell metacharacters, quotes, spaces, a leading "-")
// must reach the opener as one argument and never pass through a shell.
//
// A fake `xdg-open` on PATH records its arguments NUL-separated; a `canary`
// program on PATH leaves a file behind if anything ever runs it, which only a
// shell reading one of the targets below would do.
//
// What the opener gets (src/player/ShellTarget.h):
//   a file that is on the disc (in any letter case): its real path;
//   "www." without a scheme: the address with "http://" before it;
//   anything else: the target exactly as written.
#include "hardening/PlayerRun.h"
#include "hardening/RealMedia.h"
#include "player/ShellTarget.h"
#include "startup/DiscConfig.h"
#include "support/DiscFixture.h"
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class FakeOpener {
public:
    FakeOpener() : oldPath_(qgetenv("PATH")) {
        const QString bin = dir_.filePath("bin");
        QDir().mkpath(bin);
        script(bin + "/xdg-open",
               "printf '%s\\0' \"$@\" > \"$FAKE_OPENER_LOG.part\"\nmv \"$FAKE_OPENER_LOG.part\" \"$FAKE_OPENER_LOG\"\n");
        script(bin + "/canary", "touch \"$FAKE_OPENER_CANARY\"\n");
        qputenv("PATH", (bin + ":").toLocal8Bit() + oldPath_);
        qputenv("FAKE_OPENER_LOG", log().toLocal8Bit());
        qputenv("FAKE_OPENER_CANARY", canary().toLocal8Bit());
    }
    ~FakeOpener() {
        qputenv("PATH", oldPath_);
        qunsetenv("FAKE_OPENER_LOG");
        qunsetenv("FAKE_OPENER_CANARY");
    }

    QString log() const { return dir_.filePath("argv"); }
    QString canary() const { return dir_.filePath("canary-ran"); }
    void clear() const { QFile::remove(log()); }

    // The arguments of the opener's next run (waits for it), or nothing
    // when it did not run within five seconds.
    std::optional<QStringList> nextArguments() const {
        if (!QTest::qWaitFor([&] { return QFile::exists(log()); }, 5000)) return std::nullopt;
        QFile f(log());
        if (!f.open(QIODevice::ReadOnly)) return std::nullopt;
        const QByteArray bytes = f.readAll();
        QStringList args;
        for (const QByteArray& a : bytes.split('\0')) args << QString::fromLocal8Bit(a);
        args.removeLast();  // after the last NUL
        return args;
    }
    // A shell that misread a target would run the canary around the
    // opener's run; give it that moment.
    bool canaryRan(int waitMs = 200) const {
        return QTest::qWaitFor([&] { return QFile::exists(canary()); }, waitMs);
    }

private:
    static void script(const QString& path, const QByteArray& body) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("#!/bin/sh\n" + body);
        f.close();
        f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    QTemporaryDir dir_;
    QByteArray oldPath_;
};

enum class Gets { AsWritten, DiscFile, Web };

struct TargetCase {
    const char* target;
    Gets gets;
    const char* discFile = "";  // for DiscFile: the file's spelling on disk
};

const TargetCase kTargets[] = {
    {"http://example.com/?a=1;canary&b=$(canary)&c='x'", Gets::AsWritten},
    {"http://example.com/a b?q=\"x\"|canary&`canary`", Gets::AsWritten},
    {"HTTPS://example.com/-o", Gets::AsWritten},
    {"mailto:someone@example.com?subject=$(canary)", Gets::AsWritten},
    {"help/a b.htm", Gets::DiscFile, "help/a b.htm"},
    {"; canary", Gets::AsWritten},
    {"$(canary).htm", Gets::AsWritten},
    {"`canary`.htm", Gets::AsWritten},
    {"x | canary & canary", Gets::AsWritten},
    {"\"double\" 'single'.htm", Gets::AsWritten},
    {"-n", Gets::AsWritten},
    {"help\\index.htm;canary", Gets::AsWritten},
    {"docs\\guide.htm", Gets::DiscFile, "Docs/Guide.htm"},
    {"help\\$(canary) x.htm", Gets::DiscFile, "help/$(canary) x.htm"},
    {"www.example.com/a;canary&$(canary)", Gets::Web},
};

QString expectedArgument(const TargetCase& c, const QString& discFolder) {
    const QString target = QString::fromUtf8(c.target);
    switch (c.gets) {
        case Gets::DiscFile: return discFolder + QString::fromUtf8(c.discFile);
        case Gets::Web: return "http://" + target;
        case Gets::AsWritten: break;
    }
    return target;
}

class ShellTargets : public ::testing::Test {
protected:
    void SetUp() override {
        disc.write("help/a b.htm", "<html></html>");
        disc.write("Docs/Guide.htm", "<html></html>");
        disc.write("help/$(canary) x.htm", "<html></html>");
        startup::SetAppFolder(disc.path());
    }
    void TearDown() override { startup::SetAppFolder(QString()); }

    void expectOneArgument(const TargetCase& c) {
        SCOPED_TRACE(c.target);
        const auto args = opener.nextArguments();
        ASSERT_TRUE(args.has_value()) << "the opener did not run";
        EXPECT_EQ(*args, QStringList{expectedArgument(c, disc.path())}) << args->join("\n|").toStdString();
        EXPECT_FALSE(opener.canaryRan()) << "a shell ran part of the target";
    }

    FakeOpener opener;
    fixture::DiscFixture disc;
    hardening::RecordingPlatform platform;
};

TEST_F(ShellTargets, EachTargetReachesTheOpenerAsOneArgument) {
    for (const TargetCase& c : kTargets) {
        opener.clear();
        OpenShellTarget(QString::fromUtf8(c.target));
        expectOneArgument(c);
    }
}

// The check itself: the same target on a command line read by a shell does
// run the canary.
TEST_F(ShellTargets, AShellReadingTheTargetIsCaught) {
    opener.clear();
    QProcess::startDetached("/bin/sh", {"-c", "xdg-open " + QString::fromUtf8(kTargets[0].target)});
    ASSERT_TRUE(opener.nextArguments().has_value());
    EXPECT_TRUE(opener.canaryRan(3000));
}

// "url" items of a menu page, clicked in the main window of a started player.
TEST_F(ShellTargets, MenuUrlItemsReachTheOpenerAsOneArgument) {
    const TargetCase cases[] = {kTargets[1], kTargets[12], kTargets[8], kTargets[14]};
    QStringList actions;
    for (const TargetCase& c : cases) actions << "url," + QString::fromUtf8(c.target);
    hardening::writeDisc(disc, QString(), QString(), actions);
    hardening::PlayerRun player(disc, hardening::wallClockWait());
    player.start();
    ASSERT_TRUE(player.menuShown());
    for (int n = 1; n <= 4; ++n) {
        opener.clear();
        player.clickLesson(hardening::itemPoint(n));
        expectOneArgument(cases[n - 1]);
    }
}

}  // namespace
