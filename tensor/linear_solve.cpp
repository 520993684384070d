#include "tensor/linear_solve.hpp"

#include <array>
#include <cmath>
#include <utility>

#include "textio/system_texts.hpp"
#include "textio/termination.hpp"

namespace tensor3d {
namespace {

// The single-precision value nearest to 1e-8.
constexpr float singularityThreshold = 1.0e-8f;

constexpr LayoutElement singularLayout[] = {
    layout::recordBreak(),
    layout::literal(texts::singularMatrix),
};

// Pivot bookkeeping, kept for the whole run in fixed storage and held as reals
// that carry whole numbers; row and column numbers are read back by truncation.
std::array<float, 20> pivotFlags{};
std::array<float, 20> pivotRows{};
std::array<float, 20> pivotColumns{};

std::int32_t wholeNumber(float value) { return static_cast<std::int32_t>(value); }

struct Pivot {
  std::int32_t row = 0;
  std::int32_t column = 0;
};

// Largest magnitude among the rows and columns not yet pivoted. A candidate is
// taken unless the one held is strictly larger, so the last of equal
// magnitudes wins and a NaN is always taken.
Pivot searchPivot(std::int32_t n, const Matrix20& a) {
  Pivot pivot;
  float big = 0.0f;
  for (std::int32_t j = 1; j <= n; ++j) {
    if (pivotFlags[j - 1] == 1.0f) continue;
    for (std::int32_t l = 1; l <= n; ++l) {
      if (pivotFlags[l - 1] == 1.0f) continue;
      if (!(std::fabs(big) > std::fabs(a(j, l)))) {
        big = a(j, l);
        pivot = {j, l};
      }
    }
  }
  return pivot;
}

void swapRows(Matrix20& x, std::int32_t columns, std::int32_t first, std::int32_t second) {
  for (std::int32_t l = 1; l <= columns; ++l) std::swap(x(first, l), x(second, l));
}

void swapColumns(Matrix20& x, std::int32_t rows, std::int32_t first, std::int32_t second) {
  for (std::int32_t i = 1; i <= rows; ++i) std::swap(x(i, first), x(i, second));
}

}  // namespace

void gaussJordanSolve(const std::int32_t& n, const std::int32_t& m, Matrix20& a, Matrix20& b,
                      RecordWriter& results) {
  for (std::int32_t l = 1; l <= n; ++l) pivotFlags[l - 1] = 0.0f;
  for (std::int32_t k = 1; k <= n; ++k) {
    const Pivot pivot = searchPivot(n, a);
    const float p = a(pivot.row, pivot.column);
    // A NaN fails this test and goes on into the elimination.
    if (std::fabs(p) < singularityThreshold) {
      results.writeWithLayout(singularLayout, {});
      orderlyExit(0);
    }
    pivotRows[k - 1] = static_cast<float>(pivot.row);
    pivotColumns[k - 1] = static_cast<float>(pivot.column);
    const std::int32_t c = pivot.column;
    pivotFlags[c - 1] = 1.0f;
    // The pivot moves onto the diagonal; the column order is restored at the end.
    if (pivot.row != c) {
      swapRows(a, n, pivot.row, c);
      swapRows(b, m, pivot.row, c);
    }
    a(c, c) = 1.0f;
    for (std::int32_t l = 1; l <= n; ++l) a(c, l) = a(c, l) / p;
    for (std::int32_t l = 1; l <= m; ++l) b(c, l) = b(c, l) / p;
    for (std::int32_t j = 1; j <= n; ++j) {
      if (j == c) continue;
      const float f = a(j, c);
      a(j, c) = 0.0f;
      for (std::int32_t l = 1; l <= n; ++l) a(j, l) = a(j, l) - a(c, l) * f;
      for (std::int32_t l = 1; l <= m; ++l) b(j, l) = b(j, l) - b(c, l) * f;
    }
  }
  for (std::int32_t k = n; k >= 1; --k) {
    const std::int32_t row = wholeNumber(pivotRows[k - 1]);
    const std::int32_t column = wholeNumber(pivotColumns[k - 1]);
    if (row != column) swapColumns(a, n, row, column);
  }
}

}  // namespace tensor3d
