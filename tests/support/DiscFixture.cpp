#include "support/DiscFixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <stdexcept>

namespace fixture {

namespace {
QString Unified(const QString& relativePath) {
    QString p = relativePath;
    p.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return p;
}
}  // namespace

DiscFixture::DiscFixture() {
    if (!dir_.isValid()) throw std::runtime_error("cannot create a temporary disc folder");
}

QString DiscFixture::path() const { return dir_.path() + QLatin1Char('/'); }

QString DiscFixture::filePath(const QString& relativePath) const { return path() + Unified(relativePath); }

void DiscFixture::write(const QString& relativePath, const QByteArray& bytes) {
    const QString full = filePath(relativePath);
    QDir().mkpath(QFileInfo(full).absolutePath());
    QFile file(full);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        throw std::runtime_error(("cannot write " + full).toStdString());
}

void DiscFixture::mkdir(const QString& relativePath) { QDir().mkpath(filePath(relativePath)); }

void DiscFixture::writePicture(const QString& relativePath, int width, int height, QColor colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    const QString full = filePath(relativePath);
    QDir().mkpath(QFileInfo(full).absolutePath());
    const QString ext = QFileInfo(full).suffix().toLower();
    const char* format = ext == QLatin1String("jpg") || ext == QLatin1String("jpeg") ? "JPG"
                         : ext == QLatin1String("bmp")                               ? "BMP"
                                                                                     : "PNG";
    if (!image.save(full, format, 100)) throw std::runtime_error(("cannot write " + full).toStdString());
}

IniBuilder& IniBuilder::section(const QString& name) { return line(QLatin1Char('[') + name + QLatin1Char(']')); }

IniBuilder& IniBuilder::key(const QString& k, const QString& value) { return line(k + QLatin1Char('=') + value); }

IniBuilder& IniBuilder::line(const QString& text) {
    lines_.append(text);
    return *this;
}

QByteArray IniBuilder::bytes(const QByteArray& lineEnd) const {
    QByteArray out;
    for (const QString& l : lines_) out += l.toUtf8() + lineEnd;
    return out;
}

}  // namespace fixture
