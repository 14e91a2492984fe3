#pragma once
// Works out where an image's or a drive's sectors come from: a block device
// is a drive; a .cue names its .bin files; an NRG file says where its track
// lies in its footer; any other file is a .iso/.img/.bin whose sector size is
// told by the CD sync pattern or by where the ISO 9660 volume descriptor lies.
#include "disc/SectorReader.h"

namespace disc {

// False with why set (one line, in English) when path is nothing that holds a disc.
bool findImageSource(const QString& path, SectorSource& source, QString* why);

}  // namespace disc
