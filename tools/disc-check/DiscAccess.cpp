#include "DiscAccess.h"

#include "disc/DiscImage.h"
#include "ui/DiscMount.h"

#include <QDir>
#include <QFileInfo>

namespace disccheck {

namespace {

bool fail(QString* why, const QString& reason) {
    if (why) *why = reason;
    return false;
}

bool isReadableFolder(const QFileInfo& info) { return info.isDir() && QDir(info.filePath()).isReadable() && info.isExecutable(); }

}  // namespace

bool CanOpenDisc(const QString& disc, QString* why) {
    const QFileInfo info(disc);
    if (isReadableFolder(info)) return true;
    if (info.isDir() || !info.exists()) return fail(why, QStringLiteral("the disc folder does not exist or cannot be read"));
    if (!disc::Image::looksLikeImage(info.absoluteFilePath()))
        return fail(why, QStringLiteral("it is neither a folder, nor an image file, nor a drive"));
    QString reason;
    if (!disc::Image::open(info.absoluteFilePath(), &reason))
        return fail(why, reason.isEmpty() ? QStringLiteral("the image cannot be read") : reason);
    return true;
}

QString OpenDiscForCheck(const QString& disc, QString* why) {
    const QFileInfo info(disc);
    if (isReadableFolder(info)) return info.absoluteFilePath();
    if (!CanOpenDisc(disc, why)) return {};
    QString reason;
    std::unique_ptr<disc::Image> image = disc::Image::open(info.absoluteFilePath(), &reason);
    if (!image) {
        fail(why, reason);
        return {};
    }
    ui::MountImage(std::move(image), info.absoluteFilePath() + QLatin1Char('/'));
    return ui::MountedRoot();
}

}  // namespace disccheck
