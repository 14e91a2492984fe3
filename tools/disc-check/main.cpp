// disc-check: reads disc folders as the player would and reports what would
// stop the player, end it later, or surprise a user.
//   disc-check [--json] [--map OUT_FOLDER] [--jobs N] [--media] DISC...
// One disc is checked in this process; several are checked in children of it
// (ParallelChecks.h), each with one disc.
// Exit status: 0 no error, 1 at least one error, 2 usage or unreadable disc.
#include "CheckOptions.h"
#include "DiscAccess.h"
#include "DiscReport.h"
#include "MediaChecks.h"
#include "MenuMap.h"
#include "ParallelChecks.h"
#include "ReportFormat.h"

#include <QApplication>
#include <QFileInfo>
#include <clocale>
#include <cstdio>
#include <memory>

namespace {

void Print(FILE* stream, const QByteArray& bytes) {
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream);
}

// --help, --version and usage errors: before any application object.
int Answer(const disccheck::CheckOptions& options) {
    using Action = disccheck::CheckOptions::Action;
    if (options.action == Action::ShowHelp) {
        Print(stdout, disccheck::CheckHelpText().toLocal8Bit());
        return 0;
    }
    if (options.action == Action::ShowVersion) {
        Print(stdout, disccheck::CheckVersionText().toLocal8Bit());
        return 0;
    }
    Print(stderr, (QStringLiteral("disc-check: ") + options.error + QLatin1Char('\n') + disccheck::CheckUsageText())
                      .toLocal8Bit());
    return 2;
}

// The application object one disc needs: maps are drawn (text included) and
// clips opened without any display; the checks need no window system at all.
std::unique_ptr<QCoreApplication> MakeApplication(const disccheck::CheckOptions& options, int& argc, char** argv) {
    const bool gui = options.discs.size() == 1 && (options.media || !options.mapFolder.isEmpty());
    if (gui && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    std::unique_ptr<QCoreApplication> app;
    if (gui && options.media)
        app = std::make_unique<QApplication>(argc, argv);  // the media graph has a video widget
    else if (gui)
        app = std::make_unique<QGuiApplication>(argc, argv);
    else
        app = std::make_unique<QCoreApplication>(argc, argv);
    // libmpv reads numbers in the C locale only; the application changed it.
    std::setlocale(LC_NUMERIC, "C");
    return app;
}

int CheckOneDisc(const disccheck::CheckOptions& options) {
    const QString& disc = options.discs.front();
    QString why;
    const QString root = disccheck::OpenDiscForCheck(disc, &why);
    if (root.isEmpty()) {
        Print(stderr, QStringLiteral("disc-check: %1: %2\n").arg(disc, why).toLocal8Bit());
        return 2;
    }
    disccheck::DiscReport report = disccheck::CheckDisc(root);
    if (options.media) disccheck::CheckMedia(report);
    if (!options.json)
        Print(stdout, disccheck::FormatText(report).toUtf8());
    else if (qEnvironmentVariableIsSet(disccheck::kJsonLinesVariable))
        Print(stdout, disccheck::FormatJsonLine(report, disc));
    else
        Print(stdout, disccheck::FormatJson(report));

    if (!options.mapFolder.isEmpty()) {
        QStringList failures;
        const QStringList written = disccheck::WriteMenuMaps(report, options.mapFolder, &failures);
        for (const QString& file : written) Print(stderr, ("map written: " + file + "\n").toUtf8());
        for (const QString& failure : failures) Print(stderr, ("map not written: " + failure + "\n").toUtf8());
    }
    return report.hasErrors() ? 1 : 0;
}

}  // namespace

int main(int argc, char** argv) {
    QStringList args;
    for (int i = 1; i < argc; ++i) args.append(QString::fromLocal8Bit(argv[i]));
    const disccheck::CheckOptions options = disccheck::ParseCheckOptions(args);
    if (options.action != disccheck::CheckOptions::Action::Check) return Answer(options);

    const std::unique_ptr<QCoreApplication> app = MakeApplication(options, argc, argv);
    if (options.discs.size() > 1) return disccheck::CheckDiscsInParallel(options);
    return CheckOneDisc(options);
}
