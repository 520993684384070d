#include "tensor/direction_frame.hpp"

#include <algorithm>
#include <cstddef>

namespace tensor3d {

bool frameEquals(const std::array<char, 10>& frame, std::string_view literal) {
  const std::size_t length = std::max(frame.size(), literal.size());
  for (std::size_t i = 0; i < length; ++i) {
    const char a = i < frame.size() ? frame[i] : ' ';
    const char b = i < literal.size() ? literal[i] : ' ';
    if (a != b) return false;
  }
  return true;
}

}  // namespace tensor3d
