// Seeded random 3x3 matrices in double precision for the property tests.
#pragma once

#include <array>
#include <cmath>
#include <numbers>
#include <random>

namespace tensor3d::testing {

using Matrix3d = std::array<std::array<double, 3>, 3>;

class RandomMatrices {
 public:
  explicit RandomMatrices(unsigned seed) : engine_(seed) {}

  double between(double low, double high) {
    return std::uniform_real_distribution(low, high)(engine_);
  }

  // A random rotation about a random axis (Rodrigues' formula).
  Matrix3d rotation() {
    std::array<double, 3> axis{between(-1.0, 1.0), between(-1.0, 1.0), between(-1.0, 1.0)};
    const double length = std::sqrt(axis[0] * axis[0] + axis[1] * axis[1] + axis[2] * axis[2]);
    for (double& x : axis) x /= length;
    const double angle = between(0.0, std::numbers::pi);
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    Matrix3d q{};
    for (int i = 0; i < 3; ++i) {
      for (int j = 0; j < 3; ++j) q[i][j] = (1.0 - c) * axis[i] * axis[j] + (i == j ? c : 0.0);
    }
    q[0][1] -= s * axis[2];
    q[1][0] += s * axis[2];
    q[0][2] += s * axis[1];
    q[2][0] -= s * axis[1];
    q[1][2] -= s * axis[0];
    q[2][1] += s * axis[0];
    return q;
  }

 private:
  std::mt19937 engine_;
};

}  // namespace tensor3d::testing
