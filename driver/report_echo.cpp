#include "driver/report_echo.hpp"

#include <array>
#include <cmath>

#include "tensor/direction_frame.hpp"
#include "textio/system_texts.hpp"

namespace tensor3d {
namespace {

constexpr std::array tensorRowLayout{layout::fixed(18, 8, 3)};

// One record per component with its axis letter, then an empty record.
constexpr std::array unitVectorLayout{layout::group(3, 3), layout::fixed(10, 6), layout::text(3),
                                      layout::recordBreak()};

std::string_view textOf(const std::array<char, unitsTextLength>& text) {
  return {text.data(), text.size()};
}

}  // namespace

void writeReportHeader(RecordWriter& results) {
  results.writeFreeForm({texts::versionHeading, texts::versionDate});
}

void writeTensorEcho(RecordWriter& results, const ProblemData& problem,
                     std::string_view tensorLabel) {
  results.writeFreeForm({texts::solvingForTensor, tensorLabel});
  if (isStressKind(problem.kind)) {
    results.writeFreeForm(
        {texts::unitsHeading, texts::openParen, textOf(problem.unitsText), texts::closeParen});
  }
  const Tensor3& tensor = problem.tensor;
  for (int row = 1; row <= 3; ++row) {
    results.writeWithLayout(tensorRowLayout, {tensor(row, 1), tensor(row, 2), tensor(row, 3)});
  }
}

void formUnitVector(DirectionEntry& entry) {
  const auto& [x, y, z] = entry.components;
  const float length = std::sqrt((x * x + y * y) + z * z);
  for (std::size_t axis = 0; axis < 3; ++axis) {
    entry.unitVector[axis] = entry.components[axis] / length;
  }
}

void writeDirectionEcho(RecordWriter& results, const DirectionEntry& entry, ProblemKind kind) {
  if (frameEquals(entry.frame, texts::frameGeneral)) results.writeFreeForm({texts::respectGeneral});
  if (frameEquals(entry.frame, texts::framePrincipal)) {
    results.writeFreeForm({texts::respectPrincipal});
  }
  results.writeFreeForm(
      {isStressKind(kind) ? texts::solveNormalHeading : texts::solveDirectionHeading});
  const auto& u = entry.unitVector;
  results.writeWithLayout(unitVectorLayout,
                          {u[0], texts::letterI, u[1], texts::letterJ, u[2], texts::letterK});
}

}  // namespace tensor3d
