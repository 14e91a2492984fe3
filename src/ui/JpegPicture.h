#pragma once
// JPEG pictures decoded by the system's JPEG library straight into the
// player's 32-bit pixel format. Through Qt's image plugins the first JPEG
// cost finding and loading the plugin (about a millisecond before the main
// window's first paint) and every JPEG a second pass turning its 24-bit rows
// into 32-bit ones. The pixels are the same: the same library decodes them
// with the same settings.
#include <QByteArray>
#include <QImage>
#include <QString>

namespace ui {

enum class JpegOutcome {
    Decoded,     // *image holds the picture, 32 bits per pixel
    Failed,      // no picture: *why says why (damaged data, too many pixels)
    NotHandled,  // not for this decoder (a CMYK picture, or no JPEG library
                 // built in): Qt's reader is to be asked
};

// Decodes bytes that start as a JPEG file does.
JpegOutcome DecodeJpeg(const QByteArray& bytes, QImage* image, QString* why);

}  // namespace ui
