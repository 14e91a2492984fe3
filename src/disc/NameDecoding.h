#pragma once
// Turns the bytes of names on a disc into text. Old Chinese discs wrote GBK
// bytes into their plain ISO 9660 and Rock Ridge names; Joliet names are
// UCS-2 (UTF-16) big-endian.
#include <QByteArray>
#include <QString>

namespace disc {

// UTF-8 when the bytes are valid UTF-8 (plain ASCII included), else GB18030
// (a superset of GBK), else Latin-1 so that no name is lost.
QString decodeLocalName(const QByteArray& bytes);

// A Joliet name: UTF-16 big-endian, surrogate pairs included; an odd last
// byte is dropped.
QString decodeJolietName(const QByteArray& bytes);

// Drops an ISO 9660 version (";1") and, for plain names, a trailing "." that
// marks a name without an extension.
QString stripVersion(QString name, bool dropTrailingDot);

}  // namespace disc
