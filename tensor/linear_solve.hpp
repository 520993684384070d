// Gauss-Jordan elimination with full pivoting on matrices with 20 values per
// column.
#pragma once

#include <array>
#include <cstdint>

#include "textio/record_writer.hpp"

namespace tensor3d {

// n x m storage with a leading dimension of 20: element (i, j) at
// (i - 1) + 20 * (j - 1).
struct Matrix20 {
  std::array<float, 400> elements{};

  float& operator()(int i, int j) { return elements[(i - 1) + 20 * (j - 1)]; }
  float operator()(int i, int j) const { return elements[(i - 1) + 20 * (j - 1)]; }
};

// Solves A X = B: X replaces B (n x m), the inverse replaces A (n x n). A
// pivot below the singularity threshold writes the singular-matrix record to
// `results` and ends the run with status 0.
void gaussJordanSolve(const std::int32_t& n, const std::int32_t& m, Matrix20& a, Matrix20& b,
                      RecordWriter& results);

}  // namespace tensor3d
