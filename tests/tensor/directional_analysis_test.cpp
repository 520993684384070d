#include "tensor/directional_analysis.hpp"

#include <gtest/gtest.h>

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "tensor/vector_analysis.hpp"
#include "tests/support/memory_streams.hpp"
#include "tests/support/tensor_rows.hpp"
#include "textio/system_texts.hpp"

namespace tensor3d {
namespace {

using testing::Rows;
using testing::tensorOf;

constexpr std::string_view stress = texts::stressLabel;
constexpr std::string_view strain = texts::strainLabel;
constexpr std::string_view units = "MPa       ";

DirectionEntry entryOf(std::string_view frame, std::array<float, 3> unit) {
  DirectionEntry entry;
  std::ranges::copy(frame, entry.frame.begin());
  entry.unitVector = unit;
  return entry;
}

// One pass over one tensor: the principal analysis first, as the run does.
class DirectionBlock : public ::testing::Test {
 protected:
  void analyse(const Rows& rows, ProblemKind kind) {
    tensor_ = tensorOf(rows);
    kind_ = kind;
    testing::MemorySink discard;
    RecordWriter writer(discard);
    principalAnalysis(writer, tensor_, kind, label(), units, principal_);
  }
  std::string block(std::int32_t number, const DirectionEntry& entry) {
    testing::MemorySink sink;
    RecordWriter writer(sink);
    analyseDirection(writer, number, entry, tensor_, principal_, kind_, label(), units);
    return sink.bytes();
  }
  std::string_view label() const { return isStressKind(kind_) ? stress : strain; }

