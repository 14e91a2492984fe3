#include "startup/TextDecoding.h"

#include <cerrno>
#include <cstring>
#include <iconv.h>
#include <vector>

namespace startup {

namespace {

unsigned char At(QByteArrayView b, int i) { return static_cast<unsigned char>(b[i]); }

// Length of a well-formed UTF-8 sequence at pos, or 0 when it is not one.
int Utf8SequenceLength(QByteArrayView b, int pos) {
    const int n = static_cast<int>(b.size());
    const unsigned char c = At(b, pos);
    if (c < 0x80) return 1;
    int len = 0;
    unsigned char lo = 0x80, hi = 0xBF;  // allowed range of the second byte
    if (c >= 0xC2 && c <= 0xDF) {
        len = 2;
    } else if (c >= 0xE0 && c <= 0xEF) {
        len = 3;
        if (c == 0xE0) lo = 0xA0;        // no overlong forms
        if (c == 0xED) hi = 0x9F;        // no surrogates
    } else if (c >= 0xF0 && c <= 0xF4) {
        len = 4;
        if (c == 0xF0) lo = 0x90;
        if (c == 0xF4) hi = 0x8F;        // nothing above U+10FFFF
    } else {
        return 0;
    }
    if (pos + len > n) return 0;
    if (At(b, pos + 1) < lo || At(b, pos + 1) > hi) return 0;
    for (int k = 2; k < len; ++k)
        if ((At(b, pos + k) & 0xC0) != 0x80) return 0;
    return len;
}

bool IsAscii(QByteArrayView bytes) {
    for (char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}

}  // namespace

bool IsValidUtf8(QByteArrayView bytes) {
    const int n = static_cast<int>(bytes.size());
    for (int i = 0; i < n;) {
        // Runs of ASCII eight bytes at a time: most of a file is ASCII.
        quint64 eight = 0;
        while (i + 8 <= n && (std::memcpy(&eight, bytes.data() + i, 8), (eight & 0x8080808080808080ull) == 0)) i += 8;
        if (i >= n) break;
        const int len = Utf8SequenceLength(bytes, i);
        if (len == 0) return false;
        i += len;
    }
    return true;
}

TextEncoding DetectEncoding(QByteArrayView bytes) {
    return IsValidUtf8(bytes) ? TextEncoding::Utf8 : TextEncoding::Gb18030;
}

int CharLength(QByteArrayView bytes, int pos, TextEncoding encoding) {
    const int left = static_cast<int>(bytes.size()) - pos;
    if (left <= 0) return 1;
    const unsigned char c = At(bytes, pos);
    if (c < 0x80) return 1;
    int len = 1;
    if (encoding == TextEncoding::Utf8) {
        const int valid = Utf8SequenceLength(bytes, pos);
        if (valid > 0) {
            len = valid;
        } else {
            // A sequence cut off at the end: count its lead and continuation bytes.
            len = 1;
            while (len < left && len < 4 && (At(bytes, pos + len) & 0xC0) == 0x80) ++len;
        }
    } else if (c >= 0x81 && c <= 0xFE) {
        // GB18030: a lead byte followed by a digit starts a four-byte character,
        // anything else a two-byte one.
        if (left >= 2 && At(bytes, pos + 1) >= 0x30 && At(bytes, pos + 1) <= 0x39)
            len = 4;
        else
            len = 2;
    }
    return len < left ? len : left;
}

int CharBoundaryAtOrBefore(QByteArrayView bytes, int limit, TextEncoding encoding) {
    const int n = static_cast<int>(bytes.size());
    if (limit >= n) return n;
    if (encoding == TextEncoding::Utf8) {
        int end = limit;
        while (end > 0 && (At(bytes, end) & 0xC0) == 0x80) --end;
        return end;
    }
    int pos = 0;
    while (pos < limit) {
        const int len = CharLength(bytes, pos, encoding);
        if (pos + len > limit) break;
        pos += len;
    }
    return pos;
}

int IndexOfAscii(QByteArrayView bytes, char ch, int from, TextEncoding encoding, int to) {
    const int n = static_cast<int>(bytes.size());
    const int end = (to < 0 || to > n) ? n : to;
    if (from >= end) return -1;
    if (encoding == TextEncoding::Utf8) {
        // An ASCII byte is never part of a longer UTF-8 character.
        const void* hit = std::memchr(bytes.data() + from, ch, static_cast<size_t>(end - from));
        return hit ? static_cast<int>(static_cast<const char*>(hit) - bytes.data()) : -1;
    }
    for (int pos = from; pos < end; pos += CharLength(bytes, pos, encoding))
        if (bytes[pos] == ch) return pos;
    return -1;
}

namespace {

// One converter for the thread, opened once: opening one costs far more than
// converting a short name or value, and the reader decodes many of them.
class Gb18030Converter {
public:
    Gb18030Converter() : cd_(iconv_open("UTF-8", "GB18030")) {}
    ~Gb18030Converter() {
        if (ok()) iconv_close(cd_);
    }
    Gb18030Converter(const Gb18030Converter&) = delete;
    Gb18030Converter& operator=(const Gb18030Converter&) = delete;
    bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
    iconv_t handle() {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);  // back to the initial state
        return cd_;
    }

private:
    iconv_t cd_;
};

QString DecodeGb18030(QByteArrayView bytes) {
    thread_local Gb18030Converter converter;
    if (!converter.ok()) {
        // No converter: keep what is ASCII, mark the rest.
        QString out;
        out.reserve(bytes.size());
        for (char c : bytes) out += (static_cast<unsigned char>(c) < 0x80) ? QChar(c) : QChar(0xFFFD);
        return out;
    }
    iconv_t cd = converter.handle();
    QByteArray utf8;
    std::vector<char> buffer(static_cast<size_t>(bytes.size()) * 4 + 16);
    QByteArray input = bytes.toByteArray();
    char* in = input.data();
    size_t inLeft = static_cast<size_t>(input.size());
    while (inLeft > 0) {
        char* out = buffer.data();
        size_t outLeft = buffer.size();
        const size_t rc = iconv(cd, &in, &inLeft, &out, &outLeft);
        utf8.append(buffer.data(), static_cast<qsizetype>(buffer.size() - outLeft));
        if (rc != static_cast<size_t>(-1)) break;
        if (errno == EINVAL) break;  // a character cut off at the end: dropped
        if (errno == EILSEQ) {
            utf8.append("\xEF\xBF\xBD");  // U+FFFD for the byte that does not decode
            ++in;
            --inLeft;
        }
        // E2BIG cannot happen with four output bytes per input byte; loop again anyway.
    }
    return QString::fromUtf8(utf8);
}

}  // namespace

QString DecodeText(QByteArrayView bytes, TextEncoding encoding) {
    // ASCII reads the same in both encodings; most names and values are ASCII.
    if (IsAscii(bytes)) return QString::fromLatin1(bytes.data(), bytes.size());
    if (encoding == TextEncoding::Gb18030) return DecodeGb18030(bytes);
    const int end = CharBoundaryAtOrBefore(bytes, static_cast<int>(bytes.size()), encoding);
    // A sequence cut at the end of the piece is dropped; fromUtf8 marks anything
    // else that is invalid with U+FFFD.
    int cut = end;
    if (cut == bytes.size()) {
        int start = cut;
        while (start > 0 && (At(bytes, start - 1) & 0xC0) == 0x80) --start;
        if (start > 0 && At(bytes, start - 1) >= 0xC0) {
            const int lead = start - 1;
            if (Utf8SequenceLength(bytes, lead) == 0 && cut - lead < 4) cut = lead;
        }
    }
    return QString::fromUtf8(bytes.data(), cut);
}

}  // namespace startup
