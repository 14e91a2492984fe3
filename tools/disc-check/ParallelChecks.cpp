#include "ParallelChecks.h"

#include "DiscAccess.h"
#include "ReportFormat.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>
#include <QSet>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace disccheck {

namespace {

enum class Outcome { Clean, Errors, Unreadable, Failed };

struct DiscRun {
    QString disc;
    QStringList arguments;
    Outcome outcome = Outcome::Unreadable;
    QString why;  // for Unreadable and Failed
    QByteArray out;
    QByteArray err;
};

void Print(FILE* stream, const QByteArray& bytes) {
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream);
    std::fflush(stream);
}

// Each disc's maps go into a subfolder of the map folder named after the disc.
QStringList MapFolders(const QString& mapFolder, const QStringList& discs) {
    QStringList folders;
    QSet<QString> used;
    for (const QString& disc : discs) {
        QString name = QFileInfo(QDir::cleanPath(QDir(disc).absolutePath())).fileName();
        if (name.isEmpty()) name = QStringLiteral("disc");
        QString unique = name;
        for (int n = 2; used.contains(unique); ++n) unique = QStringLiteral("%1-%2").arg(name).arg(n);
        used.insert(unique);
        folders.append(QDir(mapFolder).filePath(unique));
    }
    return folders;
}

// Runs the children, at most jobs at a time, until every one has ended.
void RunChildren(std::vector<DiscRun>& runs, int jobs, const QProcessEnvironment& environment) {
    std::vector<size_t> waiting;
    for (size_t i = 0; i < runs.size(); ++i)
        if (runs[i].outcome != Outcome::Unreadable) waiting.push_back(i);
    size_t next = 0;
    size_t ended = 0;
    int running = 0;
    QEventLoop loop;
    std::vector<std::unique_ptr<QProcess>> processes(runs.size());

    std::function<void()> startMore = [&] {
        while (running < jobs && next < waiting.size()) {
            const size_t i = waiting[next++];
            auto& process = processes[i];
            process = std::make_unique<QProcess>();
            process->setProcessEnvironment(environment);
            // finished and errorOccurred may both come for one child: the first counts.
            auto done = std::make_shared<bool>(false);
            auto finish = [&, i, done](Outcome outcome, const QString& why) {
                if (*done) return;
                *done = true;
                DiscRun& run = runs[i];
                run.outcome = outcome;
                run.why = why;
                run.out = processes[i]->readAllStandardOutput();
                run.err = processes[i]->readAllStandardError();
                --running;
                ++ended;
                if (ended == waiting.size())
                    loop.quit();
                else
                    startMore();
            };
            QObject::connect(process.get(), &QProcess::finished, [finish](int code, QProcess::ExitStatus status) {
                if (status != QProcess::NormalExit)
                    finish(Outcome::Failed, QStringLiteral("the check ended abnormally"));
                else
                    finish(code == 0 ? Outcome::Clean : code == 1 ? Outcome::Errors : Outcome::Unreadable, {});
            });
            QObject::connect(process.get(), &QProcess::errorOccurred, [&, i, finish](QProcess::ProcessError error) {
                if (error == QProcess::FailedToStart)
                    finish(Outcome::Failed,
                           QStringLiteral("the check could not be started: ") + processes[i]->errorString());
            });
            ++running;
            process->start(QCoreApplication::applicationFilePath(), runs[i].arguments);
        }
    };
    if (waiting.empty()) return;
    startMore();
    loop.exec();
}

}  // namespace

int CheckDiscsInParallel(const CheckOptions& options) {
    const int jobs = options.jobs > 0 ? options.jobs : std::max(1, QThread::idealThreadCount());
    const QStringList mapFolders = options.mapFolder.isEmpty() ? QStringList() : MapFolders(options.mapFolder, options.discs);

    std::vector<DiscRun> runs;
    for (qsizetype i = 0; i < options.discs.size(); ++i) {
        DiscRun run;
        run.disc = options.discs[i];
        if (CanOpenDisc(run.disc, &run.why)) {
            run.outcome = Outcome::Clean;  // until the child says otherwise
            if (options.json) run.arguments << QStringLiteral("--json");
            if (options.media) run.arguments << QStringLiteral("--media");
            if (!mapFolders.isEmpty()) run.arguments << QStringLiteral("--map") << mapFolders[i];
            run.arguments << QStringLiteral("--") << run.disc;
        }
        runs.push_back(run);
    }

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (options.json) environment.insert(QString::fromLatin1(kJsonLinesVariable), QStringLiteral("1"));
    RunChildren(runs, jobs, environment);

    int clean = 0, errors = 0, unreadable = 0;
    for (const DiscRun& run : runs) {
        Print(stdout, run.out);
        Print(stderr, run.err);
        switch (run.outcome) {
        case Outcome::Clean: ++clean; break;
        case Outcome::Errors: ++errors; break;
        case Outcome::Unreadable:
            ++unreadable;
            // The child, when it found the disc unreadable itself, has said why.
            if (run.why.isEmpty()) {
                if (options.json)
                    Print(stdout, FormatJsonFailureLine(run.disc, QStringLiteral("unreadable"),
                                                        QString::fromUtf8(run.err).trimmed()));
                break;
            }
            Print(stderr, QStringLiteral("disc-check: %1: %2\n").arg(run.disc, run.why).toUtf8());
            if (options.json) Print(stdout, FormatJsonFailureLine(run.disc, QStringLiteral("unreadable"), run.why));
            break;
        case Outcome::Failed:
            ++errors;
            Print(stderr, QStringLiteral("disc-check: %1: %2\n").arg(run.disc, run.why).toUtf8());
            if (options.json) Print(stdout, FormatJsonFailureLine(run.disc, QStringLiteral("failed"), run.why));
            break;
        }
    }
    Print(stderr, QStringLiteral("%1 discs: %2 with errors, %3 cannot be read, %4 without errors.\n")
                      .arg(runs.size())
                      .arg(errors)
                      .arg(unreadable)
                      .arg(clean)
                      .toUtf8());
    if (unreadable > 0) return 2;
    return errors > 0 ? 1 : 0;
}

}  // namespace disccheck
