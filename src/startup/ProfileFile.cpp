#include "startup/ProfileFile.h"

#include <QStringDecoder>
#include <cstring>

namespace startup {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f'; }

// A file's bytes made ready for reading: UTF-16 turned into UTF-8 and a UTF-8
// byte-order mark dropped.
QByteArray Prepare(const QByteArray& raw) {
    const auto u = [&](int i) { return static_cast<unsigned char>(raw[i]); };
    if (raw.size() >= 2 && ((u(0) == 0xFF && u(1) == 0xFE) || (u(0) == 0xFE && u(1) == 0xFF))) {
        const bool little = u(0) == 0xFF;
        QStringDecoder decode(little ? QStringConverter::Utf16LE : QStringConverter::Utf16BE);
        const qsizetype evenSize = (raw.size() - 2) & ~qsizetype(1);
        const QString text = decode(QByteArrayView(raw.constData() + 2, evenSize));
        return text.toUtf8();
    }
    if (raw.size() >= 3 && u(0) == 0xEF && u(1) == 0xBB && u(2) == 0xBF) return raw.mid(3);
    return raw;
}

using Range = Profile::Range;

Range Trimmed(const QByteArray& b, Range r) {
    while (r.begin < r.end && IsBlank(b[r.begin])) ++r.begin;
    while (r.end > r.begin && IsBlank(b[r.end - 1])) --r.end;
    return r;
}

bool IsAsciiText(QStringView s) {
    for (QChar c : s)
        if (c.unicode() >= 0x80) return false;
    return true;
}

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + ('a' - 'A')) : c; }

// The value less one pair of enclosing quotation marks, double or single.
Range Unquoted(const QByteArray& b, Range r) {
    if (r.end - r.begin >= 2) {
        const char first = b[r.begin], last = b[r.end - 1];
        if ((first == '"' || first == '\'') && last == first) return {r.begin + 1, r.end - 1};
    }
    return r;
}

}  // namespace

Profile::Profile(const QByteArray& file) : bytes_(Prepare(file)) {
    // Positions are ints; a configuration file is never near 2 GB, and the
    // bytes beyond 1 GB of one that claims to be are not read.
    constexpr qsizetype kReadLimit = qsizetype(1) << 30;
    if (bytes_.size() > kReadLimit) bytes_.truncate(kReadLimit);
    if (!bytes_.isEmpty()) encoding_ = DetectEncoding(bytes_);
}

template <typename Take>
void Profile::eachLine(int from, int to, Take take) const {
    const char* data = bytes_.constData();
    const int n = static_cast<int>(bytes_.size());
    int start = from;
    while (start < to) {
        int stop = start;
        while (stop < n && data[stop] != '\n' && data[stop] != '\r') ++stop;
        // A NUL ends the line's text, as it ends a C string.
        int textEnd = stop;
        if (const void* nul = std::memchr(data + start, '\0', static_cast<size_t>(stop - start)))
            textEnd = static_cast<int>(static_cast<const char*>(nul) - data);
        if (!take(Trimmed(bytes_, {start, textEnd}), start)) return;
        if (stop >= n) return;
        if (data[stop] == '\r' && stop + 1 < n && data[stop + 1] == '\n') ++stop;
        start = stop + 1;
    }
}

QString Profile::decode(Range r) const {
    return DecodeText(QByteArrayView(bytes_.constData() + r.begin, r.end - r.begin), encoding_);
}

Profile::Range Profile::sectionName(Range line) const {
    // The name runs to the first "]", or to the end of the line when there is
    // none; spaces inside the brackets do not count.
    const int close = IndexOfAscii(bytes_, ']', line.begin + 1, encoding_, line.end);
    return Trimmed(bytes_, {line.begin + 1, close < 0 ? line.end : close});
}

bool Profile::nameIs(Range name, QStringView wanted) const {
    // ASCII against ASCII compares byte by byte; anything else is decoded and
    // compared as text.
    bool ascii = IsAsciiText(wanted);
    for (int i = name.begin; ascii && i < name.end; ++i)
        if (static_cast<unsigned char>(bytes_[i]) >= 0x80) ascii = false;
    if (!ascii) return QStringView(decode(name)).compare(wanted, Qt::CaseInsensitive) == 0;
    if (name.end - name.begin != wanted.size()) return false;
    for (int i = 0; i < wanted.size(); ++i)
        if (AsciiLower(bytes_[name.begin + i]) != AsciiLower(static_cast<char>(wanted[i].unicode()))) return false;
    return true;
}

template <typename Take>
void Profile::eachHeader(Take take) const {
    // A header line is found from its "[", which only blanks may separate from
    // the start of its line: the search runs at the speed of memchr instead of
    // a look at every line.
    const char* data = bytes_.constData();
    const int n = static_cast<int>(bytes_.size());
    int pos = 0;
    while (pos < n) {
        const void* hit = std::memchr(data + pos, '[', static_cast<size_t>(n - pos));
        if (!hit) return;
        const int bracket = static_cast<int>(static_cast<const char*>(hit) - data);
        pos = bracket + 1;
        int lineStart = bracket;
        while (lineStart > 0 && IsBlank(data[lineStart - 1])) --lineStart;
        if (lineStart > 0 && data[lineStart - 1] != '\n' && data[lineStart - 1] != '\r') continue;
        int stop = bracket;
        while (stop < n && data[stop] != '\n' && data[stop] != '\r') ++stop;
        // A NUL ends the line's text, as it ends a C string.
        int textEnd = stop;
        if (const void* nul = std::memchr(data + bracket, '\0', static_cast<size_t>(stop - bracket)))
            textEnd = static_cast<int>(static_cast<const char*>(nul) - data);
        if (!take(Trimmed(bytes_, {bracket, textEnd}), lineStart, stop)) return;
        pos = stop;
    }
}

