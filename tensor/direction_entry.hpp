// One direction of the problem's list.
#pragma once

#include <array>

namespace tensor3d {

inline constexpr int maxDirections = 20;

struct DirectionEntry {
  std::array<char, 10> frame{' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' '};
  std::array<float, 3> components{};
  std::array<float, 3> unitVector{};
};

}  // namespace tensor3d
