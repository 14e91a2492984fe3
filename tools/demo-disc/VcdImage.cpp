#include "VcdImage.h"

#include <QtEndian>

namespace demo {

namespace {

void put32(QByteArray& out, quint32 v) {
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}

char bcd(int v) { return char(((v / 10) << 4) | (v % 10)); }

// Sector address as minute, second, frame (75 frames a second), in BCD.
void appendAddress(QByteArray& out, int sector) {
    out.append(bcd(sector / (75 * 60)));
    out.append(bcd((sector / 75) % 60));
    out.append(bcd(sector % 75));
}

constexpr int kFirstSector = 4 * 75;  // 00:04:00

}  // namespace

QByteArray WrapInCdxa(const QByteArray& programStream) {
    const int count = int((programStream.size() + kSectorPayload - 1) / kSectorPayload);
    QByteArray data;
    data.reserve(count * kSectorSize);
    for (int i = 0; i < count; ++i) {
        const bool last = i == count - 1;
        data.append('\0');
        data.append(QByteArray(10, char(0xFF)));
        data.append('\0');
        appendAddress(data, kFirstSector + i);
        data.append(char(2));  // mode 2
        // subheader, twice: file 1, channel 1, submode (form 2, real time,
        // video; end of record and of file on the last sector), coding info
        const char submode = char(0x62 | (last ? 0x81 : 0));
        for (int copy = 0; copy < 2; ++copy) data.append("\x01\x01", 2).append(submode).append('\x0F');
        QByteArray pack = programStream.mid(qsizetype(i) * kSectorPayload, kSectorPayload);
        pack.append(QByteArray(kSectorPayload - pack.size(), '\0'));
        data.append(pack);
        data.append(QByteArray(4, '\0'));  // no error detection code (allowed in form 2)
    }

    QByteArray out;
    out.append("RIFF");
    put32(out, quint32(4 + 8 + 16 + 8 + data.size()));
    out.append("CDXA");
    out.append("fmt ");
    put32(out, 16);
    // the XA attributes of a real-time video file
    out.append(QByteArray::fromHex("00000000155558410100000000000000"), 16);
    out.append("data");
    put32(out, quint32(data.size()));
    out.append(data);
    return out;
}

}  // namespace demo
