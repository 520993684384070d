// The character fields that show numbers in output records. Each function
// appends exactly `width` characters to `out`: the number right-justified,
// or asterisks filling the field when the number does not fit.
#pragma once

#include <cstdint>
#include <string>

namespace tensor3d {

inline constexpr int freeFormRealWidth = 15;
inline constexpr int freeFormIntegerWidth = 12;

// Seven significant digits: fixed-point form from 0.1 up to 9999999, in 11
// characters followed by 4 blanks; exponent form d.dddddddE+xx otherwise.
void appendFreeFormReal(std::string& out, float value);

// The value with exactly `decimals` digits after the point.
void appendFixedField(std::string& out, float value, int width, int decimals);

// The value as 0.d1...dd followed by E and a signed two-digit exponent;
// `digits` is at least 1.
void appendExponentField(std::string& out, float value, int width, int digits);

void appendIntegerField(std::string& out, std::int32_t value, int width);

}  // namespace tensor3d
