#include "tensor/principal_analysis.hpp"

#include "tensor/characteristic_polynomial.hpp"
#include "tensor/direction_angle.hpp"
#include "tensor/eigen_solver.hpp"
#include "textio/system_texts.hpp"

namespace tensor3d {
namespace {

constexpr LayoutElement polynomialLayout[] = {layout::text(5), layout::exponent(15, 8),
                                              layout::text(6), layout::exponent(15, 8),
                                              layout::text(4), layout::exponent(15, 8)};
constexpr LayoutElement valuesHeaderLayout[] = {layout::text(36)};
constexpr LayoutElement strainValuesLayout[] = {layout::fixed(12, 7, 3)};
constexpr LayoutElement stressValuesLayout[] = {layout::fixed(12, 4, 3)};
constexpr LayoutElement cosinesLayout[] = {layout::fixed(12, 7, 3)};
constexpr LayoutElement strainAngleLayout[] = {layout::fixed(10, 7), layout::text(17),
                                               layout::fixed(10, 2, 3)};
constexpr LayoutElement stressAngleLayout[] = {layout::fixed(12, 4), layout::text(1),
                                               layout::text(8),      layout::text(1),
                                               layout::text(17),     layout::fixed(10, 2, 3)};

// The eigen-solver destroys the upper triangle it reads, and the tensor of
// the pass is read in full afterwards, so it works on a copy.
void solvePrincipal(const Tensor3& tensor, PrincipalResult& result) {
  Matrix10 working;
  for (int j = 1; j <= 3; ++j) {
    for (int i = 1; i <= 3; ++i) working(i, j) = tensor(i, j);
  }
  jacobi(working, 3, result.eigenvalues, result.directions);
  result.order = principalOrder(result.eigenvalues);
  for (int k = 1; k <= 3; ++k) {
    const std::int32_t m = result.order[k - 1];
    result.ordered[k - 1] = result.eigenvalues[m - 1];
    for (int r = 1; r <= 3; ++r) result.cosines[r - 1][k - 1] = result.directions(r, m);
  }
  for (int j = 1; j <= 3; ++j) {
    for (int i = 1; i <= 3; ++i) result.principalTensor(i, j) = 0.0f;
    result.principalTensor(j, j) = result.ordered[j - 1];
  }
}

void writePolynomial(RecordWriter& results, const Tensor3& tensor) {
  const std::array<float, 3> c = characteristicPolynomial(tensor);
  results.writeFreeForm({});
  results.writeFreeForm({texts::principalHeading});
  results.writeFreeForm({texts::polynomialHeading});
  results.writeWithLayout(polynomialLayout, {texts::polynomialCubic, c[0], texts::polynomialSquare,
                                             c[1], texts::polynomialLinear, c[2]});
}

void writeValuesAndCosines(RecordWriter& results, const PrincipalResult& result, bool strain,
                           std::string_view tensorLabel) {
  const std::array<float, 3>& lambda = result.ordered;
  results.writeFreeForm({});
  results.writeFreeForm({tensorLabel, texts::orderedPrincipals});
  results.writeWithLayout(valuesHeaderLayout,
                          {strain ? texts::strainValuesHeader : texts::stressValuesHeader});
  results.writeWithLayout(
      strain ? RecordLayout(strainValuesLayout) : RecordLayout(stressValuesLayout),
      {lambda[0], lambda[1], lambda[2]});
  results.writeFreeForm({texts::cosinesHeading});
  results.writeFreeForm({texts::cosinesColumns});
  for (const std::array<float, 3>& row : result.cosines) {
    results.writeWithLayout(cosinesLayout, {row[0], row[1], row[2]});
  }
  results.writeFreeForm({});
  results.writeFreeForm({});
}

void writeAngles(RecordWriter& results, const PrincipalResult& result, bool strain,
                 std::string_view unitsText) {
  for (int k = 0; k < 3; ++k) {
    const float lambda = result.ordered[k];
    const float a1 = angleWithAxis(result.cosines[0][k]);
    const float a2 = angleWithAxis(result.cosines[1][k]);
    const float a3 = angleWithAxis(result.cosines[2][k]);
    if (strain) {
      const std::string_view caption = k == 0 ? texts::inDirectionFirst : texts::inDirection;
      results.writeWithLayout(strainAngleLayout, {lambda, caption, a1, a2, a3});
    } else {
      results.writeWithLayout(
          stressAngleLayout,
          {lambda, texts::openParen, unitsText, texts::closeParen, texts::inDirection, a1, a2, a3});
    }
  }
}

// This record tests for the stress kinds while the rest of the block tests
// for the strain kinds; outside kinds 1 to 4 the two wordings mix.
void writeExtremeShear(RecordWriter& results, const PrincipalResult& result, ProblemKind kind,
                       std::string_view unitsText) {
  const float tau = (result.ordered[0] - result.ordered[2]) * 0.5f;
  results.writeFreeForm({});
  if (isStressKind(kind)) {
    results.writeFreeForm({texts::extremeStress, texts::extremeStressMax, tau, texts::openParen,
                           unitsText, texts::closeParen});
  } else {
    results.writeFreeForm({texts::extremeStrain, texts::extremeStrainMax, tau});
  }
}

}  // namespace

void principalAnalysis(RecordWriter& results, const Tensor3& tensor, ProblemKind kind,
                       std::string_view tensorLabel, std::string_view unitsText,
                       PrincipalResult& result) {
  writePolynomial(results, tensor);
  solvePrincipal(tensor, result);
  const bool strain = isStrainKind(kind);
  writeValuesAndCosines(results, result, strain, tensorLabel);
  writeAngles(results, result, strain, unitsText);
  writeExtremeShear(results, result, kind, unitsText);
  results.writeFreeForm({});
  results.writeFreeForm({texts::separator});
}

}  // namespace tensor3d
