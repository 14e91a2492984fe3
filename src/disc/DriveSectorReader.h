#pragma once
// Sectors read from an optical drive through libcdio.
#include "disc/SectorReader.h"

namespace disc {

// Opens the drive at device (always named: with no device libcdio falls back
// to a file of its own choosing). Null with why set when there is no drive or
// no disc in it.
std::unique_ptr<SectorReader> makeDriveSectorReader(const QString& device, QString* why);

// Makes libcdio keep its warnings to itself (it writes them to stderr otherwise).
void silenceLibcdio();

}  // namespace disc
