#include "DiscTestFiles.h"

#include <QFile>
#include <QRegularExpression>
#include <random>
#include <stdexcept>

namespace disctest {

QByteArray readFile(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) throw std::runtime_error("cannot read " + path.toStdString());
    return f.readAll();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + path.toStdString());
}

QByteArray noise(int size, unsigned seed) {
    std::mt19937 random(seed);
    QByteArray out(size, '\0');
    for (char& c : out) c = char(random() & 0xFF);
    return out;
}

int patchFile(const QString& path, const QByteArray& from, const QByteArray& to) {
    QByteArray bytes = readFile(path);
    int count = 0;
    for (qsizetype at = bytes.indexOf(from); at >= 0; at = bytes.indexOf(from, at + to.size()), ++count)
        bytes.replace(at, to.size(), to);
    writeFile(path, bytes);
    return count;
}

QByteArray toRawMode1(const QByteArray& iso) {
    QByteArray out;
    for (qsizetype at = 0; at < iso.size(); at += 2048) {
        out += QByteArray("\x00\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\x00", 12);
        out += QByteArray("\x00\x02\x00\x01", 4);
        out += iso.mid(at, 2048);
        out += QByteArray(288, '\0');
    }
    return out;
}

int cueIndex(const QString& cue, int track, int index) {
    const QString text = QString::fromUtf8(readFile(cue));
    const qsizetype at = text.indexOf(QStringLiteral("TRACK %1").arg(track, 2, 10, QChar('0')));
    if (at < 0) return -1;
    const QRegularExpression line(QStringLiteral("INDEX %1 (\\d+):(\\d+):(\\d+)").arg(index, 2, 10, QChar('0')));
    const auto m = line.match(text, at);
    if (!m.hasMatch()) return -1;
    return (m.captured(1).toInt() * 60 + m.captured(2).toInt()) * 75 + m.captured(3).toInt();
}

}  // namespace disctest
