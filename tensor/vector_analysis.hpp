// The vector a tensor assigns to a unit direction, split into its part along
// the direction and its part across it.
#pragma once

#include <array>

#include "tensor/matrix10.hpp"

namespace tensor3d {

struct VectorAnalysis {
  std::array<float, 3> w{};  // M u
  float q = 0.0f;            // squared length of w
  float m = 0.0f;            // length of w
  float s = 0.0f;            // component of w along u
  float h = 0.0f;            // component of w across u
};

// The vector matrix and the product matrix are the caller's work storage:
// u goes into column 1 of the first, M u arrives in column 1 of the second.
VectorAnalysis analyseVector(const Matrix10& tensor, const std::array<float, 3>& u,
                             Matrix10& vectorMatrix, Matrix10& productMatrix);

}  // namespace tensor3d
