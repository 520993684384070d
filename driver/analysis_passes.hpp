// The passes of the analysis: the tensor as read, then, for the kinds that
// convert, the converted tensor.
#pragma once

#include "driver/pass_steps.hpp"
#include "driver/problem_data.hpp"
#include "driver/run_state.hpp"
#include "textio/record_writer.hpp"

namespace tensor3d {

// Runs every pass over `state`, whose problem has been read up to its
// directions. The elastic constants are read from `data` only once the first
// pass has been written.
void runPasses(RecordWriter& results, ProblemDataReader& data, RunState& state, PassSteps& steps);

}  // namespace tensor3d
