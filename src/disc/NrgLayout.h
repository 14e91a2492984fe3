#pragma once
// The layout of an NRG image, read from the chunks its footer points to.
//
// The footer and chunks are read here rather than by libcdio's NRG driver,
// which aborts the whole process on a malformed footer and reads Mode 1
// tracks 16 bytes off; where the first data track lies is all that is needed.
#include "disc/SectorReader.h"

#include <QByteArray>

namespace disc {

enum class NrgResult { NotNrg, Nrg, Damaged };

// The chunk parser itself, over the chunk bytes (from the footer's offset to
// the footer), so that it can be tested and fuzzed on bytes alone.
NrgResult parseNrgChunks(const QByteArray& chunks, const QString& file, int64_t fileSize,
                         std::vector<Segment>& segments, QString* why);

// The offset of the chunks when the last bytes of a file are an NRG footer
// ("NER5" and a 64-bit offset, or "NERO" and a 32-bit one); -1 otherwise.
int64_t nrgChunkOffset(const QByteArray& tail, int64_t fileSize, int* footerLength);

}  // namespace disc
