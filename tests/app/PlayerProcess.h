#pragma once
// The player as its own process, started from "/" on the offscreen platform:
// how it ended and what it wrote to its error output (where message boxes go
// without a screen).
#include <QProcess>
#include <QString>
#include <QStringList>

struct PlayerRun {
    int exitCode = -1;  // -2 when it crashed, -1 when it did not end in 30 s
    QString errors;
};

inline PlayerRun RunPlayer(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.setWorkingDirectory(QStringLiteral("/"));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    process.setProcessEnvironment(env);
    process.start(program, arguments);
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2,
            QString::fromUtf8(process.readAllStandardError())};
}