  Tensor3 tensor_;
  ProblemKind kind_ = 1;
  PrincipalResult principal_;
};

constexpr Rows diagonal321{{{3, 0, 0}, {0, 2, 0}, {0, 0, 1}}};

TEST_F(DirectionBlock, GeneralStressBlock) {
  analyse(diagonal321, 1);
  EXPECT_EQ(block(1, entryOf("G", {1, 0, 0})),
            " \r\n"
            "Caso     1\r\n"
            " RESPECTO A TENSOR GENERAL\r\n"
            " SE RESUELVE PARA EL VECTOR NORMAL AL PLANO, n:\r\n"
            "  1.000000  i\r\n"
            "  0.000000  j\r\n"
            "  0.000000  k\r\n"
            "\r\n"
            " Vector Esfuerzo (MPa       ) EN LA DIRECCION NORMAL AL PLANO n\r\n"
            "   3.000000    \r\n"
            "  0.0000000E+00\r\n"
            "  0.0000000E+00\r\n"
            " \r\n"
            " LOS ESFUERZOS NORMAL Y CORTANTE ACTUANDO EN EL PLANO CUYA NORMAL ES n :\r\n"
            " MAGNITUD DEL VECTOR ESFUERZO s=   3.000000     (MPa       )\r\n"
            " SIGMA n=   3.000000     (MPa       )\r\n"
            " TAO n=  0.0000000E+00 (MPa       )\r\n"
            " \r\n"
            " \r\n"
            " RESOLVIENDO PARA EL MISMO VECTOR, PERO REFERIDO AL TENSOR PRINCIPAL\r\n"
            " VECTOR REFERENCIADO AL SISTEMA DE EJES PRINCIPALES\r\n"
            " VECTOR NORMAL AL PLANO\r\n"
            "   1.0000000\r\n"
            "   0.0000000\r\n"
            "   0.0000000\r\n"
            "\r\n"
            " VECTOR DE ESFUERZOS    (MPa       ) EN LA DIRECCION NORMAL AL PLANO\r\n"
            "   3.000000    \r\n"
            "  0.0000000E+00\r\n"
            "  0.0000000E+00\r\n"
            " \r\n"
            " \r\n"
            " LOS ESFUERZOS NORMAL Y CORTANTE ACTUANDO EN EL PLANO n:\r\n"
            " SIGMA n=   3.000000     (MPa       )\r\n"
            " TAO n=  0.0000000E+00 (MPa       )\r\n");
}

// Kind 4 is a strain kind: its wording, and the literals that differ between
// the general and the principal half.
TEST_F(DirectionBlock, GeneralStrainBlock) {
  analyse(diagonal321, 4);
  EXPECT_EQ(block(2, entryOf("G         ", {0, 0, 1})),
            " \r\n"
            "Caso     2\r\n"
            " RESPECTO A TENSOR GENERAL\r\n"
            " SE RESUELVE PARA EL VECTOR EN DIRECCI\xD3N e:\r\n"
            "  0.000000  i\r\n"
            "  0.000000  j\r\n"
            "  1.000000  k\r\n"
            "\r\n"
            " Vector Deformaci\xF3n EN LA DIRECCION DE e\r\n"
            "  0.0000000E+00\r\n"
            "  0.0000000E+00\r\n"
            "   1.000000    \r\n"
            " \r\n"
            " LAS DEFORMACIONES LINEAL Y ANGULAR ACTUANDO EN LA DIRECCI\xD3N e:\r\n"
            " Magnitud de la Deformaci\xF3n=   1.000000    \r\n"
            " DEF LINEAL=   1.000000    \r\n"
            " ETHETA=  0.0000000E+00 ;  DefAng  0.0000000E+00\r\n"
            " \r\n"
            " \r\n"
            " RESOLVIENDO PARA EL MISMO VECTOR, PERO REFERIDO AL TENSOR PRINCIPAL\r\n"
            " VECTOR REFERENCIADO AL SISTEMA DE EJES PRINCIPALES\r\n"
            " VECTOR EN LA DIRECCI\xD3N\r\n"
            "   0.0000000\r\n"
            "   0.0000000\r\n"
            "   1.0000000\r\n"
            "\r\n"
            " VECTOR DE DEFORMACIONES EN LA DIRECCION DE e\r\n"
            "  0.0000000E+00\r\n"
            "  0.0000000E+00\r\n"
            "   1.000000    \r\n"
            " \r\n"
            " \r\n"
            " LAS DEFORMACIONES LINEAL Y ANGULAR ACTUANDO LA DIRECCI\xD3N e:\r\n"
            " DEF NORMAL=   1.000000    \r\n"
            " ETHETA=  0.0000000E+00 ;  DefAng=  0.0000000E+00\r\n");
}

TEST_F(DirectionBlock, PrincipalStrainBlock) {
  analyse(diagonal321, 2);
  EXPECT_EQ(block(12, entryOf("P", {0, 1, 0})),
            " \r\n"
            "Caso    12\r\n"
            " A PARTIR DEL TENSOR PRINCIPAL\r\n"
            " VECTOR EN LA DIRECCI\xD3N\r\n"
            "  0.000000  i\r\n"
            "  1.000000  j\r\n"
            "  0.000000  k\r\n"
            "\r\n"
            " VECTOR DE DEFORMACIONES EN LA DIRECCION DE e\r\n"
            "  0.0000000E+00\r\n"
            "   2.000000    \r\n"
            "  0.0000000E+00\r\n"
            " \r\n"
            " \r\n"
            " LAS DEFORMACIONES LINEAL Y ANGULAR ACTUANDO LA DIRECCI\xD3N e:\r\n"
            " DEF LINEAL=   2.000000    \r\n"
            " ETHETA=  0.0000000E+00 ;  DefAng=  0.0000000E+00\r\n");
}

TEST_F(DirectionBlock, PrincipalStressBlock) {
  analyse(diagonal321, 3);
  EXPECT_EQ(block(3, entryOf("P", {0, 0, -1})),
            " \r\n"
            "Caso     3\r\n"
            " A PARTIR DEL TENSOR PRINCIPAL\r\n"
            " VECTOR NORMAL AL PLANO\r\n"
            "  0.000000  i\r\n"
            "  0.000000  j\r\n"
            " -1.000000  k\r\n"
            "\r\n"
            " VECTOR DE ESFUERZOS    (MPa       ) EN LA DIRECCION NORMAL AL PLANO\r\n"
            "  0.0000000E+00\r\n"
            "  0.0000000E+00\r\n"
            "  -1.000000    \r\n"
            " \r\n"
            " \r\n"
            " LOS ESFUERZOS NORMAL Y CORTANTE ACTUANDO EN EL PLANO n:\r\n"
            " SIGMA n=   1.000000     (MPa       )\r\n"
            " TAO n=  0.0000000E+00 (MPa       )\r\n");
}

TEST_F(DirectionBlock, OtherFramesWriteOnlyTheCaseRecord) {
  analyse(diagonal321, 1);
  for (const std::string_view frame : {"g", "p", "X", "", "GE", " G", "GP"}) {
    EXPECT_EQ(block(7, entryOf(frame, {1, 0, 0})), " \r\nCaso     7\r\n") << '"' << frame << '"';
  }
}

// The directional analysis reads all nine components: e = x gives the first
// column of the tensor as it stands.
TEST_F(DirectionBlock, FirstAxisGivesTheFirstColumnOfANonSymmetricTensor) {
  analyse({{{10, 2, 3}, {4, 20, 5}, {6, 7, 30}}}, 1);
  const std::string bytes = block(1, entryOf("G", {1, 0, 0}));
  EXPECT_NE(bytes.find("NORMAL AL PLANO n\r\n"
                       "   10.00000    \r\n"
                       "   4.000000    \r\n"
                       "   6.000000    \r\n"
                       " \r\n"),
            std::string::npos);
  EXPECT_NE(bytes.find(" SIGMA n=   10.00000     (MPa       )\r\n"), std::string::npos);
}

// The numbers that follow each occurrence of a label in the report.
std::vector<double> valuesAfter(const std::string& bytes, std::string_view label) {
  std::vector<double> values;
  for (std::size_t at = bytes.find(label); at != std::string::npos;
       at = bytes.find(label, at + 1)) {
    std::size_t start = at + label.size();
    while (bytes[start] == ' ') ++start;
    double value = 0.0;
    std::from_chars(bytes.data() + start, bytes.data() + bytes.size(), value);
    values.push_back(value);
  }
  return values;
}

// Traction on an oblique plane, worked in double precision: both halves of
// the block (general axes, and principal axes through the solve) agree with it.
TEST_F(DirectionBlock, TractionOnAnObliquePlane) {
  const Rows rows{{{50, 30, 20}, {30, -20, -10}, {20, -10, 10}}};
  const double normal[3] = {1.0, 2.0, 2.0};
  analyse(rows, 1);
  const std::array<float, 3> unit{1.0f / 3.0f, 2.0f / 3.0f, 2.0f / 3.0f};
  const std::string bytes = block(1, entryOf("G", unit));

  double traction[3] = {};
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j) traction[i] += rows[i][j] * normal[j] / 3.0;
  }
  double sigma = 0.0;
  double squared = 0.0;
  for (int i = 0; i < 3; ++i) {
    sigma += traction[i] * normal[i] / 3.0;
    squared += traction[i] * traction[i];
  }
  const double tau = std::sqrt(squared - sigma * sigma);

