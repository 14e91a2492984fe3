#pragma once
// Video CD files (.dat): a RIFF "CDXA" file whose data are the raw 2352-byte
// mode 2 sectors of the disc track, each carrying one 2324-byte pack of an
// MPEG-1 program stream.
#include <QByteArray>

namespace demo {

inline constexpr int kSectorSize = 2352;
inline constexpr int kSectorPayload = 2324;

// Wraps a program stream (cut into 2324-byte packs, the last one padded) into
// a CDXA file. The sectors are addressed from minute 0, second 4, where a
// track of a real disc might start.
QByteArray WrapInCdxa(const QByteArray& programStream);

}  // namespace demo
