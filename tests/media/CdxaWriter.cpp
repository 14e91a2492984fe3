#include "media/CdxaWriter.h"
#include <QFile>
#include <QtEndian>
#include <stdexcept>

namespace mediatest {

namespace {

constexpr int sectorSize = 2352;
constexpr int payloadSize = 2324;  // mode 2 form 2 user data
constexpr int firstSector = 150 + 4 * 75;  // tracks start after the 2 s lead-in; video ones a little later

char bcd(int v) { return char(((v / 10) << 4) | (v % 10)); }

void appendLe32(QByteArray& out, quint32 v) {
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}

QByteArray sector(int index, const char* data, int size) {
    QByteArray s;
    s.reserve(sectorSize);
    // Sync pattern.
    s.append('\0');
    s.append(QByteArray(10, char(0xFF)));
    s.append('\0');
    // Header: the sector's address (minute, second, frame in BCD) and mode 2.
    const int address = firstSector + index;
    s.append(bcd(address / (60 * 75)));
    s.append(bcd(address / 75 % 60));
    s.append(bcd(address % 75));
    s.append(char(0x02));
    // Subheader, written twice: file 1, channel 1, submode form 2 + real
    // time + video, coding info.
    for (int copy = 0; copy < 2; ++copy) {
        s.append(char(0x01));
        s.append(char(0x01));
        s.append(char(0x62));
        s.append(char(0x0F));
    }
    s.append(data, size);
    s.append(QByteArray(payloadSize - size, '\0'));
    // Error detection code: optional in form 2, left as zero.
    s.append(QByteArray(4, '\0'));
    return s;
}

}  // namespace

QByteArray wrapInCdxa(const QByteArray& programStream) {
    QByteArray sectors;
    int index = 0;
    for (qsizetype at = 0; at < programStream.size(); at += payloadSize, ++index) {
        const int size = int(std::min<qsizetype>(payloadSize, programStream.size() - at));
        sectors.append(sector(index, programStream.constData() + at, size));
    }

    QByteArray fmt;  // the XA attributes of the track
    fmt.append(QByteArray(4, '\0'));          // owner user and group
    fmt.append(char(0x15)).append(char(0x55)); // attributes: form 2, readable
    fmt.append("XA", 2);
    fmt.append(char(0x01));                    // file number
    fmt.append(QByteArray(7, '\0'));

    QByteArray out("RIFF");
    appendLe32(out, quint32(4 + 8 + fmt.size() + 8 + sectors.size()));
    out.append("CDXA");
    out.append("fmt ");
    appendLe32(out, quint32(fmt.size()));
    out.append(fmt);
    out.append("data");
    appendLe32(out, quint32(sectors.size()));
    out.append(sectors);
    return out;
}

void writeCdxaFile(const QString& mpegPath, const QString& datPath) {
    QFile in(mpegPath);
    if (!in.open(QIODevice::ReadOnly)) throw std::runtime_error("cannot read " + mpegPath.toStdString());
    const QByteArray wrapped = wrapInCdxa(in.readAll());
    QFile out(datPath);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(wrapped) != wrapped.size())
        throw std::runtime_error("cannot write " + datPath.toStdString());
}

}  // namespace mediatest
