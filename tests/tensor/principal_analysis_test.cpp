#include "tensor/principal_analysis.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numbers>
#include <optional>
#include <string>

#include "tensor/characteristic_polynomial.hpp"
#include "tensor/direction_angle.hpp"
#include "tensor/principal_order.hpp"
#include "tests/support/memory_streams.hpp"
#include "tests/support/tensor_rows.hpp"
#include "textio/system_texts.hpp"

namespace tensor3d {
namespace {

using testing::Rows;
using testing::tensorOf;

constexpr float nan = std::numeric_limits<float>::quiet_NaN();

struct Block {
  std::string bytes;
  PrincipalResult result;
};

Block principalBlock(const Tensor3& tensor, ProblemKind kind, std::string_view label,
                     std::string_view units) {
  testing::MemorySink sink;
  RecordWriter writer(sink);
  Block block;
  principalAnalysis(writer, tensor, kind, label, units, block.result);
  block.bytes = sink.bytes();
  return block;
}

constexpr std::string_view stress = texts::stressLabel;
constexpr std::string_view strain = texts::strainLabel;

TEST(PrincipalBlock, DiagonalStressTensorOrdersValuesAndCutsUnitsInAngleRecords) {
  const Block block =
      principalBlock(tensorOf({{{3, 0, 0}, {0, 1, 0}, {0, 0, 2}}}), 1, stress, "MegaPascal");
  EXPECT_EQ(block.bytes,
            " \r\n"
            " C\xC1LCULO DEL TENSOR PRINCIPAL\r\n"
            " POLINOMIO CARACTERISTICO\r\n"
            "-S^3+ 0.60000000E+01 S^2 +-0.11000000E+02 S + 0.60000000E+01\r\n"
            " \r\n"
            " ESFUERZOS     PRINCIPALES ORDENADOS\r\n"
            "    S1           S2          S3     \r\n"
            "      3.0000      2.0000      1.0000\r\n"
            " COSENOS DIRECTORES\r\n"
            "     1         2         3     \r\n"
            "   1.0000000   0.0000000   0.0000000\r\n"
            "   0.0000000   0.0000000   1.0000000\r\n"
            "   0.0000000   1.0000000   0.0000000\r\n"
            " \r\n"
            " \r\n"
            "      3.0000(MegaPasc)  EN LA DIRECCION      0.00     90.00     90.00\r\n"
            "      2.0000(MegaPasc)  EN LA DIRECCION     90.00     90.00      0.00\r\n"
            "      1.0000(MegaPasc)  EN LA DIRECCION     90.00      0.00     90.00\r\n"
            " \r\n"
            " ESFUERZO CORTARTE MAX   1.000000     (MegaPascal)\r\n"
            " \r\n"
            " _________________________\r\n");
  EXPECT_EQ(block.result.order, (OrderTriple{1, 3, 2}));
}

// The two zero values tie for the middle: the higher index is the middle one,
// so the z axis is written before the y axis.
TEST(PrincipalBlock, UniaxialStrainTakesIndexThreeAsMiddle) {
  const Block block =
      principalBlock(tensorOf({{{5, 0, 0}, {0, 0, 0}, {0, 0, 0}}}), 2, strain, "MPa       ");
  EXPECT_EQ(block.bytes,
            " \r\n"
            " C\xC1LCULO DEL TENSOR PRINCIPAL\r\n"
            " POLINOMIO CARACTERISTICO\r\n"
            "-S^3+ 0.50000000E+01 S^2 + 0.00000000E+00 S + 0.00000000E+00\r\n"
            " \r\n"
            " DEFORMACIONES PRINCIPALES ORDENADOS\r\n"
            "    E1           E2          E3     \r\n"
            "   5.0000000   0.0000000   0.0000000\r\n"
            " COSENOS DIRECTORES\r\n"
            "     1         2         3     \r\n"
            "   1.0000000   0.0000000   0.0000000\r\n"
            "   0.0000000   0.0000000   1.0000000\r\n"
            "   0.0000000   1.0000000   0.0000000\r\n"
            " \r\n"
            " \r\n"
            " 5.0000000 EN LA DIRECCION       0.00     90.00     90.00\r\n"
            " 0.0000000  EN LA DIRECCION     90.00     90.00      0.00\r\n"
            " 0.0000000  EN LA DIRECCION     90.00      0.00     90.00\r\n"
            " \r\n"
            " DEFORMACI\xD3N ANGULAR MAX   2.500000    \r\n"
            " \r\n"
            " _________________________\r\n");
}

// Other groupings of the same sums differ in the last digits: -I2 would read
// 4.8400002 or -0.20000172, -0.20000029, -0.19999886; I3 -1.3310008.
TEST(PrincipalBlock, PolynomialKeepsItsGrouping) {
  struct Case {
    Rows rows;
    std::string_view record;
  };
  const Case cases[] = {
      {{{{1.1f, 2.2f, 3.3f}, {2.2f, 4.4f, 5.5f}, {3.3f, 5.5f, 6.6f}}},
       "\r\n-S^3+ 0.12100000E+02 S^2 + 0.48399982E+01 S +-0.13310013E+01\r\n"},
      {{{{0.7f, 1.9f, 2.3f}, {1.9f, 3.7f, 4.1f}, {2.3f, 4.1f, 5.3f}}},
       "\r\n-S^3+ 0.97000008E+01 S^2 +-0.20000124E+00 S +-0.91200340E+00\r\n"},
  };
  for (const Case& c : cases) {
    const std::string bytes = principalBlock(tensorOf(c.rows), 1, stress, "MPa       ").bytes;
    EXPECT_NE(bytes.find(c.record), std::string::npos) << bytes;
  }
}

// Kinds 3 and 4 word the block as kinds 1 and 2. Outside 1 to 4 the values
// take the stress wording and the extreme record the strain wording.
TEST(PrincipalBlock, WordingFollowsTheKind) {
  const Tensor3 t = tensorOf({{{4, 1, 0}, {1, 3, 0}, {0, 0, -2}}});
  EXPECT_EQ(principalBlock(t, 3, stress, "MPa       ").bytes,
            principalBlock(t, 1, stress, "MPa       ").bytes);
  EXPECT_EQ(principalBlock(t, 4, strain, "MPa       ").bytes,
            principalBlock(t, 2, strain, "MPa       ").bytes);
  const std::string odd = principalBlock(t, 0, stress, "MPa       ").bytes;
  EXPECT_NE(odd.find("    S1           S2          S3     \r\n"), std::string::npos);
  EXPECT_NE(odd.find("(MPa     )  EN LA DIRECCION"), std::string::npos);
  EXPECT_NE(odd.find(" DEFORMACI\xD3N ANGULAR MAX"), std::string::npos);
  EXPECT_EQ(odd.find("CORTARTE"), std::string::npos);
}

TEST(PrincipalBlock, ReadsOnlyTheUpperTriangleAndLeavesTheTensorIntact) {
  const Tensor3 upper = tensorOf({{{10, 2, -3}, {99, 20, 5}, {-77, 0.5f, 30}}});
  const Tensor3 symmetric = tensorOf({{{10, 2, -3}, {2, 20, 5}, {-3, 5, 30}}});
  const Tensor3 before = upper;
  const Block fromUpper = principalBlock(upper, 1, stress, "MPa       ");
  EXPECT_EQ(fromUpper.bytes, principalBlock(symmetric, 1, stress, "MPa       ").bytes);
  EXPECT_EQ(upper.elements, before.elements);
}

// Where no value beats both others the order is by value, ties and NaN
// values taking the higher index first, NaN values last.
TEST(PrincipalBlock, TiesAndNaNStillGiveAPermutation) {
  struct Case {
    Rows rows;
    OrderTriple order;
  };
  const Case cases[] = {
      {{{{2, 0, 0}, {0, 2, 0}, {0, 0, 2}}}, {3, 2, 1}},
      {{{{0, 0, 0}, {0, 0, 0}, {0, 0, -5}}}, {2, 1, 3}},
      {{{{nan, 0, 0}, {0, 0, 0}, {0, 0, 0}}}, {3, 2, 1}},
      {{{{1, 0, 0}, {0, nan, 0}, {0, 0, 4}}}, {3, 1, 2}},
  };
  for (const Case& c : cases) {
    const PrincipalResult r = principalBlock(tensorOf(c.rows), 1, stress, "MPa       ").result;
    EXPECT_EQ(r.order, c.order);
    for (int k = 1; k <= 3; ++k) {
      const int m = r.order[k - 1];
      EXPECT_EQ(std::bit_cast<std::uint32_t>(r.ordered[k - 1]),
                std::bit_cast<std::uint32_t>(r.eigenvalues[m - 1]));
      for (int row = 1; row <= 3; ++row) {
        EXPECT_EQ(r.cosines[row - 1][k - 1], r.directions(row, m));
        const float expected = row == k ? r.ordered[k - 1] : 0.0f;
        EXPECT_EQ(std::bit_cast<std::uint32_t>(r.principalTensor(row, k)),
                  std::bit_cast<std::uint32_t>(expected));
      }
    }
  }
}

TEST(PrincipalBlock, NaNValuesAreWrittenAsNaN) {
  const std::string bytes =
      principalBlock(tensorOf({{{nan, 0, 0}, {0, 0, 0}, {0, 0, 0}}}), 1, stress, "MPa       ")
          .bytes;
  EXPECT_NE(bytes.find("      0.0000      0.0000         NaN\r\n"), std::string::npos);
  EXPECT_NE(bytes.find(" ESFUERZO CORTARTE MAX            NaN (MPa       )"), std::string::npos);
}

TEST(PrincipalOrder, RankOrderAgreesWithTheChainWhereverTheChainDecides) {
  const float values[] = {-1.0f, 0.0f, -0.0f, 1.0f, nan};
  for (const float a : values) {
    for (const float b : values) {
      for (const float c : values) {
        const std::array<float, 10> d{a, b, c};
        const std::optional<OrderTriple> chain = orderByChain(d);
        const OrderTriple order = principalOrder(d);
        OrderTriple sorted = order;
        std::ranges::sort(sorted);
        EXPECT_EQ(sorted, (OrderTriple{1, 2, 3})) << a << ' ' << b << ' ' << c;
        if (chain) {
          EXPECT_EQ(*chain, orderByRank(d)) << a << ' ' << b << ' ' << c;
          EXPECT_EQ(order, *chain);
        }
        const bool anyNaN = std::isnan(a) || std::isnan(b) || std::isnan(c);
        const float top = std::max({a, b, c});
        const int atTop = (a == top) + (b == top) + (c == top);
        EXPECT_EQ(chain.has_value(), !anyNaN && atTop == 1) << a << ' ' << b << ' ' << c;
      }
    }
  }
}

TEST(AngleWithAxis, RoundedCosinesBeyondOneStillGiveAnAngle) {
  EXPECT_EQ(angleWithAxis(1.0f), 0.0f);
  EXPECT_EQ(angleWithAxis(std::nextafter(1.0f, 2.0f)), 0.0f);
  EXPECT_EQ(angleWithAxis(-1.0f), 180.0f);
  EXPECT_EQ(angleWithAxis(std::nextafter(-1.0f, -2.0f)), 180.0f);
  EXPECT_EQ(angleWithAxis(0.0f), 90.0f);
  EXPECT_NEAR(angleWithAxis(0.5f), 60.0f, 1e-5f);
  EXPECT_TRUE(std::isnan(angleWithAxis(nan)));
}

TEST(AngleWithAxis, ArcCosineIsCorrectlyRounded) {
  // acos(-0.70630431) = 2.35506027..., nearer to 2.3550603f than to the float
  // below it; an arc cosine one unit low prints this angle as 134.93.
  const float cosine = std::bit_cast<float>(0xBF34D05Cu);
  EXPECT_EQ(angleWithAxis(cosine), (2.3550603f / 3.1415927f) * 180.0f);
  testing::MemorySink sink;
  RecordWriter writer(sink);
  constexpr LayoutElement angleField[] = {layout::fixed(10, 2)};
  writer.writeWithLayout(angleField, {angleWithAxis(cosine)});
  EXPECT_EQ(sink.bytes(), "    134.94\r\n");
}

// Eigenvalues of a symmetric 3x3 matrix in closed form, largest first.
std::array<double, 3> referenceEigenvalues(const Rows& t) {
  const double a11 = t[0][0], a12 = t[0][1], a13 = t[0][2];
  const double a22 = t[1][1], a23 = t[1][2], a33 = t[2][2];
  const double offDiagonal = a12 * a12 + a13 * a13 + a23 * a23;
  const double mean = (a11 + a22 + a33) / 3.0;
  const double spread = std::sqrt(((a11 - mean) * (a11 - mean) + (a22 - mean) * (a22 - mean) +
                                   (a33 - mean) * (a33 - mean) + 2.0 * offDiagonal) /
                                  6.0);
  const double b11 = (a11 - mean) / spread, b22 = (a22 - mean) / spread,
               b33 = (a33 - mean) / spread;
  const double b12 = a12 / spread, b13 = a13 / spread, b23 = a23 / spread;
  const double halfDet = (b11 * (b22 * b33 - b23 * b23) - b12 * (b12 * b33 - b23 * b13) +
                          b13 * (b12 * b23 - b22 * b13)) /
                         2.0;
  const double phi = std::acos(std::clamp(halfDet, -1.0, 1.0)) / 3.0;
  const double largest = mean + 2.0 * spread * std::cos(phi);
  const double smallest = mean + 2.0 * spread * std::cos(phi + 2.0 * std::numbers::pi / 3.0);
  return {largest, 3.0 * mean - largest - smallest, smallest};
}

TEST(PrincipalPhysics, TextbookStatesOfStress) {
  const Rows problems[] = {
      {{{50, 30, 20}, {30, -20, -10}, {20, -10, 10}}},
      {{{60, 40, 0}, {40, -20, 0}, {0, 0, 0}}},
      {{{-40, 25, 0}, {25, 80, -30}, {0, -30, 15}}},
      {{{200e-6f, -100e-6f, 50e-6f}, {-100e-6f, 300e-6f, 0}, {50e-6f, 0, -150e-6f}}},
  };
  for (const Rows& rows : problems) {
    const Tensor3 t = tensorOf(rows);
    const PrincipalResult r = principalBlock(t, 1, stress, "MPa       ").result;
    const std::array<double, 3> expected = referenceEigenvalues(rows);
    const double scale = std::max(std::fabs(expected[0]), std::fabs(expected[2]));
    const double tolerance = 4e-7 * scale;
    for (int k = 0; k < 3; ++k) EXPECT_NEAR(r.ordered[k], expected[k], tolerance);
    EXPECT_NEAR((r.ordered[0] - r.ordered[2]) * 0.5f, (expected[0] - expected[2]) / 2.0, tolerance);

    // Column k of the cosine table is a unit eigenvector of lambda k.
    for (int k = 0; k < 3; ++k) {
      double length = 0.0;
      for (int i = 0; i < 3; ++i) {
        double image = 0.0;
        for (int j = 0; j < 3; ++j) image += double(rows[i][j]) * r.cosines[j][k];
        EXPECT_NEAR(image, expected[k] * r.cosines[i][k], 4.0 * tolerance);
        length += double(r.cosines[i][k]) * r.cosines[i][k];
      }
      EXPECT_NEAR(length, 1.0, 1e-6);
    }

    // The coefficients are I1, -I2 and I3.
    const std::array<float, 3> c = characteristicPolynomial(t);
    const double i1 = expected[0] + expected[1] + expected[2];
    const double i2 =
        expected[0] * expected[1] + expected[1] * expected[2] + expected[2] * expected[0];
    const double i3 = expected[0] * expected[1] * expected[2];
    EXPECT_NEAR(c[0], i1, 1e-6 * scale);
    EXPECT_NEAR(c[1], -i2, 1e-6 * scale * scale);
    EXPECT_NEAR(c[2], i3, 1e-6 * scale * scale * scale);
  }
}

}  // namespace
}  // namespace tensor3d
