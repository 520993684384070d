// The frame text of a direction entry: general or principal axes.
#pragma once

#include <array>
#include <string_view>

namespace tensor3d {

// Byte-wise, case-sensitive comparison of the 10-character frame with a
// literal, the shorter of the two counting as padded with blanks.
bool frameEquals(const std::array<char, 10>& frame, std::string_view literal);

}  // namespace tensor3d
