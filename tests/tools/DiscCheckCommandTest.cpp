// The disc-check command: several discs in child processes with their reports
// in the order given, JSON Lines, the summary, --media on real and broken
// clips, and the command-line conventions.
#include "DiscPlan.h"
#include "support/RealMedia.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <gtest/gtest.h>

using discplan::DiscPlan;
using fixture::DiscFixture;

namespace {

struct CommandRun {
    int status = -1;
    QByteArray out;
    QByteArray err;
};

CommandRun DiscCheck(const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral(DISC_CHECK_PATH), args);
    if (!p.waitForFinished(120000)) {
        p.kill();
        p.waitForFinished();
        return {};
    }
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2, p.readAllStandardOutput(),
            p.readAllStandardError()};
}

TEST(DiscCheckCommand, SeveralDiscsGiveOneJsonLineEachInTheOrderGiven) {
    DiscFixture good, bad;
    discplan::WriteDisc(good, DiscPlan{});
    DiscPlan broken;
    broken.header = "missing.wmv";
    discplan::WriteDisc(bad, broken);
    const QString missing = good.path() + "no-such-folder";

    const CommandRun run = DiscCheck({"--json", "--jobs", "2", bad.path(), missing, good.path()});
    EXPECT_EQ(run.status, 2) << run.err.toStdString();
    const QList<QByteArray> lines = run.out.trimmed().split('\n');
    ASSERT_EQ(lines.size(), 3) << run.out.toStdString();
    const QString discs[] = {bad.path(), missing, good.path()};
    for (int i = 0; i < 3; ++i) {
        const QJsonDocument line = QJsonDocument::fromJson(lines[i]);
        ASSERT_TRUE(line.isObject()) << lines[i].toStdString();
        EXPECT_EQ(line.object().value("disc").toString(), discs[i]);
    }
    EXPECT_TRUE(lines[0].contains("\"missing.wmv\"")) << lines[0].toStdString();
    EXPECT_TRUE(QJsonDocument::fromJson(lines[1]).object().contains("unreadable"));
    EXPECT_TRUE(QJsonDocument::fromJson(lines[2]).object().value("problems").toArray().isEmpty());
    EXPECT_TRUE(run.err.contains("3 discs: 1 with errors, 1 cannot be read, 1 without errors.")) << run.err.toStdString();
}

TEST(DiscCheckCommand, SeveralDiscsInTextComeOneReportAfterAnother) {
    DiscFixture good, bad;
    discplan::WriteDisc(good, DiscPlan{});
    DiscPlan broken;
    broken.header = "missing.wmv";
    discplan::WriteDisc(bad, broken);
    const CommandRun run = DiscCheck({good.path(), bad.path(), good.path()});
    EXPECT_EQ(run.status, 1);
    const QByteArray goodHeader = "disc-check " + good.path().toUtf8();
    const qsizetype first = run.out.indexOf(goodHeader);
    const qsizetype second = run.out.indexOf("disc-check " + bad.path().toUtf8());
    const qsizetype third = run.out.lastIndexOf(goodHeader);
    EXPECT_TRUE(first == 0 && first < second && second < third) << run.out.toStdString();
    EXPECT_TRUE(run.err.contains("3 discs: 1 with errors, 0 cannot be read, 2 without errors.")) << run.err.toStdString();
}

TEST(DiscCheckCommand, MediaReportsClipsThatCannotBePlayed) {
    if (fixture::FfmpegPath().isEmpty()) GTEST_SKIP() << "ffmpeg is not installed";
    DiscFixture disc;
    discplan::WriteDisc(disc, DiscPlan{});  // a.wmv and unit1\b.wmv hold text, not video
    ASSERT_TRUE(fixture::RunFfmpeg({"-f", "lavfi", "-i", "testsrc=size=64x48:rate=10:duration=1", "-c:v", "wmv2",
                                    disc.filePath("unit1\\a.wmv")}));
    const CommandRun plain = DiscCheck({disc.path()});
    EXPECT_EQ(plain.status, 0) << plain.out.toStdString();

    const CommandRun media = DiscCheck({"--media", disc.path()});
    EXPECT_EQ(media.status, 1);
    const QString report = QString::fromUtf8(media.out);
    EXPECT_TRUE(report.contains("error   [main] header: The clip \"a.wmv\" cannot be played")) << report.toStdString();
    EXPECT_TRUE(report.contains("error   [menu] 4list: The clip \"unit1\\b.wmv\" cannot be played"))
        << report.toStdString();
    EXPECT_FALSE(report.contains("unit1\\a.wmv")) << report.toStdString();
}

TEST(DiscCheckCommand, HelpVersionAndUsageErrors) {
    const CommandRun help = DiscCheck({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.startsWith("usage: disc-check [--json] [--map OUT_FOLDER] [--jobs N] [--media] DISC...\n"));
    EXPECT_TRUE(help.err.isEmpty());
    const CommandRun version = DiscCheck({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, QByteArray("disc-check " AUTORUN_VERSION "\n"));
    for (const QStringList& args : {QStringList{"--jobs", "0", "x"}, QStringList{"--jobs"}, QStringList{"--bogus", "x"},
                                    QStringList{}}) {
        const CommandRun run = DiscCheck(args);
        EXPECT_EQ(run.status, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_TRUE(run.err.contains("\nusage: disc-check")) << run.err.toStdString();
    }
}

}  // namespace
