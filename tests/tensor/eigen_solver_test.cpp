#include "tensor/eigen_solver.hpp"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>

namespace tensor3d {
namespace {

constexpr float nan = std::numeric_limits<float>::quiet_NaN();

Matrix10 fromRows(const float (&rows)[3][3]) {
  Matrix10 m;
  for (int i = 1; i <= 3; ++i) {
    for (int j = 1; j <= 3; ++j) m(i, j) = rows[i - 1][j - 1];
  }
  return m;
}

struct Solution {
  std::array<float, 10> d{};
  Matrix10 v;
};

Solution solve(Matrix10& a) {
  Solution solution;
  jacobi(a, 3, solution.d, solution.v);
  return solution;
}

TEST(Jacobi, DiagonalInputReturnsUnsortedWithIdentityDirections) {
  Matrix10 a = fromRows({{1.0f, 0.0f, 0.0f}, {0.0f, 3.0f, 0.0f}, {0.0f, 0.0f, 2.0f}});
  Solution solution;
  solution.v.elements.fill(7.0f);
  jacobi(a, 3, solution.d, solution.v);
  EXPECT_EQ(solution.d[0], 1.0f);
  EXPECT_EQ(solution.d[1], 3.0f);
  EXPECT_EQ(solution.d[2], 2.0f);
  for (int j = 1; j <= 10; ++j) {
    for (int i = 1; i <= 10; ++i) {
      const float expected = i > 3 || j > 3 ? 7.0f : (i == j ? 1.0f : 0.0f);
      EXPECT_EQ(solution.v(i, j), expected) << "v(" << i << ", " << j << ")";
    }
  }
}

// A rotation by 45 degrees in the (1, 2) plane: the first rotation solves it,
// so the result is exact up to the rounding of 1/sqrt(2).
TEST(Jacobi, SolvesATwoByTwoCoupling) {
  Matrix10 a = fromRows({{2.0f, 1.0f, 0.0f}, {1.0f, 2.0f, 0.0f}, {0.0f, 0.0f, 5.0f}});
  const Solution solution = solve(a);
  EXPECT_FLOAT_EQ(solution.d[0], 1.0f);
  EXPECT_FLOAT_EQ(solution.d[1], 3.0f);
  EXPECT_EQ(solution.d[2], 5.0f);
  const float r = 1.0f / std::sqrt(2.0f);
  EXPECT_FLOAT_EQ(solution.v(1, 1), r);
  EXPECT_FLOAT_EQ(solution.v(2, 1), -r);
  EXPECT_FLOAT_EQ(solution.v(1, 2), r);
  EXPECT_FLOAT_EQ(solution.v(2, 2), r);
  EXPECT_EQ(solution.v(3, 3), 1.0f);
}

TEST(Jacobi, ReadsOnlyTheUpperTriangleAndKeepsDiagonalAndLowerTriangle) {
  const float upper[3][3] = {{4.0f, -1.5f, 0.75f}, {-1.5f, 2.0f, 3.0f}, {0.75f, 3.0f, -6.0f}};
  const float skewed[3][3] = {{4.0f, -1.5f, 0.75f}, {99.0f, 2.0f, 3.0f}, {nan, -8.0f, -6.0f}};
  Matrix10 symmetric = fromRows(upper);
  Matrix10 lopsided = fromRows(skewed);
  const Solution expected = solve(symmetric);
  const Solution actual = solve(lopsided);
  for (int k = 0; k < 3; ++k) EXPECT_EQ(actual.d[k], expected.d[k]);
  EXPECT_EQ(actual.v.elements, expected.v.elements);
  for (int i = 1; i <= 3; ++i) {
    for (int j = 1; j <= 3; ++j) {
      // Compared as bit patterns, so that the NaN below the diagonal counts too.
      const auto bits = [](float value) { return std::bit_cast<std::uint32_t>(value); };
      const std::uint32_t expectedBits = i < j ? bits(0.0f) : bits(skewed[i - 1][j - 1]);
      EXPECT_EQ(bits(lopsided(i, j)), expectedBits) << "element (" << i << ", " << j << ")";
    }
  }
}

TEST(Jacobi, ConvergedSolveShowsNothingOnTheConsole) {
  Matrix10 a = fromRows({{1.0f, 2.0f, 3.0f}, {2.0f, -4.0f, 5.0f}, {3.0f, 5.0f, 6.0f}});
  ::testing::internal::CaptureStdout();
  solve(a);
  EXPECT_EQ(::testing::internal::GetCapturedStdout(), "");
}

// Standard input at its end answers the pause at once, so the test cannot hang.
class JacobiSweepLimit : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_NE(std::freopen(nullDevice, "rb", stdin), nullptr); }

 private:
#ifdef _WIN32
  static constexpr const char* nullDevice = "NUL";
#else
  static constexpr const char* nullDevice = "/dev/null";
#endif
};

TEST_F(JacobiSweepLimit, NotANumberAboveTheDiagonalRunsAllSweepsThenPauses) {
  Matrix10 a = fromRows({{1.0f, nan, 0.5f}, {0.0f, 2.0f, 0.25f}, {0.0f, 0.0f, 3.0f}});
  ::testing::internal::CaptureStdout();
  solve(a);
  EXPECT_EQ(::testing::internal::GetCapturedStdout(), "too many iterations in jacobi\n");
  EXPECT_TRUE(std::isnan(a(1, 2)));
  EXPECT_EQ(a(1, 1), 1.0f);
  EXPECT_EQ(a(2, 2), 2.0f);
  EXPECT_EQ(a(3, 3), 3.0f);
}

}  // namespace
}  // namespace tensor3d
