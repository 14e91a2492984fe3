#pragma once
// How the bytes of the disc configuration become text. The file is 8-bit text
// in the disc's code page: it is taken as UTF-8 when the whole file is valid
// UTF-8, else as GB18030 (a superset of GBK). Decoding happens on pieces that
// are already cut to their byte limits, and before anything splits on "\",
// because a GBK trail byte can be 0x5C.
#include <QByteArray>
#include <QString>

namespace startup {

enum class TextEncoding { Utf8, Gb18030 };

// True when the bytes are well-formed UTF-8 (no overlong forms, no surrogates,
// nothing above U+10FFFF).
bool IsValidUtf8(QByteArrayView bytes);

// UTF-8 when the bytes are valid UTF-8, else GB18030.
TextEncoding DetectEncoding(QByteArrayView bytes);

// Byte length of the character that starts at bytes[pos] (at least 1, at most
// what is left).
int CharLength(QByteArrayView bytes, int pos, TextEncoding encoding);

// The largest length <= limit that ends on a character boundary.
int CharBoundaryAtOrBefore(QByteArrayView bytes, int limit, TextEncoding encoding);

// Index of an ASCII character at a character boundary in [from, to), or -1;
// to = -1 searches to the end. Callers searching one line pass its end, so
// that a character missing from every line costs one pass over the file, not
// one pass per line. (In GB18030 a trail byte can look like "]" or "\"; those
// are skipped.)
int IndexOfAscii(QByteArrayView bytes, char ch, int from, TextEncoding encoding, int to = -1);

// Bytes to text. Invalid sequences become U+FFFD; a character cut off at the
// end is dropped.
QString DecodeText(QByteArrayView bytes, TextEncoding encoding);

}  // namespace startup
