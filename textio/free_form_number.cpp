#include "textio/free_form_number.hpp"

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <string>
#include <system_error>

namespace tensor3d {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isSign(char c) { return c == '+' || c == '-'; }
char upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }
bool isExponentLetter(char c) { return upper(c) == 'E' || upper(c) == 'D' || upper(c) == 'Q'; }

// The conversion routines take a minus sign but no plus sign.
std::string_view withoutPlus(std::string_view text) {
  if (text.starts_with('+')) text.remove_prefix(1);
  return text;
}

bool isLogical(std::string_view value) {
  const std::size_t letter = value.starts_with('.') ? 1 : 0;
  return letter < value.size() && (upper(value[letter]) == 'T' || upper(value[letter]) == 'F');
}

bool isWord(std::string_view value) {
  if (!value.empty() && isSign(value.front())) value.remove_prefix(1);
  const auto is = [value](std::string_view word) {
    return std::ranges::equal(value, word, [](char a, char b) { return upper(a) == b; });
  };
  return is("INF") || is("INFINITY") || is("NAN");
}

// A value of number shape, split around its exponent letter.
struct NumberShape {
  std::string_view mantissa;  // with its sign
  std::string_view exponent;  // after the letter, with its sign; empty without a letter
  bool hasPoint = false;
  bool hasExponent = false;
};

std::optional<NumberShape> scanShape(std::string_view value) {
  NumberShape shape;
  std::size_t i = !value.empty() && isSign(value.front()) ? 1 : 0;
  bool anyDigit = false;
  for (; i < value.size(); ++i) {
    if (isDigit(value[i])) {
      anyDigit = true;
    } else if (value[i] == '.' && !shape.hasPoint) {
      shape.hasPoint = true;
    } else {
      break;
    }
  }
  if (!anyDigit) return std::nullopt;
  shape.mantissa = value.substr(0, i);
  if (i == value.size()) return shape;
  if (!isExponentLetter(value[i])) return std::nullopt;
  shape.hasExponent = true;
  shape.exponent = value.substr(i + 1);
  std::size_t digit = !shape.exponent.empty() && isSign(shape.exponent.front()) ? 1 : 0;
  if (digit == shape.exponent.size()) return std::nullopt;
  for (; digit < shape.exponent.size(); ++digit) {
    if (!isDigit(shape.exponent[digit])) return std::nullopt;
  }
  return shape;
}

// For a nonzero value outside the float range: whether it lies above the
// range rather than below it, judged by the decimal exponent of its first
// significant digit.
bool aboveFloatRange(const NumberShape& shape) {
  std::string_view digits = shape.mantissa;
  if (isSign(digits.front())) digits.remove_prefix(1);
  const std::size_t point = std::min(digits.find('.'), digits.size());
  const std::size_t first = digits.find_first_not_of("0.");
  const long long leading =
      static_cast<long long>(point) - static_cast<long long>(first) - (first < point ? 1 : 0);
  const std::string_view exponentText = withoutPlus(shape.exponent);
  int exponent = 0;
  const auto result =
      std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), exponent);
  if (result.ec == std::errc::result_out_of_range) return !exponentText.starts_with('-');
  return leading + exponent > 0;
}

}  // namespace

std::optional<ErrorNumber> convertInteger(std::string_view value, std::int32_t& item) {
  if (isLogical(value) || isWord(value)) return ErrorNumber::ConversionError;
  const std::optional<NumberShape> shape = scanShape(value);
  if (!shape) return ErrorNumber::SyntaxError;
  if (shape->hasPoint || shape->hasExponent) return ErrorNumber::ConversionError;
  const std::string_view digits = withoutPlus(value);
  std::int32_t converted = 0;
  const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), converted);
  if (result.ec != std::errc{}) return ErrorNumber::ConversionError;
  item = converted;
  return std::nullopt;
}

std::optional<ErrorNumber> convertReal(std::string_view value, float& item) {
  if (isLogical(value)) return ErrorNumber::ConversionError;
  std::string text;
  std::optional<NumberShape> shape;
  if (isWord(value)) {
    text = withoutPlus(value);
  } else {
    shape = scanShape(value);
    if (!shape) return ErrorNumber::SyntaxError;
    text = withoutPlus(shape->mantissa);
    if (shape->hasExponent) {
      text += 'e';
      text += shape->exponent;
    }
  }
  float converted = 0.0f;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), converted);
  if (result.ec == std::errc::result_out_of_range) {
    if (aboveFloatRange(*shape)) return ErrorNumber::ConversionError;
    converted = text.starts_with('-') ? -0.0f : 0.0f;
  }
  item = converted;
  return std::nullopt;
}

}  // namespace tensor3d
