#pragma once
// Writes a video CD track file (.dat): a RIFF "CDXA" file whose data are raw
// 2352-byte CD-ROM XA mode 2 form 2 sectors, each carrying 2324 bytes of an
// MPEG-1 program stream (one pack per sector, as a VCD multiplexer writes it).
#include <QByteArray>
#include <QString>

namespace mediatest {

// Wraps the program stream into sectors; the last one is padded with zeros.
QByteArray wrapInCdxa(const QByteArray& programStream);

// Reads the program stream at mpegPath and writes it wrapped to datPath;
// throws std::runtime_error when either file fails.
void writeCdxaFile(const QString& mpegPath, const QString& datPath);

}  // namespace mediatest
