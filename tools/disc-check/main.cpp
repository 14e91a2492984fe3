// disc-check: reads a disc folder as the player would and reports what would
// stop the player, end it later, or surprise a user.
//   disc-check DISC_FOLDER
//   disc-check --json DISC_FOLDER
//   disc-check --map OUT_FOLDER DISC_FOLDER
// Exit status: 0 no error, 1 at least one error, 2 usage or unreadable folder.
#include "DiscReport.h"
#include "MenuMap.h"
#include "ReportFormat.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

int Usage(const char* problem) {
    std::fprintf(stderr,
                 "disc-check: %s\n"
                 "usage: disc-check [--json] [--map OUT_FOLDER] DISC_FOLDER\n",
                 problem);
    return 2;
}

void Print(FILE* stream, const QByteArray& bytes) {
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream);
}

}  // namespace

int main(int argc, char** argv) {
    // Maps are drawn (text included) without any display; the checks need no
    // window system at all.
    bool wantsMap = false;
    for (int i = 1; i < argc; ++i) wantsMap = wantsMap || std::strcmp(argv[i], "--map") == 0;
    if (wantsMap && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    std::unique_ptr<QCoreApplication> app = wantsMap ? std::make_unique<QGuiApplication>(argc, argv)
                                                     : std::make_unique<QCoreApplication>(argc, argv);

    bool json = false;
    QString mapFolder;
    QString discFolder;
    const QStringList args = QCoreApplication::arguments().mid(1);
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("--json")) {
            json = true;
        } else if (a == QLatin1String("--map")) {
            if (++i >= args.size()) return Usage("--map needs an output folder");
            mapFolder = args[i];
        } else if (a == QLatin1String("-h") || a == QLatin1String("--help")) {
            Usage("checks a disc folder before it is played");
            return 0;
        } else if (a.startsWith(QLatin1String("--"))) {
            return Usage("unknown option");
        } else if (discFolder.isEmpty()) {
            discFolder = a;
        } else {
            return Usage("one disc folder only");
        }
    }
    if (discFolder.isEmpty()) return Usage("no disc folder given");
    const QFileInfo info(discFolder);
    if (!info.isDir() || !QDir(discFolder).isReadable() || !info.isExecutable())
        return Usage("the disc folder does not exist or cannot be read");

    const disccheck::DiscReport report = disccheck::CheckDisc(info.absoluteFilePath());
    if (json)
        Print(stdout, disccheck::FormatJson(report));
    else
        Print(stdout, disccheck::FormatText(report).toUtf8());

    if (!mapFolder.isEmpty()) {
        QStringList failures;
        const QStringList written = disccheck::WriteMenuMaps(report, mapFolder, &failures);
        for (const QString& file : written) Print(stderr, ("map written: " + file + "\n").toUtf8());
        for (const QString& failure : failures) Print(stderr, ("map not written: " + failure + "\n").toUtf8());
    }
    return report.hasErrors() ? 1 : 0;
}
