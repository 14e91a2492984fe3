#pragma once
// Sectors read from image files (.iso, .bin, .img, .nrg) by pread on file
// descriptors opened read-only.
#include "disc/SectorReader.h"

namespace disc {

// Null with why set when a file of the source cannot be opened.
std::unique_ptr<SectorReader> makeFileSectorReader(const std::vector<Segment>& segments, QString* why);

}  // namespace disc
