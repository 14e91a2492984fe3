#include "GbkText.h"

#include <cerrno>
#include <iconv.h>

namespace demo {

std::optional<QByteArray> ToGbk(const QString& text) {
    iconv_t cd = iconv_open("GBK", "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
    QByteArray in = text.toUtf8();
    QByteArray out(in.size() * 2 + 16, '\0');
    char* inPtr = in.data();
    size_t inLeft = size_t(in.size());
    char* outPtr = out.data();
    size_t outLeft = size_t(out.size());
    const size_t done = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    iconv_close(cd);
    if (done == size_t(-1) || inLeft != 0) return std::nullopt;
    out.resize(out.size() - int(outLeft));
    return out;
}

}  // namespace demo
