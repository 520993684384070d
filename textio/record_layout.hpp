// Field-by-field layouts for output statements. A layout is a flat constant
// array of elements; a group element owns the `groupLength` elements that
// follow it (nested groups included).
#pragma once

#include <span>
#include <string_view>

namespace tensor3d {

struct LayoutElement {
  enum class Kind {
    Literal,
    RecordBreak,
    Group,
    TextField,
    FixedField,
    ExponentField,
    IntegerField
  };
  Kind kind;
  int width = 0;
  int decimals = 0;
  int repeat = 1;
  int groupLength = 0;
  std::string_view literal{};
};

using RecordLayout = std::span<const LayoutElement>;

namespace layout {
constexpr LayoutElement literal(std::string_view text) {
  return {LayoutElement::Kind::Literal, 0, 0, 1, 0, text};
}
constexpr LayoutElement recordBreak() { return {LayoutElement::Kind::RecordBreak}; }
// `length` elements follow and are processed `repeat` times.
constexpr LayoutElement group(int repeat, int length) {
  return {LayoutElement::Kind::Group, 0, 0, repeat, length};
}
constexpr LayoutElement text(int width, int repeat = 1) {
  return {LayoutElement::Kind::TextField, width, 0, repeat};
}
constexpr LayoutElement fixed(int width, int decimals, int repeat = 1) {
  return {LayoutElement::Kind::FixedField, width, decimals, repeat};
}
constexpr LayoutElement exponent(int width, int digits, int repeat = 1) {
  return {LayoutElement::Kind::ExponentField, width, digits, repeat};
}
constexpr LayoutElement integer(int width, int repeat = 1) {
  return {LayoutElement::Kind::IntegerField, width, 0, repeat};
}
}  // namespace layout

}  // namespace tensor3d
