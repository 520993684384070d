#include "tensor/matrix10.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <ostream>
#include <string>

namespace tensor3d {
namespace {

constexpr float untouched = -7.25f;
constexpr float nan = std::numeric_limits<float>::quiet_NaN();

Matrix10 filledWith(float value) {
  Matrix10 m;
  m.elements.fill(value);
  return m;
}

// Small whole numbers, so that every product and sum is exact in any order and
// the expected block can be worked out independently of the summation order.
Matrix10 wholeNumbers(int seed) {
  Matrix10 m;
  for (int j = 1; j <= 10; ++j) {
    for (int i = 1; i <= 10; ++i) m(i, j) = static_cast<float>((i * 7 + j * 3 + seed) % 11 - 5);
  }
  return m;
}

struct Shape {
  const char* name;
  std::int32_t rows;
  std::int32_t inner;
  std::int32_t cols;
};

// GoogleTest finds the printer by this name.
void PrintTo(const Shape& example, std::ostream* out) {  // NOLINT(readability-identifier-naming)
  *out << example.name;
}

class MatrixProductShape : public ::testing::TestWithParam<Shape> {};

TEST_P(MatrixProductShape, WritesExactlyTheRowsByColsBlock) {
  const Shape shape = GetParam();
  const Matrix10 a = wholeNumbers(1);
  const Matrix10 b = wholeNumbers(4);
  Matrix10 c = filledWith(untouched);
  matrixProduct(a, shape.rows, shape.inner, b, shape.cols, c);
  for (int j = 1; j <= 10; ++j) {
    for (int i = 1; i <= 10; ++i) {
      double expected = untouched;
      if (i <= shape.rows && j <= shape.cols) {
        expected = 0.0;
        for (int k = 1; k <= shape.inner; ++k) expected += double{a(i, k)} * double{b(k, j)};
      }
      EXPECT_EQ(c(i, j), static_cast<float>(expected)) << "element (" << i << ", " << j << ")";
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Shapes, MatrixProductShape,
                         ::testing::Values(Shape{"MatrixTimesVector", 3, 3, 1},
                                           Shape{"Full", 10, 10, 10}, Shape{"Rectangular", 2, 5, 4},
                                           Shape{"NoInnerGivesZeros", 3, 0, 2},
                                           Shape{"NegativeInnerGivesZeros", 3, -2, 3},
                                           Shape{"NoRowsTouchesNothing", 0, 3, 3},
                                           Shape{"NegativeRowsTouchesNothing", -1, 3, 3},
                                           Shape{"NoColumnsTouchesNothing", 3, 3, 0}),
                         [](const ::testing::TestParamInfo<Shape>& shapeInfo) {
                           return std::string(shapeInfo.param.name);
                         });

TEST(MatrixProduct, UnitVectorExtractsAColumnAndReadsNothingOutsideTheBlock) {
  Matrix10 a = filledWith(nan);
  const float column[3] = {1.5f, -2.0f, 3.25f};
  for (int i = 1; i <= 3; ++i) {
    a(i, 1) = column[i - 1];
    a(i, 2) = 9.0f;
    a(i, 3) = -4.0f;
  }
  Matrix10 b = filledWith(nan);
  b(1, 1) = 1.0f;
  b(2, 1) = 0.0f;
  b(3, 1) = 0.0f;
  Matrix10 c = filledWith(untouched);
  matrixProduct(a, 3, 3, b, 1, c);
  for (int i = 1; i <= 3; ++i) EXPECT_EQ(c(i, 1), column[i - 1]);
  for (int j = 1; j <= 10; ++j) {
    for (int i = j == 1 ? 4 : 1; i <= 10; ++i) EXPECT_EQ(c(i, j), untouched);
  }
}

TEST(MatrixProduct, AccumulatesLeftToRightInSinglePrecision) {
  // (1e8 + 1) rounds back to 1e8 in single precision, so only a plain
  // left-to-right float sum gives 0; a wider or reordered sum gives 1.
  Matrix10 a;
  a(1, 1) = 1.0e8f;
  a(1, 2) = 1.0f;
  a(1, 3) = -1.0e8f;
  Matrix10 b;
  for (int k = 1; k <= 3; ++k) b(k, 1) = 1.0f;
  Matrix10 c = filledWith(untouched);
  matrixProduct(a, 1, 3, b, 1, c);
  EXPECT_EQ(c(1, 1), 0.0f);
}

TEST(SetIdentity, WritesOnlyTheLeadingBlock) {
  Matrix10 m = filledWith(7.0f);
  setIdentity(m, 3);
  for (int j = 1; j <= 10; ++j) {
    for (int i = 1; i <= 10; ++i) {
      const float expected = i > 3 || j > 3 ? 7.0f : (i == j ? 1.0f : 0.0f);
      EXPECT_EQ(m(i, j), expected) << "element (" << i << ", " << j << ")";
    }
  }
}

}  // namespace
}  // namespace tensor3d
