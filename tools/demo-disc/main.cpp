// make-demo-disc: draws and writes the demo disc into a folder.
//   make-demo-disc [--no-clips] [--ffmpeg PATH] [--preview FILE.png] FOLDER
//   make-demo-disc --help | --version
// --no-clips leaves out the clips (no ffmpeg needed); --preview also writes a
// picture of the main window as it looks on menu page 1.
#include "AutorunInf.h"
#include "Clips.h"
#include "DemoContent.h"
#include "DiscWriter.h"
#include "GbkText.h"
#include "HelpPages.h"
#include "MenuPages.h"
#include "Posters.h"
#include "Preview.h"
#include "SkinFiles.h"

#include <QDir>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdio>

namespace {

struct Options {
    bool clips = true;
    QString ffmpeg = QStringLiteral("ffmpeg");
    QString preview;
    QString folder;
};

const char kUsage[] = "usage: make-demo-disc [--no-clips] [--ffmpeg PATH] [--preview FILE.png] FOLDER\n"
                      "       make-demo-disc --help | --version\n";

int usage(const QString& problem) {
    std::fprintf(stderr, "make-demo-disc: %s\n%s", qPrintable(problem), kUsage);
    return 2;
}

int help() {
    std::printf("%s\n"
                "Writes the demo disc into FOLDER (made when missing): the skin, the menu pages,\n"
                "the pictures, a help page, AUTORUN.INF in GBK and, made with ffmpeg, clips in\n"
                ".wmv, .mpg and Video CD .dat. Play it with `autorun FOLDER`.\n"
                "\n"
                "Options:\n"
                "  --no-clips          leave the clips out (no ffmpeg needed)\n"
                "  --ffmpeg PATH       the ffmpeg to make the clips with (default: ffmpeg)\n"
                "  --preview FILE.png  also write a picture of the main window on menu page 1\n"
                "  -h, --help          print this help and exit\n"
                "  --version           print the version and exit\n"
                "\n"
                "Exit status:\n"
                "  0  the disc was written\n"
                "  1  something could not be written or made\n"
                "  2  usage error\n",
                kUsage);
    return 0;
}

int fail(const QString& message) {
    std::fprintf(stderr, "make-demo-disc: %s\n", qPrintable(message));
    return 1;
}

bool writePictures(demo::DiscWriter& w, const demo::DiscContent& c) {
    for (const demo::MenuPage& page : c.pages)
        if (!w.writeJpeg(page.picture, demo::MenuPagePicture(page))) return false;
    for (const demo::StillPicture& still : c.stills)
        if (!w.writeJpeg(still.name, demo::StillPosterImage(still))) return false;
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    QStringList args;
    for (int i = 1; i < argc; ++i) args.append(QString::fromLocal8Bit(argv[i]));
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("-h") || a == QLatin1String("--help")) return help();
        if (a == QLatin1String("--version")) {
            std::printf("make-demo-disc " AUTORUN_VERSION "\n");
            return 0;
        }
        if (a == QLatin1String("--no-clips")) options.clips = false;
        else if (a == QLatin1String("--ffmpeg") && i + 1 < args.size()) options.ffmpeg = args[++i];
        else if (a == QLatin1String("--preview") && i + 1 < args.size()) options.preview = args[++i];
        else if (a == QLatin1String("--ffmpeg") || a == QLatin1String("--preview")) return usage(a + " needs a value");
        else if (a.startsWith(QLatin1Char('-'))) return usage("unknown option " + a);
        else if (!options.folder.isEmpty()) return usage(QStringLiteral("one FOLDER only"));
        else options.folder = a;
    }
    if (options.folder.isEmpty()) return usage(QStringLiteral("no FOLDER given"));

    // Drawing text needs a GUI application; no screen is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (!QDir().mkpath(options.folder)) return fail(QStringLiteral("cannot make the folder %1").arg(options.folder));
    if (!QFontDatabase::families().contains(QStringLiteral("Noto Sans CJK SC")))
        std::fprintf(stderr, "make-demo-disc: warning: the font \"Noto Sans CJK SC\" is not installed "
                             "(package fonts-noto-cjk); Chinese captions fall back to another font\n");

    const demo::DiscContent& content = demo::Content();
    demo::DiscWriter writer(options.folder);

    const auto inf = demo::ToGbk(demo::AutorunInfText(content));
    if (!inf) return fail(QStringLiteral("AUTORUN.INF has text without a GBK form"));
    if (!writer.writeBytes(QStringLiteral("AUTORUN.INF"), *inf) || !demo::WriteSkin(writer, content) ||
        !writePictures(writer, content) || !demo::WriteHelpPages(writer, content))
        return fail(writer.error());

    if (options.clips) {
        QTemporaryDir work;
        if (!work.isValid()) return fail(QStringLiteral("cannot make a work folder"));
        demo::ClipMaker maker{options.ffmpeg, work.path(), demo::FindCounterFont(options.ffmpeg)};
        for (const demo::Clip& clip : content.clips) {
            QString error;
            std::printf("  clip %s\n", qPrintable(clip.name));
            std::fflush(stdout);
            if (!demo::MakeClip(maker, clip, writer, error)) return fail(error);
        }
    }
    if (!options.preview.isEmpty() && !demo::MainWindowPreview(writer, content).save(options.preview))
        return fail(QStringLiteral("cannot write %1").arg(options.preview));

    std::printf("demo disc: %lld files in %s\n", static_cast<long long>(writer.written().size()),
                qPrintable(QDir(options.folder).absolutePath()));
    return 0;
}
