// Everything a run keeps from the dialogue to the end: one instance per run.
#pragma once

#include <string_view>

#include "driver/problem_data.hpp"
#include "tensor/principal_analysis.hpp"

namespace tensor3d {

struct RunState {
  ProblemData problem;
  std::string_view tensorLabel;     // names the tensor of the current pass
  std::string_view convertedLabel;  // names the tensor that the conversion yields
  int passCount = 0;                // conversions done so far
  PrincipalResult principal;
};

}  // namespace tensor3d
