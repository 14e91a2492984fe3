#pragma once
// Whether a DISC argument can be checked at all (before any check runs), and
// opening it for the checks: a folder as it is, an image file or a drive
// through the disc seam, as the player reads it.
#include <QString>

namespace disccheck {

// True when disc can be opened for checking: a folder that exists and can be
// listed and entered, or an image file or drive that reads as a disc image.
// Otherwise false, with why set to a one-line reason. A disc without
// AUTORUN.INF can be checked (the check reports it).
bool CanOpenDisc(const QString& disc, QString* why);

// Opens the disc for the checks and returns the folder CheckDisc takes: the
// folder's absolute path, or the root under which an image's files appear
// (the image stays open for the rest of the process). Empty, with why set,
// when it cannot be opened.
QString OpenDiscForCheck(const QString& disc, QString* why);

}  // namespace disccheck
