#include "DiscWriter.h"

#include "DemoContent.h"

#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>

namespace demo {

DiscWriter::DiscWriter(QString root) : root_(std::move(root)) {}

QString DiscWriter::pathOf(const QString& discName) const {
    return QDir(root_).filePath(OnDiskName(discName));
}

bool DiscWriter::makeFolderFor(const QString& discName) {
    const QString folder = QFileInfo(pathOf(discName)).absolutePath();
    if (QDir().mkpath(folder)) return true;
    error_ = QStringLiteral("cannot make the folder %1").arg(folder);
    return false;
}

bool DiscWriter::writeBytes(const QString& discName, const QByteArray& bytes) {
    if (!makeFolderFor(discName)) return false;
    QSaveFile file(pathOf(discName));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        error_ = QStringLiteral("cannot write %1: %2").arg(file.fileName(), file.errorString());
        return false;
    }
    written_ << discName;
    return true;
}

bool DiscWriter::writeImage(const QString& discName, const QImage& image, const char* format, int quality) {
    if (!makeFolderFor(discName)) return false;
    QImageWriter writer(pathOf(discName), format);
    if (quality >= 0) writer.setQuality(quality);
    if (!writer.write(image)) {
        error_ = QStringLiteral("cannot write %1: %2").arg(writer.fileName(), writer.errorString());
        return false;
    }
    written_ << discName;
    return true;
}

bool DiscWriter::writeJpeg(const QString& discName, const QImage& image) {
    return writeImage(discName, image.convertToFormat(QImage::Format_RGB32), "jpeg", 94);
}

bool DiscWriter::writeBmp(const QString& discName, const QImage& image) {
    // 24 bits per pixel, as the skins of such discs are stored.
    return writeImage(discName, image.convertToFormat(QImage::Format_RGB888), "bmp", -1);
}

}  // namespace demo
