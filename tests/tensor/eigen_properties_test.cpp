// Random symmetric tensors checked against what an eigen-decomposition must
// satisfy, with reference eigenvalues from the closed-form solution in double.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <random>

#include "tensor/eigen_solver.hpp"
#include "tests/support/random_matrices.hpp"

namespace tensor3d {
namespace {

using testing::Matrix3d;

// Each plane rotation adds about one single-precision rounding per element it
// touches, and a 3x3 solve makes a handful of them, so the backward error is a
// few units of FLT_EPSILON relative to the norm of the input (at most about 3
// over these cases). 16 units leaves margin for other seeds while a wrong sign,
// angle or fold-back in any rotation shows at 1e-3 or worse.
constexpr double residualTolerance = 16.0 * FLT_EPSILON;

constexpr int caseCount = 4000;

double frobenius(const Matrix3d& m) {
  double sum = 0.0;
  for (const auto& row : m) {
    for (const double x : row) sum += x * x;
  }
  return std::sqrt(sum);
}

// Eigenvalues of a symmetric 3x3 matrix in increasing order, from the
// trigonometric solution of its characteristic cubic.
std::array<double, 3> closedFormEigenvalues(const Matrix3d& a) {
  const double q = (a[0][0] + a[1][1] + a[2][2]) / 3.0;
  const double offDiagonal = a[0][1] * a[0][1] + a[0][2] * a[0][2] + a[1][2] * a[1][2];
  const double spread = (a[0][0] - q) * (a[0][0] - q) + (a[1][1] - q) * (a[1][1] - q) +
                        (a[2][2] - q) * (a[2][2] - q) + 2.0 * offDiagonal;
  const double p = std::sqrt(spread / 6.0);
  if (p == 0.0) return {q, q, q};
  Matrix3d b{};
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j) b[i][j] = (a[i][j] - (i == j ? q : 0.0)) / p;
  }
  const double det = b[0][0] * (b[1][1] * b[2][2] - b[1][2] * b[2][1]) -
                     b[0][1] * (b[1][0] * b[2][2] - b[1][2] * b[2][0]) +
                     b[0][2] * (b[1][0] * b[2][1] - b[1][1] * b[2][0]);
  const double phi = std::acos(std::clamp(det / 2.0, -1.0, 1.0)) / 3.0;
  const double largest = q + 2.0 * p * std::cos(phi);
  const double smallest = q + 2.0 * p * std::cos(phi + 2.0 * std::numbers::pi / 3.0);
  return {smallest, 3.0 * q - largest - smallest, largest};
}

class TensorGenerator {
 public:
  // Cycles through the families of inputs that stress the solver differently.
  Matrix3d next(int index) {
    switch (index % 5) {
      case 0: return uniform(magnitude(-3.0, 3.0));
      case 1: return mixedMagnitudes();
      case 2: return withZeros();
      case 3: return withSpectrum(nearlyRepeated());
      default: return withSpectrum(repeated());
    }
  }

 private:
  double between(double low, double high) { return random_.between(low, high); }
  double magnitude(double lowExponent, double highExponent) {
    return std::pow(10.0, between(lowExponent, highExponent));
  }

  // Rounds to single precision, as the tensor is stored, keeping symmetry.
  static Matrix3d symmetricFloat(Matrix3d m) {
    for (int i = 0; i < 3; ++i) {
      for (int j = i; j < 3; ++j) m[i][j] = m[j][i] = static_cast<float>(m[i][j]);
    }
    return m;
  }

  Matrix3d uniform(double scale) {
    Matrix3d m{};
    for (int i = 0; i < 3; ++i) {
      for (int j = i; j < 3; ++j) m[i][j] = m[j][i] = scale * between(-1.0, 1.0);
    }
    return symmetricFloat(m);
  }

  Matrix3d mixedMagnitudes() {
    Matrix3d m{};
    for (int i = 0; i < 3; ++i) {
      for (int j = i; j < 3; ++j) m[i][j] = m[j][i] = magnitude(-4.0, 4.0) * between(-1.0, 1.0);
    }
    return symmetricFloat(m);
  }

