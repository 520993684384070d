#include "tensor/elastic_conversion.hpp"

#include "textio/system_texts.hpp"

namespace tensor3d {
namespace {

constexpr LayoutElement tensorRowLayout[] = {layout::exponent(20, 8, 3)};

void fillSymmetric(Tensor3& t, float t11, float t22, float t33, float t12, float t13, float t23) {
  t(1, 1) = t11;
  t(2, 2) = t22;
  t(3, 3) = t33;
  t(1, 2) = t12;
  t(2, 1) = t12;
  t(1, 3) = t13;
  t(3, 1) = t13;
  t(2, 3) = t23;
  t(3, 2) = t23;
}

void writeWithUnits(RecordWriter& results, std::string_view label, float value,
                    std::string_view unitsText) {
  results.writeFreeForm({label, value, texts::openParen, unitsText, texts::closeParen});
}

void writeConstants(RecordWriter& results, const ElasticConstants& elastic,
                    std::string_view unitsText) {
  results.writeFreeForm({texts::separator});
  results.writeFreeForm({texts::elasticityTheory});
  results.writeFreeForm({});
  results.writeFreeForm({texts::elasticProperties});
  writeWithUnits(results, texts::elasticModulus, elastic.E, unitsText);
  writeWithUnits(results, texts::shearModulus, elastic.G, unitsText);
  results.writeFreeForm({texts::poissonRatio, elastic.nu});
  writeWithUnits(results, texts::lameLambda, elastic.lambda, unitsText);
  results.writeFreeForm({});
}

void writeTensorRows(RecordWriter& results, const Tensor3& t) {
  for (int i = 1; i <= 3; ++i)
    results.writeWithLayout(tensorRowLayout, {t(i, 1), t(i, 2), t(i, 3)});
}

}  // namespace

void deriveModuli(ElasticConstants& elastic) {
  elastic.G = elastic.E / ((elastic.nu + 1.0f) * 2.0f);
}

float linearInvariant(const Tensor3& strains) {
  return (strains(1, 1) + strains(2, 2)) + strains(3, 3);
}

void stressesFromStrains(const Tensor3& strains, const ElasticConstants& elastic,
                         Tensor3& stresses) {
  const float w = elastic.G + elastic.G;
  const float p = elastic.lambda * linearInvariant(strains);
  fillSymmetric(stresses, strains(1, 1) * w + p, strains(2, 2) * w + p, strains(3, 3) * w + p,
                strains(1, 2) * w, strains(1, 3) * w, strains(2, 3) * w);
}

// Products by the reciprocals, not divisions: the last digits depend on it.
void strainsFromStresses(const Tensor3& stresses, const ElasticConstants& elastic,
                         Tensor3& strains) {
  const float rE = 1.0f / elastic.E;
  const float rG = 1.0f / elastic.G;
  const float nu = elastic.nu;
  const float s11 = stresses(1, 1);
  const float s22 = stresses(2, 2);
  const float s33 = stresses(3, 3);
  fillSymmetric(strains, (s11 - (s22 + s33) * nu) * rE, (s22 - (s11 + s33) * nu) * rE,
                (s33 - (s11 + s22) * nu) * rE, (stresses(1, 2) * 0.5f) * rG,
                (stresses(1, 3) * 0.5f) * rG, (stresses(2, 3) * 0.5f) * rG);
}

ProblemKind convertTensor(RecordWriter& results, const Tensor3& tensor, ProblemKind kind,
                          ElasticConstants& elastic, std::string_view convertedLabel,
                          std::string_view unitsText, Tensor3& converted) {
  const float nu = elastic.nu;
  elastic.lambda = (elastic.E * nu) / ((1.0f + nu) * ((1.0f - nu) - nu));
  writeConstants(results, elastic, unitsText);
  if (kind == stressConverted) {
    results.writeFreeForm({texts::strainsFromStressesHeading});
    strainsFromStresses(tensor, elastic, converted);
    results.writeFreeForm({texts::convertedTensor, convertedLabel});
    writeTensorRows(results, converted);
    return strainOnly;
  }
  results.writeFreeForm({texts::stressesFromStrainsHeading});
  results.writeFreeForm({texts::linearInvariant, linearInvariant(tensor)});
  stressesFromStrains(tensor, elastic, converted);
  results.writeFreeForm(
      {texts::convertedTensor, convertedLabel, texts::openParen, unitsText, texts::closeParen});
  writeTensorRows(results, converted);
  return stressOnly;
}

}  // namespace tensor3d
