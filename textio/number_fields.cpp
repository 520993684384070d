#include "textio/number_fields.hpp"

#include <array>
#include <cassert>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdlib>
#include <string_view>
#include <system_error>

namespace tensor3d {
namespace {

// Room for every field text built here: the 39 integer digits of the largest
// float, a sign, a point and up to maxDecimals decimals.
[[maybe_unused]] constexpr int maxDecimals = 80;

// A field's text before justification, built without heap allocation.
class FieldText {
 public:
  void push(char c) { chars_[size_++] = c; }
  void append(std::string_view text) {
    text.copy(chars_.data() + size_, text.size());
    size_ += text.size();
  }
  // Appends `value` as std::to_chars writes it with `format` (a chars_format
  // and a precision, or nothing for an integer).
  template <typename Number, typename... Format>
  void appendNumber(Number value, Format... format) {
    [[maybe_unused]] const auto [end, error] =
        std::to_chars(chars_.data() + size_, chars_.data() + chars_.size(), value, format...);
    assert(error == std::errc{});
    size_ = static_cast<std::size_t>(end - chars_.data());
  }
  [[nodiscard]] std::string_view view() const { return {chars_.data(), size_}; }

 private:
  std::array<char, 128> chars_{};
  std::size_t size_ = 0;
};

// A magnitude rounded once to `count` significant digits:
// d1.d2...dcount times ten to the power `exponent` (all zeros and 0 for zero).
struct Significand {
  FieldText digits;
  int exponent = 0;
};

Significand roundToSignificant(float magnitude, int count) {
  FieldText scientific;
  scientific.appendNumber(magnitude, std::chars_format::scientific, count - 1);
  const std::string_view text = scientific.view();  // d.ddde+xx, or de+xx for one digit
  const std::size_t e = text.find('e');
  Significand result;
  result.digits.push(text[0]);
  if (e > 1) result.digits.append(text.substr(2, e - 2));
  std::from_chars(text.data() + e + 2, text.data() + text.size(), result.exponent);
  if (text[e + 1] == '-') result.exponent = -result.exponent;
  return result;
}

// E, the exponent's sign and at least two digits.
void appendExponent(FieldText& text, int exponent) {
  text.push('E');
  text.push(exponent < 0 ? '-' : '+');
  const int magnitude = std::abs(exponent);
  if (magnitude < 10) text.push('0');
  text.appendNumber(magnitude);
}

void appendRightJustified(std::string& out, bool minus, std::string_view body, int width) {
  const std::size_t length = body.size() + (minus ? 1 : 0);
  const auto room = static_cast<std::size_t>(width);
  if (length > room) {
    out.append(room, '*');
    return;
  }
  out.append(room - length, ' ');
  if (minus) out += '-';
  out.append(body);
}

// Not-a-number and the infinities read the same in every kind of real field.
bool appendSpecialValue(std::string& out, float value, int width) {
  if (std::isnan(value)) {
    appendRightJustified(out, false, "NaN", width);
    return true;
  }
  if (!std::isinf(value)) return false;
  const bool minus = value < 0.0f;
  const std::string_view word = width >= (minus ? 9 : 8) ? "Infinity" : "Inf";
  appendRightJustified(out, minus, word, width);
  return true;
}

}  // namespace

void appendFreeFormReal(std::string& out, float value) {
  if (appendSpecialValue(out, value, freeFormRealWidth)) return;
  const float magnitude = std::fabs(value);
  const bool minus = value < 0.0f;
  FieldText text;
  if (magnitude != 0.0f) {
    const Significand seven = roundToSignificant(magnitude, 7);
    // Digits before the point once the value is written 0.d1...d7 times 10^D.
    const int before = seven.exponent + 1;
    if (before >= 0 && before <= 7) {
      const std::string_view digits = seven.digits.view();
      const auto split = static_cast<std::size_t>(before);
      if (before == 0) text.push('0');
      text.append(digits.substr(0, split));
      text.push('.');
      text.append(digits.substr(split));
      appendRightJustified(out, minus, text.view(), freeFormRealWidth - 4);
      out.append(4, ' ');
      return;
    }
  }
  const Significand eight = roundToSignificant(magnitude, 8);
  const std::string_view digits = eight.digits.view();
  text.push(digits[0]);
  text.push('.');
  text.append(digits.substr(1));
  appendExponent(text, eight.exponent);
  appendRightJustified(out, minus, text.view(), freeFormRealWidth);
}

void appendFixedField(std::string& out, float value, int width, int decimals) {
  assert(decimals >= 0 && decimals <= maxDecimals);
  if (appendSpecialValue(out, value, width)) return;
  FieldText text;
  text.appendNumber(std::fabs(value), std::chars_format::fixed, decimals);
  if (decimals == 0) text.push('.');
  std::string_view body = text.view();
  const bool minus = value < 0.0f && body.find_first_of("123456789") != std::string_view::npos;
  // Below 1 the zero before the point is shown only when the field has room.
  if (body.size() + (minus ? 1 : 0) > static_cast<std::size_t>(width) && body.starts_with("0.")) {
    body.remove_prefix(1);
  }
  appendRightJustified(out, minus, body, width);
}

void appendExponentField(std::string& out, float value, int width, int digits) {
  assert(digits >= 1 && digits <= maxDecimals);
  if (appendSpecialValue(out, value, width)) return;
  const float magnitude = std::fabs(value);
  const Significand rounded = roundToSignificant(magnitude, digits);
  FieldText text;
  text.append("0.");
  text.append(rounded.digits.view());
  appendExponent(text, magnitude == 0.0f ? 0 : rounded.exponent + 1);
  // Rounding to significant digits keeps a nonzero value's digits nonzero.
  appendRightJustified(out, value < 0.0f, text.view(), width);
}

void appendIntegerField(std::string& out, std::int32_t value, int width) {
  FieldText text;
  text.appendNumber(value);
  appendRightJustified(out, false, text.view(), width);
}

}  // namespace tensor3d
