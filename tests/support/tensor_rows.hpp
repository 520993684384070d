// A tensor for a test, written row by row as the data file gives it.
#pragma once

#include <array>

#include "tensor/matrix10.hpp"

namespace tensor3d::testing {

using Rows = std::array<std::array<float, 3>, 3>;

inline Tensor3 tensorOf(const Rows& rows) {
  Tensor3 t;
  for (int i = 1; i <= 3; ++i) {
    for (int j = 1; j <= 3; ++j) t(i, j) = rows[i - 1][j - 1];
  }
  return t;
}

}  // namespace tensor3d::testing
