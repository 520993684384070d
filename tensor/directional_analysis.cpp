#include "tensor/directional_analysis.hpp"

#include <array>

#include "tensor/direction_frame.hpp"
#include "tensor/linear_solve.hpp"
#include "tensor/vector_analysis.hpp"
#include "textio/system_texts.hpp"

namespace tensor3d {
namespace {

constexpr LayoutElement caseLayout[] = {layout::text(5), layout::integer(5)};
constexpr LayoutElement directionLayout[] = {layout::group(3, 3), layout::fixed(10, 6),
                                             layout::text(3), layout::recordBreak()};
constexpr LayoutElement principalAxesLayout[] = {layout::group(3, 2), layout::fixed(12, 7),
                                                 layout::recordBreak()};

// Everything one entry needs besides its number and frame.
struct DirectionContext {
  RecordWriter& results;
  const PrincipalResult& principal;
  bool stress;
  std::string_view tensorLabel;
  std::string_view unitsText;
  Matrix10 vectorMatrix;
  Matrix10 productMatrix;
};

void writeDirection(RecordWriter& results, const std::array<float, 3>& e) {
  results.writeWithLayout(directionLayout,
                          {e[0], texts::letterI, e[1], texts::letterJ, e[2], texts::letterK});
}

void writeVector(RecordWriter& results, const std::array<float, 3>& w) {
  for (const float component : w) results.writeFreeForm({component});
}

// A stress and its units in parentheses.
void writeStress(DirectionContext& context, std::string_view label, float value) {
  context.results.writeFreeForm(
      {label, value, texts::openParen, context.unitsText, texts::closeParen});
}

void writeStrainAngle(RecordWriter& results, float h, std::string_view angularLabel) {
  results.writeFreeForm({texts::thetaStrain, h, angularLabel, 2.0f * h});
}

// The vector of the tensor of the pass for e, in the general axes.
void writeGeneralAxes(DirectionContext& context, const Tensor3& tensor,
                      const std::array<float, 3>& e) {
  RecordWriter& results = context.results;
  const VectorAnalysis v = analyseVector(tensor, e, context.vectorMatrix, context.productMatrix);
  if (context.stress) {
    results.writeFreeForm({texts::stressVectorCaption, texts::openParen, context.unitsText,
                           texts::closeParen, texts::normalToPlaneN});
  } else {
    results.writeFreeForm({texts::strainVectorCaption});
  }
  writeVector(results, v.w);
  results.writeFreeForm({});
  if (context.stress) {
    results.writeFreeForm({texts::stressesActingOnPlane});
    writeStress(context, texts::stressMagnitude, v.m);
    writeStress(context, texts::normalStress, v.s);
    writeStress(context, texts::shearStress, v.h);
  } else {
    results.writeFreeForm({texts::strainsActingIn});
    results.writeFreeForm({texts::strainMagnitude, v.m});
    results.writeFreeForm({texts::linearStrain, v.s});
    writeStrainAngle(results, v.h, texts::angularStrainFirst);
  }
}

std::string_view principalVectorHeading(const DirectionContext& context) {
  return context.stress ? texts::vectorNormalToPlane : texts::vectorInDirection;
}

// A vector given in the principal axes under the principal tensor. The
// strain wording labels the linear strain differently in the two blocks.
void writePrincipalAxes(DirectionContext& context, const std::array<float, 3>& x,
                        std::string_view linearStrainLabel) {
  RecordWriter& results = context.results;
  const VectorAnalysis v = analyseVector(context.principal.principalTensor, x, context.vectorMatrix,
                                         context.productMatrix);
  if (context.stress) {
    results.writeFreeForm({texts::vectorOf, context.tensorLabel, texts::openParen,
                           context.unitsText, texts::closeParen, texts::normalToPlane});
  } else {
    results.writeFreeForm({texts::vectorOf, context.tensorLabel, texts::inDirectionOfE});
  }
  writeVector(results, v.w);
  results.writeFreeForm({});
  results.writeFreeForm({});
  if (context.stress) {
    results.writeFreeForm({texts::stressesActingOnPlaneN});
    writeStress(context, texts::normalStress, v.s);
    writeStress(context, texts::shearStress, v.h);
  } else {
    results.writeFreeForm({texts::strainsActing});
    results.writeFreeForm({linearStrainLabel, v.s});
    writeStrainAngle(results, v.h, texts::angularStrain);
  }
}

// Expresses e in the principal axes: Q x = e. The solve replaces its
// coefficient matrix by the inverse, so Q is copied in afresh every time.
std::array<float, 3> toPrincipalAxes(RecordWriter& results, const PrincipalResult& principal,
                                     const std::array<float, 3>& e) {
  Matrix20 coefficients;
  Matrix20 rightHandSide;
  for (int r = 1; r <= 3; ++r) {
    for (int k = 1; k <= 3; ++k) coefficients(r, k) = principal.cosines[r - 1][k - 1];
    rightHandSide(r, 1) = e[r - 1];
  }
  gaussJordanSolve(3, 1, coefficients, rightHandSide, results);
  return {rightHandSide(1, 1), rightHandSide(2, 1), rightHandSide(3, 1)};
}

void writeGeneralBlock(DirectionContext& context, const Tensor3& tensor,
                       const std::array<float, 3>& e) {
  RecordWriter& results = context.results;
  results.writeFreeForm({texts::respectGeneral});
  results.writeFreeForm(
      {context.stress ? texts::solveNormalHeading : texts::solveDirectionHeading});
  writeDirection(results, e);
  writeGeneralAxes(context, tensor, e);
  results.writeFreeForm({});
  results.writeFreeForm({});
  results.writeFreeForm({texts::sameVectorPrincipal});
  const std::array<float, 3> x = toPrincipalAxes(results, context.principal, e);
  results.writeFreeForm({texts::vectorInPrincipalAxes});
  results.writeFreeForm({principalVectorHeading(context)});
  results.writeWithLayout(principalAxesLayout, {x[0], x[1], x[2]});
  writePrincipalAxes(context, x, texts::normalStrain);
}

void writePrincipalBlock(DirectionContext& context, const std::array<float, 3>& e) {
  context.results.writeFreeForm({texts::fromPrincipalTensor});
  context.results.writeFreeForm({principalVectorHeading(context)});
  writeDirection(context.results, e);
  writePrincipalAxes(context, e, texts::linearStrain);
}

}  // namespace

void analyseDirection(RecordWriter& results, std::int32_t number, const DirectionEntry& entry,
                      const Tensor3& tensor, const PrincipalResult& principal, ProblemKind kind,
                      std::string_view tensorLabel, std::string_view unitsText) {
  results.writeFreeForm({});
  results.writeWithLayout(caseLayout, {texts::caseHeading, number});
  // Fresh zeroed work matrices for every entry.
  DirectionContext context{results, principal, isStressKind(kind), tensorLabel, unitsText, {}, {}};
  if (frameEquals(entry.frame, texts::frameGeneral)) {
    writeGeneralBlock(context, tensor, entry.unitVector);
  }
  if (frameEquals(entry.frame, texts::framePrincipal)) {
    writePrincipalBlock(context, entry.unitVector);
  }
}

}  // namespace tensor3d
