#include "tensor/eigen_solver.hpp"

#include <cmath>

#include "textio/system_texts.hpp"
#include "textio/termination.hpp"

namespace tensor3d {
namespace {

constexpr std::int32_t sweepLimit = 50;
// Sweeps 1 to 3 rotate only the large elements.
constexpr std::int32_t lastThresholdSweep = 3;
// From this sweep on, elements lost against both diagonal entries are dropped.
constexpr std::int32_t firstNegligibleSweep = 5;
constexpr float negligibilityFactor = 100.0f;
constexpr float thresholdFactor = 0.2f;

// Replaces the pair (x, y) by its image under the rotation, from the old values.
void rotatePair(float& x, float& y, float s, float tau) {
  const float oldX = x;
  const float oldY = y;
  x = oldX - s * (oldY + oldX * tau);
  y = oldY + s * (oldX - oldY * tau);
}

float offDiagonalSum(const Matrix10& a, std::int32_t n) {
  float sum = 0.0f;
  for (std::int32_t p = 1; p < n; ++p) {
    for (std::int32_t q = p + 1; q <= n; ++q) sum = sum + std::fabs(a(p, q));
  }
  return sum;
}

// Annihilates a(p, q) by one plane rotation. The diagonal itself is never
// written: its changes go to d and, for the end-of-sweep fold-back, to z.
void rotate(Matrix10& a, std::int32_t n, std::int32_t p, std::int32_t q, float g,
            std::array<float, 10>& d, std::array<float, 10>& z, Matrix10& v) {
  const float apq = a(p, q);
  float h = d[q - 1] - d[p - 1];
  float t;
  if (std::fabs(h) + g == std::fabs(h)) {
    t = apq / h;
  } else {
    const float theta = (h * 0.5f) / apq;
    // The smaller root keeps the rotation angle below pi/4.
    t = 1.0f / (std::fabs(theta) + std::sqrt(theta * theta + 1.0f));
    if (theta < 0.0f) t = -t;
  }
  const float c = 1.0f / std::sqrt(t * t + 1.0f);
  const float s = t * c;
  const float tau = s / (c + 1.0f);
  h = t * apq;
  z[p - 1] = z[p - 1] - h;
  z[q - 1] = z[q - 1] + h;
  d[p - 1] = d[p - 1] - h;
  d[q - 1] = d[q - 1] + h;
  a(p, q) = 0.0f;
  // Only the strict upper triangle is touched, so the lower one stays as given.
  for (std::int32_t j = 1; j < p; ++j) rotatePair(a(j, p), a(j, q), s, tau);
  for (std::int32_t j = p + 1; j < q; ++j) rotatePair(a(p, j), a(j, q), s, tau);
  for (std::int32_t j = q + 1; j <= n; ++j) rotatePair(a(p, j), a(q, j), s, tau);
  for (std::int32_t j = 1; j <= n; ++j) rotatePair(v(j, p), v(j, q), s, tau);
}

}  // namespace

void jacobi(Matrix10& a, std::int32_t n, std::array<float, 10>& d, Matrix10& v) {
  // b: the eigenvalues at the start of the sweep; z: the sweep's corrections.
  // Folding z back once per sweep keeps rounding from piling up in d.
  std::array<float, 10> b{};
  std::array<float, 10> z{};
  setIdentity(v, n);
  for (std::int32_t k = 1; k <= n; ++k) {
    b[k - 1] = a(k, k);
    d[k - 1] = b[k - 1];
    z[k - 1] = 0.0f;
  }
  for (std::int32_t sweep = 1; sweep <= sweepLimit; ++sweep) {
    const float sm = offDiagonalSum(a, n);
    if (sm == 0.0f) return;
    const float tresh =
        sweep <= lastThresholdSweep ? (sm * thresholdFactor) / static_cast<float>(n * n) : 0.0f;
    for (std::int32_t p = 1; p < n; ++p) {
      for (std::int32_t q = p + 1; q <= n; ++q) {
        const float g = negligibilityFactor * std::fabs(a(p, q));
        if (sweep >= firstNegligibleSweep && std::fabs(d[p - 1]) + g == std::fabs(d[p - 1]) &&
            std::fabs(d[q - 1]) + g == std::fabs(d[q - 1])) {
          a(p, q) = 0.0f;
        } else if (std::fabs(a(p, q)) > tresh) {
          rotate(a, n, p, q, g, d, z, v);
        }
      }
    }
    for (std::int32_t k = 1; k <= n; ++k) {
      b[k - 1] = b[k - 1] + z[k - 1];
      d[k - 1] = b[k - 1];
      z[k - 1] = 0.0f;
    }
  }
  pause(texts::jacobiLimit);
}

}  // namespace tensor3d