std::optional<Profile::Range> Profile::body(QStringView section) const {
    const QString folded = section.toString().toCaseFolded();
    if (const auto it = bodies_.constFind(folded); it != bodies_.constEnd()) return *it;

    std::optional<Range> found;
    eachHeader([&](Range line, int lineStart, int lineStop) {
        if (found) {
            found->end = lineStart;  // the first section of that name ends here
            return false;
        }
        if (nameIs(sectionName(line), section)) found = Range{lineStop, static_cast<int>(bytes_.size())};
        return true;
    });
    if (bodies_.size() >= 64) bodies_.clear();  // only a handful of sections are ever asked for
    bodies_.insert(folded, found);
    return found;
}

namespace {

bool IsEntry(const QByteArray& b, Range line) { return line.end > line.begin && b[line.begin] != ';'; }

}  // namespace

ProfileString Profile::value(QStringView section, QStringView key) const {
    const QString memo = section.toString().toCaseFolded() + QChar(0) + key.toString().toCaseFolded();
    if (const auto it = values_.constFind(memo); it != values_.constEnd()) return *it;

    ProfileString result;
    result.text = QString::fromLatin1(kProfileDefault);
    if (const auto lines = body(section)) {
        eachLine(lines->begin, lines->end, [&](Range line, int) {
            if (!IsEntry(bytes_, line)) return true;
            const int eq = IndexOfAscii(bytes_, '=', line.begin, encoding_, line.end);
            if (eq < 0 || !nameIs(Trimmed(bytes_, {line.begin, eq}), key)) return true;
            const Range value = Unquoted(bytes_, Trimmed(bytes_, {eq + 1, line.end}));
            QByteArrayView bytes(bytes_.constData() + value.begin, value.end - value.begin);
            if (bytes.size() > kProfileValueLimit) {
                bytes.truncate(CharBoundaryAtOrBefore(bytes, kProfileValueLimit, encoding_));
                result.cut = true;
            }
            result.found = true;
            result.text = DecodeText(bytes, encoding_);
            return false;  // the first occurrence of a key wins
        });
    }
    if (values_.size() >= 256) values_.clear();  // only a handful of keys are ever asked for
    values_.insert(memo, result);
    return result;
}

ProfileSection Profile::section(QStringView name) const {
    ProfileSection result;
    const auto lines = body(name);
    if (!lines) return result;
    result.found = true;

    // Every line in the file's own bytes, each followed by a NUL; "key = value"
    // is given as "key=value". Lines past the limit are not looked at.
    QByteArray bytes;
    eachLine(lines->begin, lines->end, [&](Range line, int) {
        if (!IsEntry(bytes_, line)) return true;
        const int eq = IndexOfAscii(bytes_, '=', line.begin, encoding_, line.end);
        if (eq >= 0) {
            const Range key = Trimmed(bytes_, {line.begin, eq});
            const Range value = Trimmed(bytes_, {eq + 1, line.end});
            bytes.append(bytes_.constData() + key.begin, key.end - key.begin);
            bytes += '=';
            bytes.append(bytes_.constData() + value.begin, value.end - value.begin);
        } else {
            bytes.append(bytes_.constData() + line.begin, line.end - line.begin);
        }
        bytes += '\0';
        return bytes.size() <= kProfileSectionLimit;
    });
    if (bytes.size() > kProfileSectionLimit) {
        bytes.truncate(kProfileSectionLimit);
        result.cut = true;
    }

    // Decode piece by piece: a NUL is never part of a longer character.
    QStringList decoded;
    for (const QByteArray& piece : bytes.split('\0')) decoded.append(DecodeText(piece, encoding_));
    result.text = decoded.join(QChar(0));
    return result;
}

QStringList Profile::sectionNames() const {
    QStringList names;
    eachHeader([&](Range line, int, int) {
        names.append(decode(sectionName(line)));
        return true;
    });
    return names;
}

QStringList Profile::keyNames(QStringView section) const {
    QStringList keys;
    const auto lines = body(section);
    if (!lines) return keys;
    eachLine(lines->begin, lines->end, [&](Range line, int) {
        if (!IsEntry(bytes_, line)) return true;
        const int eq = IndexOfAscii(bytes_, '=', line.begin, encoding_, line.end);
        if (eq >= 0) keys.append(decode(Trimmed(bytes_, {line.begin, eq})));
        return true;
    });
    return keys;
}

ProfileString ProfileGetString(const QByteArray& file, QStringView section, QStringView key) {
    return Profile(file).value(section, key);
}

ProfileSection ProfileGetSection(const QByteArray& file, QStringView section) {
    return Profile(file).section(section);
}

QStringList ProfileSectionNames(const QByteArray& file) { return Profile(file).sectionNames(); }

QStringList ProfileKeyNames(const QByteArray& file, QStringView section) { return Profile(file).keyNames(section); }

}  // namespace startup
