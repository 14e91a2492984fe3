#include "startup/OpenDisc.h"
#include "startup/DiscConfig.h"
#include "ui/DiscFiles.h"
#include "ui/DiscMount.h"
#include <QFileInfo>

namespace startup {

namespace {

bool fail(QString* why, const QString& reason) {
    if (why) *why = reason;
    return false;
}

// The configuration must be in the root: a disc without it is not one of
// ours (or the user chose the folder above the disc's root).
bool hasConfiguration(const QString& root) { return ui::IsDiscFile(root + QStringLiteral("AUTORUN.INF")); }

}  // namespace

bool OpenDisc(const QString& disc, QString* why) {
    const QFileInfo info(disc);
    if (!info.exists()) return fail(why, QStringLiteral("there is no such folder, image file or drive"));
    const QString absolute = info.absoluteFilePath();
    if (info.isDir()) {
        if (!info.isReadable() || !info.isExecutable()) return fail(why, QStringLiteral("the folder cannot be read"));
        QString root = absolute;
        if (!root.endsWith(QLatin1Char('/'))) root += QLatin1Char('/');
        if (!hasConfiguration(root)) return fail(why, QStringLiteral("there is no AUTORUN.INF in its root folder"));
        ui::UnmountImage();
        SetAppFolder(root);
        return true;
    }
    if (!disc::Image::looksLikeImage(absolute))
        return fail(why, QStringLiteral("it is neither a folder, nor an image file, nor a drive"));
    QString reason;
    std::unique_ptr<disc::Image> image = disc::Image::open(absolute, &reason);
    if (!image) return fail(why, reason.isEmpty() ? QStringLiteral("the image cannot be read") : reason);
    ui::MountImage(std::move(image), absolute + QLatin1Char('/'));
    const QString root = ui::MountedRoot();
    if (!hasConfiguration(root)) {
        // A cut-short image loses its directory first: say so rather than
        // blame the disc's contents.
        const std::vector<disc::ImageProblem> problems = ui::MountedImage()->problems();
        const QString missing = problems.empty() ? QStringLiteral("there is no AUTORUN.INF in its root folder")
                                                : problems.front().message;
        ui::UnmountImage();
        return fail(why, missing);
    }
    SetAppFolder(root);
    return true;
}

QString DiscOpenMessage(const QString& disc, const QString& why) {
    return QStringLiteral("无法打开光盘：%1\r\n%2").arg(ui::DisplayPath(disc), why);
}

}  // namespace startup
