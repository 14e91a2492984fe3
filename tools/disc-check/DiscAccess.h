#pragma once
// Whether a DISC argument can be checked at all (before any check runs).
#include <QString>

namespace disccheck {

// True when disc can be opened for checking: today a folder that exists and
// can be listed and entered. Otherwise false, with why set to a one-line
// reason ("the disc folder does not exist or cannot be read").
bool CanOpenDisc(const QString& disc, QString* why);

}  // namespace disccheck
