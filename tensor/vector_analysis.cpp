#include "tensor/vector_analysis.hpp"

#include <cmath>

namespace tensor3d {

VectorAnalysis analyseVector(const Matrix10& tensor, const std::array<float, 3>& u,
                             Matrix10& vectorMatrix, Matrix10& productMatrix) {
  for (int r = 1; r <= 3; ++r) vectorMatrix(r, 1) = u[r - 1];
  matrixProduct(tensor, 3, 3, vectorMatrix, 1, productMatrix);
  VectorAnalysis result;
  result.w = {productMatrix(1, 1), productMatrix(2, 1), productMatrix(3, 1)};
  const std::array<float, 3>& w = result.w;
  result.q = (w[0] * w[0] + w[1] * w[1]) + w[2] * w[2];
  result.m = std::sqrt(result.q);
  result.s = (w[0] * u[0] + w[1] * u[1]) + w[2] * u[2];
  // Along a principal direction w is parallel to u and rounding can leave
  // q - s*s a little below zero: the shear is then zero, not NaN. A NaN
  // difference (NaN input) stays NaN.
  float across = result.q - result.s * result.s;
  if (across < 0.0f) across = 0.0f;
  result.h = std::sqrt(across);
  return result;
}

}  // namespace tensor3d
