// The fixed 10x10 single-precision storage in which every matrix and 3-vector
// of the analysis lives, column by column, indices from 1.
#pragma once

#include <array>
#include <cstdint>

namespace tensor3d {

struct Matrix10 {
  std::array<float, 100> elements{};

  float& operator()(int i, int j) { return elements[(i - 1) + 10 * (j - 1)]; }
  float operator()(int i, int j) const { return elements[(i - 1) + 10 * (j - 1)]; }
};

// A 3x3 tensor held in the leading block of a Matrix10.
using Tensor3 = Matrix10;

// c(1..rows, 1..cols) = a(1..rows, 1..inner) * b(1..inner, 1..cols), summed
// left to right in single precision; nothing else of c is written.
void matrixProduct(const Matrix10& a, const std::int32_t& rows, const std::int32_t& inner,
                   const Matrix10& b, const std::int32_t& cols, Matrix10& c);

// The leading n x n block of m becomes the identity; the rest is unchanged.
void setIdentity(Matrix10& m, std::int32_t n);

}  // namespace tensor3d
