// Random well-conditioned systems: the solution must satisfy A x = b and the
// returned inverse must invert A, to single-precision accuracy.
#include <gtest/gtest.h>

#include <array>
#include <cfloat>
#include <cmath>
#include <numbers>
#include <random>

#include "tensor/linear_solve.hpp"
#include "tests/support/memory_streams.hpp"
#include "tests/support/random_matrices.hpp"

namespace tensor3d {
namespace {

using testing::Matrix3d;

// A = scale * Q1 diag(s) Q2 with singular values s in [1, 8] has a condition
// number of at most 8. Full-pivoting elimination is backward stable with a
// small growth factor, so the residual |b - A x| stays within a few roundings
// of |A| |x| (under one unit of FLT_EPSILON over these cases, with Frobenius
// norms), and A * inverse within condition times that of the identity. 8 units
// leave margin for other seeds; a wrong pivot, sign or unscrambling step
// misses by orders of magnitude.
constexpr double tolerance = 8.0 * FLT_EPSILON;
constexpr double largestCondition = 8.0;

constexpr int caseCount = 3000;

class SystemGenerator {
 public:
  Matrix3d matrix() {
    const Matrix3d left = rotation();
    const Matrix3d right = rotation();
    const double scale = std::pow(10.0, between(-3.0, 3.0));
    const std::array<double, 3> singular{between(1.0, largestCondition),
                                         between(1.0, largestCondition), 1.0};
    Matrix3d a{};
    for (int i = 0; i < 3; ++i) {
      for (int j = 0; j < 3; ++j) {
        for (int k = 0; k < 3; ++k) a[i][j] += left[i][k] * singular[k] * right[j][k];
        a[i][j] = static_cast<float>(scale * a[i][j]);
      }
    }
    return a;
  }

  std::array<double, 3> rightHandSide() {
    const double scale = std::pow(10.0, between(-3.0, 3.0));
    return {static_cast<float>(scale * between(-1.0, 1.0)),
            static_cast<float>(scale * between(-1.0, 1.0)),
            static_cast<float>(scale * between(-1.0, 1.0))};
  }

 private:
  double between(double low, double high) { return random_.between(low, high); }

  // A random rotation, possibly turned into a reflection.
  Matrix3d rotation() {
    Matrix3d q = random_.rotation();
    if (between(0.0, 1.0) < 0.5) {
      for (double& x : q[0]) x = -x;
    }
    return q;
  }

  testing::RandomMatrices random_{20250603};
};

double norm(const std::array<double, 3>& x) {
  return std::sqrt(x[0] * x[0] + x[1] * x[1] + x[2] * x[2]);
}

double frobenius(const Matrix3d& m) {
  double sum = 0.0;
  for (const auto& row : m) {
    for (const double x : row) sum += x * x;
  }
  return std::sqrt(sum);
}

TEST(GaussJordanProperties, WellConditionedSystemsAreSolvedToSinglePrecision) {
  testing::MemorySink sink;
  RecordWriter results(sink);
  SystemGenerator generator;
  for (int index = 0; index < caseCount; ++index) {
    const Matrix3d coefficients = generator.matrix();
    const std::array<double, 3> rhs = generator.rightHandSide();
    Matrix20 a;
    Matrix20 b;
    for (int i = 0; i < 3; ++i) {
      for (int j = 0; j < 3; ++j) a(i + 1, j + 1) = static_cast<float>(coefficients[i][j]);
      b(i + 1, 1) = static_cast<float>(rhs[i]);
    }
    gaussJordanSolve(3, 1, a, b, results);

    const std::array<double, 3> x{b(1, 1), b(2, 1), b(3, 1)};
    std::array<double, 3> residual = rhs;
    Matrix3d identityError{};
    for (int i = 0; i < 3; ++i) {
      for (int j = 0; j < 3; ++j) {
        residual[i] -= coefficients[i][j] * x[j];
        identityError[i][j] = i == j ? -1.0 : 0.0;
        for (int k = 0; k < 3; ++k) identityError[i][j] += coefficients[i][k] * a(k + 1, j + 1);
      }
    }
    ASSERT_LE(norm(residual), tolerance * frobenius(coefficients) * norm(x)) << "case " << index;
    ASSERT_LE(frobenius(identityError), largestCondition * tolerance) << "case " << index;
  }
  EXPECT_EQ(sink.bytes(), "");
}

}  // namespace
}  // namespace tensor3d
