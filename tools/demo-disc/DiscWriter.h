#pragma once
// Writes files into the demo disc's folder under their on-disc names
// (OnDiskName), creating folders as needed, and keeps a list of what it wrote.
#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

namespace demo {

class DiscWriter {
public:
    explicit DiscWriter(QString root);

    // The real path of a disc name ("\" separated, as the configuration writes it).
    QString pathOf(const QString& discName) const;

    // Each returns false, with a message in error(), when the file cannot be written.
    bool writeBytes(const QString& discName, const QByteArray& bytes);
    bool writeJpeg(const QString& discName, const QImage& image);
    bool writeBmp(const QString& discName, const QImage& image);

    // Makes the folder of a disc name exist; false when it cannot be made.
    bool makeFolderFor(const QString& discName);

    const QString& error() const { return error_; }
    const QStringList& written() const { return written_; }
    void noteWritten(const QString& discName) { written_ << discName; }

private:
    bool writeImage(const QString& discName, const QImage& image, const char* format, int quality);

    QString root_;
    QString error_;
    QStringList written_;
};

}  // namespace demo
