#include "disc/NameDecoding.h"

#include <QStringDecoder>
#include <cerrno>
#include <iconv.h>
#include <vector>

namespace disc {

namespace {

// GB18030 through iconv (Qt's own codecs may lack it without ICU); empty when
// the bytes are not GB18030 either.
QString fromGb18030(const QByteArray& bytes) {
    iconv_t cd = iconv_open("UTF-8", "GB18030");
    if (cd == iconv_t(-1)) return {};
    std::vector<char> out(size_t(bytes.size()) * 4 + 4);
    char* in = const_cast<char*>(bytes.constData());
    size_t inLeft = size_t(bytes.size());
    char* to = out.data();
    size_t outLeft = out.size();
    const size_t r = iconv(cd, &in, &inLeft, &to, &outLeft);
    iconv_close(cd);
    if (r == size_t(-1) || inLeft != 0) return {};
    return QString::fromUtf8(out.data(), qsizetype(to - out.data()));
}

}  // namespace

QString decodeLocalName(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    if (!utf8.hasError()) return text;
    const QString gbk = fromGb18030(bytes);
    return gbk.isEmpty() ? QString::fromLatin1(bytes) : gbk;
}

QString decodeJolietName(const QByteArray& bytes) {
    QString name;
    name.reserve(bytes.size() / 2);
    for (qsizetype i = 0; i + 1 < bytes.size(); i += 2)
        name.append(QChar(char16_t((uint8_t(bytes[i]) << 8) | uint8_t(bytes[i + 1]))));
    return name;
}

QString stripVersion(QString name, bool dropTrailingDot) {
    const qsizetype semicolon = name.lastIndexOf(u';');
    if (semicolon > 0) {
        bool digits = true;
        for (qsizetype i = semicolon + 1; i < name.size(); ++i) digits = digits && name[i].isDigit();
        if (digits) name.truncate(semicolon);
    }
    if (dropTrailingDot && name.size() > 1 && name.endsWith(u'.')) name.chop(1);
    return name;
}

}  // namespace disc
