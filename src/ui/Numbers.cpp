#include "ui/Numbers.h"
#include "ui/Errors.h"
#include <cmath>
#include <limits>

namespace ui {

double RoundHalfEven(double v) {
    if (!std::isfinite(v)) return v;
    double floor = std::floor(v);
    double diff = v - floor;
    if (diff > 0.5) return floor + 1;
    if (diff < 0.5) return floor;
    return std::fmod(floor, 2.0) == 0 ? floor : floor + 1;
}

namespace {
template <typename T>
T toInteger(double v, const char* kind) {
    double r = RoundHalfEven(v);
    if (!std::isfinite(r) || r < double(std::numeric_limits<T>::min()) || r > double(std::numeric_limits<T>::max()))
        throw OverflowError(QStringLiteral("Overflow: %1 does not fit in a %2 integer").arg(v).arg(kind));
    return static_cast<T>(r);
}
}  // namespace

int16_t CInt(double v) { return toInteger<int16_t>(v, "16-bit"); }
int32_t CLng(double v) { return toInteger<int32_t>(v, "32-bit"); }

double TextToNumber(const QString& text) {
    const QString t = text.trimmed();
    bool ok = false;
    double v = 0;
    if (t.startsWith(QLatin1String("&H"), Qt::CaseInsensitive)) {
        qlonglong h = t.mid(2).toLongLong(&ok, 16);
        v = double(h);
    } else if (!t.isEmpty()) {
        // Only plain decimal notation: digits, one point, an exponent, a sign.
        bool plain = true;
        for (QChar c : t) {
            if (!(c.isDigit() && c.unicode() < 128) && c != u'.' && c != u'-' && c != u'+' && c != u'e' && c != u'E') {
                plain = false;
                break;
            }
        }
        if (plain) v = t.toDouble(&ok);
        if (ok && !std::isfinite(v)) ok = false;
    }
    if (!ok) throw TypeMismatchError(QStringLiteral("Type mismatch: \"%1\" is not a number").arg(text));
    return v;
}

namespace {
template <typename T>
T checked(int64_t v, const char* op) {
    if (v < std::numeric_limits<T>::min() || v > std::numeric_limits<T>::max())
        throw OverflowError(QStringLiteral("Overflow in %1: %2").arg(op).arg(v));
    return static_cast<T>(v);
}
}  // namespace

int16_t Add16(int a, int b) { return checked<int16_t>(int64_t(a) + b, "16-bit addition"); }
int16_t Sub16(int a, int b) { return checked<int16_t>(int64_t(a) - b, "16-bit subtraction"); }
int16_t Mul16(int a, int b) { return checked<int16_t>(int64_t(a) * b, "16-bit multiplication"); }
int32_t Add32(int64_t a, int64_t b) { return checked<int32_t>(a + b, "32-bit addition"); }
int32_t Sub32(int64_t a, int64_t b) { return checked<int32_t>(a - b, "32-bit subtraction"); }
int32_t Mul32(int64_t a, int64_t b) {
    int64_t p = 0;
    if (__builtin_mul_overflow(a, b, &p)) throw OverflowError(QStringLiteral("Overflow in 32-bit multiplication"));
    return checked<int32_t>(p, "32-bit multiplication");
}

}  // namespace ui
