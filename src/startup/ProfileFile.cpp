#include "startup/ProfileFile.h"

#include "startup/TextDecoding.h"

#include <QStringDecoder>
#include <QStringList>
#include <optional>
#include <vector>

namespace startup {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f'; }

// A file's bytes made ready for reading: UTF-16 turned into UTF-8, a UTF-8
// byte-order mark dropped, and the text encoding chosen.
struct Prepared {
    QByteArray bytes;
    TextEncoding encoding = TextEncoding::Utf8;
};

Prepared Prepare(const QByteArray& raw) {
    Prepared p;
    const auto u = [&](int i) { return static_cast<unsigned char>(raw[i]); };
    if (raw.size() >= 2 && ((u(0) == 0xFF && u(1) == 0xFE) || (u(0) == 0xFE && u(1) == 0xFF))) {
        const bool little = u(0) == 0xFF;
        QStringDecoder decode(little ? QStringConverter::Utf16LE : QStringConverter::Utf16BE);
        const qsizetype evenSize = (raw.size() - 2) & ~qsizetype(1);
        const QString text = decode(QByteArrayView(raw.constData() + 2, evenSize));
        p.bytes = text.toUtf8();
    } else if (raw.size() >= 3 && u(0) == 0xEF && u(1) == 0xBB && u(2) == 0xBF) {
        p.bytes = raw.mid(3);
    } else {
        p.bytes = raw;
    }
    p.encoding = DetectEncoding(p.bytes);
    return p;
}

// One line of the file, less the spaces around it: [begin, end).
struct Line {
    int begin;
    int end;
};

std::vector<Line> SplitLines(const QByteArray& b) {
    std::vector<Line> lines;
    const int n = static_cast<int>(b.size());
    int start = 0;
    for (int i = 0; i <= n; ++i) {
        if (i < n && b[i] != '\n' && b[i] != '\r') continue;
        int begin = start, end = i;
        // A NUL ends the line's text, as it ends a C string.
        const int nul = static_cast<int>(b.indexOf('\0', begin));
        if (nul >= 0 && nul < end) end = nul;
        while (begin < end && IsBlank(b[begin])) ++begin;
        while (end > begin && IsBlank(b[end - 1])) --end;
        lines.push_back({begin, end});
        if (i < n && b[i] == '\r' && i + 1 < n && b[i + 1] == '\n') ++i;
        start = i + 1;
    }
    return lines;
}

bool NameMatches(const Prepared& p, int begin, int end, QStringView name) {
    const QString text = DecodeText(p.bytes.mid(begin, end - begin), p.encoding);
    return QStringView(text).compare(name, Qt::CaseInsensitive) == 0;
}

// The section name of a "[name]" line, as a byte range, or nothing.
std::optional<Line> SectionName(const Prepared& p, const Line& line) {
    if (line.end <= line.begin || p.bytes[line.begin] != '[') return std::nullopt;
    const int close = IndexOfAscii(p.bytes, ']', line.begin + 1, p.encoding);
    if (close < 0 || close >= line.end) return std::nullopt;
    return Line{line.begin + 1, close};
}

// The lines of the first section with this name, or nothing.
std::optional<std::vector<Line>> FindSection(const Prepared& p, QStringView section) {
    std::optional<std::vector<Line>> found;
    bool inside = false;
    for (const Line& line : SplitLines(p.bytes)) {
        if (auto name = SectionName(p, line)) {
            if (found) break;  // the first section of that name ends here
            inside = NameMatches(p, name->begin, name->end, section);
            if (inside) found.emplace();
            continue;
        }
        if (inside) found->push_back(line);
    }
    return found;
}

bool IsEntry(const Prepared& p, const Line& line) {
    return line.end > line.begin && p.bytes[line.begin] != ';';
}

// A "key=value" line split into its trimmed key and value ranges.
struct Entry {
    Line key;
    Line value;
};

std::optional<Entry> SplitEntry(const Prepared& p, const Line& line) {
    const int eq = IndexOfAscii(p.bytes, '=', line.begin, p.encoding);
    if (eq < 0 || eq >= line.end) return std::nullopt;
    Entry e{{line.begin, eq}, {eq + 1, line.end}};
    while (e.key.end > e.key.begin && IsBlank(p.bytes[e.key.end - 1])) --e.key.end;
    while (e.value.begin < e.value.end && IsBlank(p.bytes[e.value.begin])) ++e.value.begin;
    return e;
}

}  // namespace

