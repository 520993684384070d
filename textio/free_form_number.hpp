// Conversion of a free-form number value (the bytes between two separators)
// into a 4-byte integer or real item.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "textio/termination.hpp"

namespace tensor3d {

// Each returns the error that ends the run, or nothing once `item` holds the
// value. A failed conversion leaves `item` unchanged.
//
// Shape of a number: an optional sign, digits with at most one point (at
// least one digit), then optionally an exponent letter E, D or Q (either
// case), an optional sign and at least one digit; for reals also the words
// Inf, Infinity and NaN (any case, optional sign). Anything else is a syntax
// error, except a logical value: an optional point followed by T or F (either
// case) starts a logical value whatever follows, and a logical value for a
// number item is a conversion error ("true" and ".F." as well as "T").
//
// Integers take neither a point nor an exponent nor the words (conversion
// error), and must lie in the 32-bit range (conversion error otherwise).
// Reals round to the nearest float; a finite value above the float range is a
// conversion error, one below half the smallest denormal gives a signed zero.
std::optional<ErrorNumber> convertInteger(std::string_view value, std::int32_t& item);
std::optional<ErrorNumber> convertReal(std::string_view value, float& item);

}  // namespace tensor3d
