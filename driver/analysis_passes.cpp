#include "driver/analysis_passes.hpp"

#include <string_view>

namespace tensor3d {

void runPasses(RecordWriter& results, ProblemDataReader& data, RunState& state, PassSteps& steps) {
  ProblemData& problem = state.problem;
  const std::string_view unitsText(problem.unitsText.data(), problem.unitsText.size());
  Tensor3 converted;
  for (;;) {
    steps.principal(results, problem.tensor, problem.kind, state.tensorLabel, unitsText,
                    state.principal);
    for (std::int32_t number = 1; number <= problem.directionCount; ++number) {
      steps.direction(results, number, problem.directions[number - 1], problem.tensor,
                      state.principal, problem.kind, state.tensorLabel, unitsText);
    }
    if (problem.kind == stressConverted || problem.kind == strainConverted) {
      data.readElasticConstants(problem.elastic);
      steps.deriveModuli(problem.elastic);
    }
    if (problem.kind == stressOnly || problem.kind == strainOnly) return;
    problem.kind = steps.convert(results, problem.tensor, problem.kind, problem.elastic,
                                 state.convertedLabel, unitsText, converted);
    ++state.passCount;
    if (state.passCount == 1) {
      problem.tensor = converted;
      state.tensorLabel = state.convertedLabel;
    }
  }
}

}  // namespace tensor3d
