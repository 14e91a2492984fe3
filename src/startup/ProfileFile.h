#pragma once
// The classic profile ("INI") format, read from the bytes of a whole file. A
// pure function of its input, so that it can be driven by any bytes at all.
//
// What it reads:
// - lines end with LF, CRLF or CR alone; a NUL ends a line's text; a UTF-8
//   byte-order mark is skipped; a UTF-16 file (with its byte-order mark) is
//   read as the same text;
// - a line that begins with "[" starts a section: its name runs to the first
//   "]" (text after it is ignored) or, without one, to the end of the line,
//   less the spaces and tabs inside the brackets;
// - "key=value" lines belong to the section above; spaces and tabs around
//   lines, keys and values are dropped; a value enclosed in a pair of double or
//   of single quotation marks loses them; lines before the first section,
//   blank lines and ";" comment lines are no entries;
// - section and key names match without regard to case; where a section or a
//   key occurs twice, the first occurrence wins;
// - empty bytes read as no file at all.
// Byte limits are applied to the file's own bytes, then the pieces are decoded
// (UTF-8 when the whole file is valid UTF-8, else GB18030).
//
// A Profile holds the prepared bytes of one file and nothing in proportion to
// its lines: finding a section is one pass over the file, reading a value or a
// section one pass over that section, and every answer is remembered. The free functions below parse their bytes for each
// call (tests, fuzzing and tools that hold bytes).
#include "startup/TextDecoding.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>

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

class Profile {
public:
    Profile() = default;  // no file
    explicit Profile(const QByteArray& file);

    ProfileString value(QStringView section, QStringView key) const;
    ProfileSection section(QStringView section) const;
    // The names of every section in file order, repeats included (tools warn
    // about the repeats, which the reader ignores).
    QStringList sectionNames() const;
    // The keys of the first section of that name, in file order, repeats
    // included.
    QStringList keyNames(QStringView section) const;
    // True when the file had bytes (an empty file reads as no file).
    bool hasFile() const { return !bytes_.isEmpty(); }

    // A byte range of the prepared text: [begin, end).
    struct Range {
        int begin = 0;
        int end = 0;
    };

private:
    // Calls take(line, start) for each line that starts in [from, to), with
    // its text cut at its first NUL and trimmed; take returns false to stop.
    template <typename Take>
    void eachLine(int from, int to, Take take) const;
    // Calls take(line, start, stop) for each section header line: its text
    // trimmed, where the line starts and where its text ends (its line end).
    template <typename Take>
    void eachHeader(Take take) const;
    // The body of the first section of that name (the bytes after its header
    // line, up to the next header), or nothing.
    std::optional<Range> body(QStringView section) const;
    bool nameIs(Range name, QStringView wanted) const;
    Range sectionName(Range headerLine) const;
    QString decode(Range r) const;

    QByteArray bytes_;
    TextEncoding encoding_ = TextEncoding::Utf8;
    // Answers already given, by case-folded name (section, or section NUL
    // key): a file is read once and asked the same few questions many times.
    mutable QHash<QString, std::optional<Range>> bodies_;
    mutable QHash<QString, ProfileString> values_;
};

ProfileString ProfileGetString(const QByteArray& file, QStringView section, QStringView key);
ProfileSection ProfileGetSection(const QByteArray& file, QStringView section);
QStringList ProfileSectionNames(const QByteArray& file);
QStringList ProfileKeyNames(const QByteArray& file, QStringView section);

}  // namespace startup
