#pragma once
// Choosing the disc once, at start-up: a folder (a disc's root, a mounted
// disc, a copy on a hard drive), an image file (.iso, .cue, .bin, .nrg, .img)
// or an optical drive (/dev/sr0). The disc's root becomes the application
// folder; for an image or a drive that is the path the user gave with "/"
// added, under which its files are read from the image (ui/DiscMount.h).
#include <QString>

namespace startup {

// Opens the disc and makes its root the application folder. False, with a
// one-line reason in why, when it is none of the kinds above, cannot be read,
// or holds no AUTORUN.INF in its root. Nothing is written.
bool OpenDisc(const QString& disc, QString* why);

// The one message for a disc that cannot be opened, naming it and the reason.
QString DiscOpenMessage(const QString& disc, const QString& why);

}  // namespace startup
