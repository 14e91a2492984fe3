#pragma once
// The runtime's number rules: converting a floating-point value to an integer
// rounds to the nearest integer with halves to even; 16-bit and 32-bit integers
// raise OverflowError instead of wrapping; text that is no number raises
// TypeMismatchError.
#include <QString>
#include <cstdint>

namespace ui {

// Nearest integer, halves to even (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
double RoundHalfEven(double v);

// To a 16-bit signed integer, rounding half to even; OverflowError outside
// -32768..32767 (and for NaN).
int16_t CInt(double v);
// To a 32-bit signed integer, the same way.
int32_t CLng(double v);

// Text to a number: spaces around it allowed, an optional sign, digits with an
// optional fraction and exponent ("12", " 1.5 ", "-3", "1e2"), or "&H" hex.
// Anything else (the empty text included) raises TypeMismatchError.
double TextToNumber(const QString& text);

// Text to a 16-bit integer as the runtime converts it: TextToNumber, then CInt.
inline int16_t CIntText(const QString& text) { return CInt(TextToNumber(text)); }

// 16-bit arithmetic that raises OverflowError instead of wrapping.
int16_t Add16(int a, int b);
int16_t Sub16(int a, int b);
int16_t Mul16(int a, int b);

// 32-bit arithmetic that raises OverflowError instead of wrapping.
int32_t Add32(int64_t a, int64_t b);
int32_t Sub32(int64_t a, int64_t b);
int32_t Mul32(int64_t a, int64_t b);

// Twips inside controls and outer window sizes: always 15 per pixel.
constexpr int TwipsPerPixel = 15;

}  // namespace ui
