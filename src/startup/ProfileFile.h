#pragma once
// The classic profile ("INI") format, read from the bytes of a whole file. A
// pure function of its input, so that it can be driven by any bytes at all.
//
// What it reads:
// - lines end with LF, CRLF or CR alone; a UTF-8 byte-order mark is skipped; a
//   UTF-16 file (with its byte-order mark) is read as the same text;
// - "[name]" starts a section; "key=value" lines belong to the section above;
//   spaces and tabs around lines, keys and values are dropped; lines before the
//   first section, blank lines and ";" comment lines are no entries;
// - section and key names match without regard to case; where a section or a
//   key occurs twice, the first occurrence wins;
// - empty bytes read as no file at all.
// Byte limits are applied to the file's own bytes, then the pieces are decoded
// (UTF-8 when the whole file is valid UTF-8, else GB18030).
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace startup {

// What one key reads as.
struct ProfileString {
    QString text;          // the value, or "Default Caption" when there is none
    bool found = false;    // the key exists in the section
    bool cut = false;      // the value was longer than 255 bytes and was cut
};

// What one section reads as: every line of the section followed by a NUL
// character, cut to 9,998 bytes when longer.
struct ProfileSection {
    QString text;
    bool found = false;
    bool cut = false;
};

inline constexpr int kProfileValueLimit = 255;     // a 256-byte buffer less its NUL
inline constexpr int kProfileSectionLimit = 9998;  // a 10,000-byte buffer less two NULs
inline const char* const kProfileDefault = "Default Caption";

ProfileString ProfileGetString(const QByteArray& file, QStringView section, QStringView key);
ProfileSection ProfileGetSection(const QByteArray& file, QStringView section);

// The names of every section in file order, repeats included (tools warn about
// the repeats, which the reader ignores).
QStringList ProfileSectionNames(const QByteArray& file);
// The keys of the first section of that name, in file order, repeats included.
QStringList ProfileKeyNames(const QByteArray& file, QStringView section);

}  // namespace startup
