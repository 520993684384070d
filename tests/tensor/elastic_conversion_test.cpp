#include "tensor/elastic_conversion.hpp"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <string>

#include "tests/support/memory_streams.hpp"
#include "tests/support/tensor_rows.hpp"
#include "textio/system_texts.hpp"

namespace tensor3d {
namespace {

using testing::Rows;
using testing::tensorOf;

constexpr std::string_view stress = texts::stressLabel;
constexpr std::string_view strain = texts::strainLabel;
constexpr std::string_view units = "GPa       ";
constexpr float infinity = std::numeric_limits<float>::infinity();

struct Conversion {
  std::string bytes;
  ProblemKind kind;
  Tensor3 converted;
  ElasticConstants elastic;
};

Conversion convert(const Rows& rows, ProblemKind kind, float E, float nu) {
  Conversion c{};
  c.elastic.E = E;
  c.elastic.nu = nu;
  deriveModuli(c.elastic);
  testing::MemorySink sink;
  RecordWriter writer(sink);
  c.kind = convertTensor(writer, tensorOf(rows), kind, c.elastic, kind == 3 ? strain : stress,
                         units, c.converted);
  c.bytes = sink.bytes();
  return c;
}

void expectSymmetric(const Tensor3& t) {
  EXPECT_EQ(t(2, 1), t(1, 2));
  EXPECT_EQ(t(3, 1), t(1, 3));
  EXPECT_EQ(t(3, 2), t(2, 3));
}

// With nu = 0 lambda vanishes and every stress is 2 G = E times its strain.
// The lower triangle given (9s) takes no part.
TEST(ElasticBlock, StressesFromStrainsWithZeroPoisson) {
  const Conversion c =
      convert({{{0.5f, 0.25f, 0.0625f}, {9, -0.125f, 0}, {9, 9, 0.25f}}}, 4, 200.0f, 0.0f);
  EXPECT_EQ(c.kind, 1);
  EXPECT_EQ(c.elastic.G, 100.0f);
  EXPECT_EQ(c.elastic.lambda, 0.0f);
  EXPECT_EQ(c.bytes,
            " _________________________\r\n"
            " CON TEORIA DE ELASTICIDAD\r\n"
            " \r\n"
            " PROPIEDADES ELASTICAS:\r\n"
            " MODULO DE ELASTICIDAD:   200.0000     (GPa       )\r\n"
            " MODULO DE RIGIDEZ AL CORTANTE:   100.0000     (GPa       )\r\n"
            " RELACION DE POISSON:  0.0000000E+00\r\n"
            " LAMDA=  0.0000000E+00 (GPa       )\r\n"
            " \r\n"
            " ESFUERZOS A PARTIR DE DEFORMACIONES\r\n"
            " INVARIANTE LINEAL I1=  0.6250000    \r\n"
            " TENSOR ESFUERZOS    (GPa       )\r\n"
            "      0.10000000E+03      0.50000000E+02      0.12500000E+02\r\n"
            "      0.50000000E+02     -0.25000000E+02      0.00000000E+00\r\n"
            "      0.12500000E+02      0.00000000E+00      0.50000000E+02\r\n");
  expectSymmetric(c.converted);
}

// Kind 3 writes lambda too, but no invariant and no units on the tensor.
TEST(ElasticBlock, StrainsFromPureShear) {
  const Conversion c = convert({{{0, 64, 0}, {64, 0, 0}, {0, 0, 0}}}, 3, 256.0f, 0.0f);
  EXPECT_EQ(c.kind, 2);
  EXPECT_EQ(c.bytes,
            " _________________________\r\n"
            " CON TEORIA DE ELASTICIDAD\r\n"
            " \r\n"
            " PROPIEDADES ELASTICAS:\r\n"
            " MODULO DE ELASTICIDAD:   256.0000     (GPa       )\r\n"
            " MODULO DE RIGIDEZ AL CORTANTE:   128.0000     (GPa       )\r\n"
            " RELACION DE POISSON:  0.0000000E+00\r\n"
            " LAMDA=  0.0000000E+00 (GPa       )\r\n"
            " \r\n"
            " DEFORMACIONES A PARTIR DE ESFUERZOS\r\n"
            " TENSOR DEFORMACIONES\r\n"
            "      0.00000000E+00      0.25000000E+00      0.00000000E+00\r\n"
            "      0.25000000E+00      0.00000000E+00      0.00000000E+00\r\n"
            "      0.00000000E+00      0.00000000E+00      0.00000000E+00\r\n");
}

TEST(ElasticConversion, StrainsFromUniaxialStress) {
  const Conversion c = convert({{{64, 0, 0}, {-5, 0, 0}, {7, 3, 0}}}, 3, 256.0f, 0.25f);
  EXPECT_EQ(c.converted(1, 1), 0.25f);
  EXPECT_EQ(c.converted(2, 2), -0.0625f);
  EXPECT_EQ(c.converted(3, 3), -0.0625f);
  EXPECT_EQ(c.converted(2, 1), 0.0f);
  EXPECT_EQ(c.converted(3, 1), 0.0f);
  EXPECT_EQ(c.converted(3, 2), 0.0f);
  expectSymmetric(c.converted);
}

// Products by the reciprocals, in their grouping: dividing instead would give
// -0.46999998E-04 and 0.19000000E-02, and lambda from 1 - 2 nu 51083.59375.
TEST(ElasticConversion, StrainsKeepTheirGrouping) {
  const Conversion c = convert({{{1, 100, 12.5f}, {0, 20, 37.3f}, {0, 0, -7}}}, 3, 70000.0f, 0.33f);
  EXPECT_EQ(c.elastic.G, 26315.7890625f);
  EXPECT_EQ(c.elastic.lambda, 51083.59765625f);
  EXPECT_NE(c.bytes.find(" TENSOR DEFORMACIONES\r\n"
                         "     -0.47000001E-04      0.19000001E-02      0.23750002E-03\r\n"
                         "      0.19000001E-02      0.31400000E-03      0.70870004E-03\r\n"
                         "      0.23750002E-03      0.70870004E-03     -0.19900000E-03\r\n"),
            std::string::npos);
}

TEST(ElasticConversion, DegenerateConstantsGiveInfinitiesAndNaN) {
  // nu = 0.5: lambda is infinite; a volume-preserving strain gives NaN.
  const Conversion incompressible = convert({{{1, 0, 0}, {0, -1, 0}, {0, 0, 0}}}, 4, 3.0f, 0.5f);
  EXPECT_EQ(incompressible.elastic.lambda, infinity);
  EXPECT_TRUE(std::isnan(incompressible.converted(1, 1)));
  EXPECT_NE(incompressible.bytes.find(" LAMDA=       Infinity (GPa       )\r\n"),
            std::string::npos);
  EXPECT_NE(incompressible.bytes.find("                 NaN"), std::string::npos);
  const Conversion swelling = convert({{{1, 0, 0}, {0, 0, 0}, {0, 0, 0}}}, 4, 3.0f, 0.5f);
  EXPECT_EQ(swelling.converted(1, 1), infinity);

  // nu = -1: G is infinite and shear strains vanish.
  const Conversion auxetic = convert({{{1, 8, 0}, {8, 2, 0}, {0, 0, 3}}}, 3, 100.0f, -1.0f);
  EXPECT_EQ(auxetic.elastic.G, infinity);
  EXPECT_EQ(auxetic.elastic.lambda, -infinity);
  EXPECT_EQ(auxetic.converted(1, 2), 0.0f);
  EXPECT_NE(auxetic.bytes.find(" MODULO DE RIGIDEZ AL CORTANTE:       Infinity (GPa       )\r\n"),
            std::string::npos);
  EXPECT_NE(auxetic.bytes.find(" LAMDA=      -Infinity (GPa       )\r\n"), std::string::npos);
}

// Hooke's law worked in double precision, and the round trip stresses ->
// strains -> stresses.
TEST(ElasticPhysics, HookesLawAndRoundTrip) {
  const Rows stresses{{{80, -30, 15}, {-30, 40, 20}, {15, 20, -60}}};
  const double E = 200000.0;
  const double nu = 0.3;
  ElasticConstants elastic{static_cast<float>(E), static_cast<float>(nu)};
  deriveModuli(elastic);
  testing::MemorySink sink;
  RecordWriter writer(sink);
  Tensor3 strains;
  convertTensor(writer, tensorOf(stresses), 3, elastic, strain, units, strains);

  const double trace = stresses[0][0] + stresses[1][1] + stresses[2][2];
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j) {
      const double expected = ((1.0 + nu) * stresses[i][j] - (i == j ? nu * trace : 0.0)) / E;
      EXPECT_NEAR(strains(i + 1, j + 1), expected, 1e-6 * std::fabs(expected) + 1e-12);
    }
  }

  Tensor3 back;
  convertTensor(writer, strains, 4, elastic, stress, units, back);
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j) {
      EXPECT_NEAR(back(i + 1, j + 1), stresses[i][j], 2e-5 * 100.0);
    }
  }
}

}  // namespace
}  // namespace tensor3d
