#include "tensor/linear_solve.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

#include "tests/support/memory_streams.hpp"
#include "textio/termination.hpp"

namespace tensor3d {
namespace {

constexpr float outside = -3.5f;
constexpr float nan = std::numeric_limits<float>::quiet_NaN();

// Sentinels everywhere, so that a write outside the leading blocks shows.
Matrix20 filled() {
  Matrix20 m;
  m.elements.fill(outside);
  return m;
}

Matrix20 squareFromRows(const std::vector<std::vector<float>>& rows) {
  Matrix20 m = filled();
  for (std::size_t i = 0; i < rows.size(); ++i) {
    for (std::size_t j = 0; j < rows[i].size(); ++j) {
      m(static_cast<int>(i + 1), static_cast<int>(j + 1)) = rows[i][j];
    }
  }
  return m;
}

Matrix20 column(const std::vector<float>& values) {
  Matrix20 m = filled();
  for (std::size_t i = 0; i < values.size(); ++i) m(static_cast<int>(i + 1), 1) = values[i];
  return m;
}

class GaussJordan : public ::testing::Test {
 protected:
  void solve(std::int32_t n, std::int32_t m, Matrix20& a, Matrix20& b) {
    gaussJordanSolve(n, m, a, b, results_);
  }
  [[nodiscard]] const std::string& report() const { return sink_.bytes(); }

 private:
  testing::MemorySink sink_;
  RecordWriter results_{sink_};
};

struct Solvable {
  const char* name;
  std::vector<std::vector<float>> a;
  std::vector<float> b;
  std::vector<std::vector<float>> inverse;
  std::vector<float> x;
};

// GoogleTest finds the printer by this name.
void PrintTo(const Solvable& example, std::ostream* out) {  // NOLINT(readability-identifier-naming)
  *out << example.name;
}

class GaussJordanSolvable : public GaussJordan, public ::testing::WithParamInterface<Solvable> {};

TEST_P(GaussJordanSolvable, GivesInverseAndSolutionExactlyAndNothingElse) {
  const Solvable& example = GetParam();
  Matrix20 a = squareFromRows(example.a);
  Matrix20 b = column(example.b);
  solve(3, 1, a, b);
  EXPECT_EQ(a.elements, squareFromRows(example.inverse).elements);
  EXPECT_EQ(b.elements, column(example.x).elements);
  EXPECT_EQ(report(), "");
}

const Solvable solvableExamples[] = {
    // Ties go to the element met last: the pivots run up the diagonal from
    // (3, 3), no row moves and the identity comes back untouched.
    Solvable{"Identity",
             {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}},
             {0.3f, -2.0f, 7.0f},
             {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}},
             {0.3f, -2.0f, 7.0f}},
    // Rows 1 and 2 are exchanged and the columns swapped back at the end.
    Solvable{"Permutation",
             {{0, 1, 0}, {1, 0, 0}, {0, 0, 1}},
             {0.3f, -2.0f, 7.0f},
             {{0, 1, 0}, {1, 0, 0}, {0, 0, 1}},
             {-2.0f, 0.3f, 7.0f}},
    Solvable{"Diagonal",
             {{2, 0, 0}, {0, 4, 0}, {0, 0, 8}},
             {2, 4, 8},
             {{0.5f, 0, 0}, {0, 0.25f, 0}, {0, 0, 0.125f}},
             {1, 1, 1}},
    // A pivot exactly at the singularity threshold passes.
    Solvable{"PivotAtThreshold",
             {{1, 0, 0}, {0, 1, 0}, {0, 0, 1.0e-8f}},
             {1, 1, 1.0e-8f},
             {{1, 0, 0}, {0, 1, 0}, {0, 0, 1.0f / 1.0e-8f}},
             {1, 1, 1}},
    // Three elements tie at magnitude 3; the last met, (2, 1), gives the
    // correctly rounded x1 = -2/3, where (1, 1) would be one unit off.
    Solvable{"TieGoesToTheLastMet",
             {{-3, -3, 0}, {-3, 0, 0}, {0, 0, 1}},
             {3, 2, 5},
             {{0, -1.0f / 3.0f, 0}, {-1.0f / 3.0f, 1.0f / 3.0f, 0}, {0, 0, 1}},
             {-2.0f / 3.0f, -1.0f / 3.0f, 5}},
    // A full pivot search, with every step on a different row and column.
    Solvable{"FullPivoting",
             {{0, 0, 2}, {4, 0, 0}, {0, -8, 0}},
             {6, 4, 16},
             {{0, 0.25f, 0}, {0, 0, -0.125f}, {0.5f, 0, 0}},
             {1, -2, 3}},
};