ProfileString ProfileGetString(const QByteArray& file, QStringView section, QStringView key) {
    ProfileString result;
    result.text = QString::fromLatin1(kProfileDefault);
    if (file.isEmpty()) return result;
    const Prepared p = Prepare(file);
    const auto lines = FindSection(p, section);
    if (!lines) return result;
    for (const Line& line : *lines) {
        if (!IsEntry(p, line)) continue;
        const auto entry = SplitEntry(p, line);
        if (!entry || !NameMatches(p, entry->key.begin, entry->key.end, key)) continue;
        QByteArray value = p.bytes.mid(entry->value.begin, entry->value.end - entry->value.begin);
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
            value = value.mid(1, value.size() - 2);
        if (value.size() > kProfileValueLimit) {
            value.truncate(CharBoundaryAtOrBefore(value, kProfileValueLimit, p.encoding));
            result.cut = true;
        }
        result.found = true;
        result.text = DecodeText(value, p.encoding);
        return result;
    }
    return result;
}

ProfileSection ProfileGetSection(const QByteArray& file, QStringView section) {
    ProfileSection result;
    if (file.isEmpty()) return result;
    const Prepared p = Prepare(file);
    const auto lines = FindSection(p, section);
    if (!lines) return result;
    result.found = true;

    // Every line in the file's own bytes, each followed by a NUL; "key = value"
    // is given as "key=value".
    QByteArray bytes;
    for (const Line& line : *lines) {
        if (!IsEntry(p, line)) continue;
        if (const auto entry = SplitEntry(p, line)) {
            bytes += p.bytes.mid(entry->key.begin, entry->key.end - entry->key.begin);
            bytes += '=';
            bytes += p.bytes.mid(entry->value.begin, entry->value.end - entry->value.begin);
        } else {
            bytes += p.bytes.mid(line.begin, line.end - line.begin);
        }
        bytes += '\0';
    }
    if (bytes.size() > kProfileSectionLimit) {
        bytes.truncate(kProfileSectionLimit);
        result.cut = true;
    }

    // Decode piece by piece: a NUL is never part of a longer character.
    const QList<QByteArray> pieces = bytes.split('\0');
    QStringList decoded;
    decoded.reserve(pieces.size());
    for (const QByteArray& piece : pieces) decoded.append(DecodeText(piece, p.encoding));
    result.text = decoded.join(QChar(0));
    return result;
}

QStringList ProfileSectionNames(const QByteArray& file) {
    QStringList names;
    if (file.isEmpty()) return names;
    const Prepared p = Prepare(file);
    for (const Line& line : SplitLines(p.bytes))
        if (const auto name = SectionName(p, line))
            names.append(DecodeText(p.bytes.mid(name->begin, name->end - name->begin), p.encoding));
    return names;
}

QStringList ProfileKeyNames(const QByteArray& file, QStringView section) {
    QStringList keys;
    if (file.isEmpty()) return keys;
    const Prepared p = Prepare(file);
    const auto lines = FindSection(p, section);
    if (!lines) return keys;
    for (const Line& line : *lines) {
        if (!IsEntry(p, line)) continue;
        if (const auto entry = SplitEntry(p, line))
            keys.append(DecodeText(p.bytes.mid(entry->key.begin, entry->key.end - entry->key.begin), p.encoding));
    }
    return keys;
}

}  // namespace startup