  Matrix3d withZeros() {
    Matrix3d m = uniform(magnitude(-2.0, 2.0));
    for (int i = 0; i < 3; ++i) {
      for (int j = i; j < 3; ++j) {
        if (between(0.0, 1.0) < 0.5) m[i][j] = m[j][i] = 0.0;
      }
    }
    return m;
  }

  std::array<double, 3> nearlyRepeated() {
    const double value = magnitude(-2.0, 2.0) * between(-1.0, 1.0);
    const double gap = std::fabs(value) * magnitude(-7.0, -3.0);
    return {value, value + gap, magnitude(-2.0, 2.0) * between(-1.0, 1.0)};
  }

  std::array<double, 3> repeated() {
    const double value = magnitude(-2.0, 2.0) * between(-1.0, 1.0);
    return {value, value, magnitude(-2.0, 2.0) * between(-1.0, 1.0)};
  }

  // Q diag(spectrum) Q^T for a random rotation Q (Rodrigues' formula).
  Matrix3d withSpectrum(const std::array<double, 3>& spectrum) {
    const Matrix3d q = random_.rotation();
    Matrix3d m{};
    for (int i = 0; i < 3; ++i) {
      for (int j = 0; j < 3; ++j) {
        for (int k = 0; k < 3; ++k) m[i][j] += q[i][k] * spectrum[k] * q[j][k];
      }
    }
    return symmetricFloat(m);
  }

  testing::RandomMatrices random_{20250603};
};

// Standard input at its end, so that a pause (which would be a failure here)
// cannot wait for an answer.
void detachStandardInput() {
#ifdef _WIN32
  ASSERT_NE(std::freopen("NUL", "rb", stdin), nullptr);
#else
  ASSERT_NE(std::freopen("/dev/null", "rb", stdin), nullptr);
#endif
}

TEST(JacobiProperties, RandomSymmetricTensorsDecomposeAccurately) {
  detachStandardInput();
  TensorGenerator generator;
  ::testing::internal::CaptureStdout();
  for (int index = 0; index < caseCount; ++index) {
    const Matrix3d tensor = generator.next(index);
    Matrix10 a;
    for (int i = 0; i < 3; ++i) {
      for (int j = 0; j < 3; ++j) a(i + 1, j + 1) = static_cast<float>(tensor[i][j]);
    }
    std::array<float, 10> d{};
    Matrix10 v;
    jacobi(a, 3, d, v);

    const double norm = frobenius(tensor);
    Matrix3d residual{};
    Matrix3d orthogonality{};
    for (int i = 0; i < 3; ++i) {
      for (int j = 0; j < 3; ++j) {
        residual[i][j] = -tensor[i][j];
        orthogonality[i][j] = i == j ? -1.0 : 0.0;
        for (int k = 0; k < 3; ++k) {
          residual[i][j] += double{v(i + 1, k + 1)} * d[k] * double{v(j + 1, k + 1)};
          orthogonality[i][j] += double{v(k + 1, i + 1)} * double{v(k + 1, j + 1)};
        }
      }
    }
    std::array<double, 3> found{d[0], d[1], d[2]};
    std::sort(found.begin(), found.end());
    const std::array<double, 3> expected = closedFormEigenvalues(tensor);
    double eigenvalueError = 0.0;
    for (int k = 0; k < 3; ++k) {
      eigenvalueError = std::max(eigenvalueError, std::fabs(found[k] - expected[k]));
    }
    ASSERT_LE(frobenius(residual), residualTolerance * norm) << "case " << index;
    ASSERT_LE(frobenius(orthogonality), residualTolerance) << "case " << index;
    // By Weyl's inequality the eigenvalues move no more than the backward error.
    ASSERT_LE(eigenvalueError, residualTolerance * norm) << "case " << index;
  }
  EXPECT_EQ(::testing::internal::GetCapturedStdout(), "");
}

}  // namespace
}  // namespace tensor3d