INSTANTIATE_TEST_SUITE_P(Examples, GaussJordanSolvable, ::testing::ValuesIn(solvableExamples),
                         [](const ::testing::TestParamInfo<Solvable>& exampleInfo) {
                           return std::string(exampleInfo.param.name);
                         });

TEST_F(GaussJordan, OrderZeroTouchesNothing) {
  Matrix20 a = squareFromRows({{1, 2, 3}, {4, 5, 6}, {7, 8, 10}});
  Matrix20 b = column({1, 2, 3});
  const Matrix20 aBefore = a;
  const Matrix20 bBefore = b;
  solve(0, 1, a, b);
  EXPECT_EQ(a.elements, aBefore.elements);
  EXPECT_EQ(b.elements, bBefore.elements);
  EXPECT_EQ(report(), "");
}

TEST_F(GaussJordan, NoRightHandSideStillInverts) {
  for (const std::int32_t m : {0, -1}) {
    Matrix20 a = squareFromRows({{2, 0, 0}, {0, 4, 0}, {0, 0, 8}});
    Matrix20 b = filled();
    b(1, 1) = nan;
    solve(3, m, a, b);
    EXPECT_EQ(a.elements, squareFromRows({{0.5f, 0, 0}, {0, 0.25f, 0}, {0, 0, 0.125f}}).elements);
    EXPECT_TRUE(std::isnan(b(1, 1)));
    for (std::size_t k = 1; k < b.elements.size(); ++k) EXPECT_EQ(b.elements[k], outside);
  }
}

TEST_F(GaussJordan, NotANumberIsTakenAsPivotWithoutMessage) {
  Matrix20 a = squareFromRows({{1, 0, 0}, {0, 1, 0}, {0, 0, nan}});
  Matrix20 b = column({1, 2, 3});
  solve(3, 1, a, b);
  for (int i = 1; i <= 3; ++i) EXPECT_TRUE(std::isnan(b(i, 1))) << "x(" << i << ")";
  EXPECT_EQ(report(), "");
}

struct Singular {
  const char* name;
  std::vector<std::vector<float>> a;
};

// GoogleTest finds the printer by this name.
void PrintTo(const Singular& example, std::ostream* out) {  // NOLINT(readability-identifier-naming)
  *out << example.name;
}

class GaussJordanSingular : public GaussJordan, public ::testing::WithParamInterface<Singular> {};

TEST_P(GaussJordanSingular, WritesTheMessageRecordAndEndsTheRunWithStatusZero) {
  Matrix20 a = squareFromRows(GetParam().a);
  Matrix20 b = column({1, 1, 1});
  try {
    solve(3, 1, a, b);
    FAIL() << "the solve returned";
  } catch (const RunEnded& ended) {
    EXPECT_EQ(ended.status, 0);
  }
  EXPECT_EQ(report(), "\r\n LA MATRIZ ES SINGULAR\r\n");
}

INSTANTIATE_TEST_SUITE_P(
    Examples, GaussJordanSingular,
    ::testing::Values(Singular{"Zero", {{0, 0, 0}, {0, 0, 0}, {0, 0, 0}}},
                      Singular{"TinyLastPivot", {{1, 0, 0}, {0, 1, 0}, {0, 0, 1.0e-9f}}},
                      Singular{"JustBelowThreshold",
                               {{1, 0, 0}, {0, 1, 0}, {0, 0, std::nextafter(1.0e-8f, 0.0f)}}},
                      Singular{"DependentRows", {{1, 2, 3}, {2, 4, 6}, {1, 0, 1}}}),
    [](const ::testing::TestParamInfo<Singular>& exampleInfo) {
      return std::string(exampleInfo.param.name);
    });

}  // namespace
}  // namespace tensor3d
