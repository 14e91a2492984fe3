#pragma once
// A disc folder on disk for tests: a temporary folder that is removed when the
// fixture goes, with helpers to write AUTORUN.INF, media files, pictures and
// sub-folders into it. Relative paths may use "\" or "/".
#include <QByteArray>
#include <QColor>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <utility>
#include <vector>

namespace fixture {

class DiscFixture {
public:
    DiscFixture();

    // The folder, "/" separated, with one trailing "/".
    QString path() const;
    // The full path of a file in the folder ("\" turned into "/").
    QString filePath(const QString& relativePath) const;

    // Writes the bytes to the file, creating its folders.
    void write(const QString& relativePath, const QByteArray& bytes);
    // Writes AUTORUN.INF.
    void writeIni(const QByteArray& bytes) { write(QStringLiteral("AUTORUN.INF"), bytes); }
    // Creates a folder (and its parents).
    void mkdir(const QString& relativePath);
    // Writes a picture of one colour: .jpg and .bmp in their own format, any
    // other name as PNG bytes (Qt writes no GIF).
    void writePicture(const QString& relativePath, int width, int height, QColor colour = Qt::white);

private:
    QTemporaryDir dir_;
};

// Builds the text of a configuration file line by line.
class IniBuilder {
public:
    IniBuilder& section(const QString& name);
    IniBuilder& key(const QString& key, const QString& value);
    // A line exactly as given.
    IniBuilder& line(const QString& text);
    // UTF-8 bytes with CRLF line ends (or the given line end).
    QByteArray bytes(const QByteArray& lineEnd = "\r\n") const;

private:
    QStringList lines_;
};

}  // namespace fixture