  const std::vector<double> sigmas = valuesAfter(bytes, "SIGMA n=");
  const std::vector<double> taus = valuesAfter(bytes, "TAO n=");
  const std::vector<double> magnitudes = valuesAfter(bytes, "MAGNITUD DEL VECTOR ESFUERZO s=");
  ASSERT_EQ(sigmas.size(), 2u);
  ASSERT_EQ(taus.size(), 2u);
  ASSERT_EQ(magnitudes.size(), 1u);
  EXPECT_NEAR(magnitudes[0], std::sqrt(squared), 1e-4);
  for (int half = 0; half < 2; ++half) {
    EXPECT_NEAR(sigmas[half], sigma, 1e-4);
    EXPECT_NEAR(taus[half], tau, 1e-4);
  }
}

TEST(VectorAnalysis, ParallelVectorHasZeroShearNotNaN) {
  // Along this principal direction rounding leaves q - s*s below zero.
  const Tensor3 t = tensorOf({{{2, 1, 0}, {1, 2, 0}, {0, 0, 5}}});
  Matrix10 vectorMatrix;
  Matrix10 productMatrix;
  const VectorAnalysis v =
      analyseVector(t, {0.70710683f, 0.70710683f, 0.0f}, vectorMatrix, productMatrix);
  ASSERT_LT(v.q - v.s * v.s, 0.0f);
  EXPECT_EQ(v.h, 0.0f);

  constexpr float nan = std::numeric_limits<float>::quiet_NaN();
  const VectorAnalysis undefined = analyseVector(t, {nan, 0.0f, 0.0f}, vectorMatrix, productMatrix);
  EXPECT_TRUE(std::isnan(undefined.h));
}

TEST(VectorAnalysis, UsesOnlyColumnOneOfTheWorkMatrices) {
  const Tensor3 t = tensorOf({{{1, 2, 3}, {4, 5, 6}, {7, 8, 9}}});
  Matrix10 vectorMatrix;
  Matrix10 productMatrix;
  productMatrix(1, 2) = 42.0f;
  const VectorAnalysis v = analyseVector(t, {0.0f, 1.0f, 0.0f}, vectorMatrix, productMatrix);
  EXPECT_EQ(v.w, (std::array<float, 3>{2, 5, 8}));
  EXPECT_EQ(v.q, 93.0f);
  EXPECT_EQ(v.s, 5.0f);
  EXPECT_EQ(v.m, std::sqrt(93.0f));
  EXPECT_EQ(v.h, std::sqrt(68.0f));
  EXPECT_EQ(productMatrix(1, 2), 42.0f);
}

}  // namespace
}  // namespace tensor3d
