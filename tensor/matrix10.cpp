#include "tensor/matrix10.hpp"

namespace tensor3d {

void matrixProduct(const Matrix10& a, const std::int32_t& rows, const std::int32_t& inner,
                   const Matrix10& b, const std::int32_t& cols, Matrix10& c) {
  for (std::int32_t i = 1; i <= rows; ++i) {
    for (std::int32_t j = 1; j <= cols; ++j) {
      // A plain left-to-right float sum: the report's last digits depend on it.
      float sum = 0.0f;
      for (std::int32_t k = 1; k <= inner; ++k) sum = sum + a(i, k) * b(k, j);
      c(i, j) = sum;
    }
  }
}

void setIdentity(Matrix10& m, std::int32_t n) {
  for (std::int32_t j = 1; j <= n; ++j) {
    for (std::int32_t i = 1; i <= n; ++i) m(i, j) = i == j ? 1.0f : 0.0f;
  }
}

}  // namespace tensor3d
