// The program's main routine: the console dialogue, the files, the problem
// and the passes of the analysis.
#pragma once

#include <string>

#include "driver/pass_steps.hpp"
#include "driver/problem_data.hpp"
#include "textio/line_source.hpp"
#include "textio/record_sink.hpp"
#include "textio/record_writer.hpp"

namespace tensor3d {

// Where the dialogue happens: prompts out, answers in.
struct Console {
  RecordSink& prompts;
  LineSource& answers;
};

// The report of one problem, from its header record to the last pass. Does
// not return when the run ends early (RunEnded).
void runProblem(ProblemDataReader& data, RecordWriter& results, PassSteps& steps);

// The report of the problem in `data` (shown in diagnostics as `dataName`)
// written to `results`; returns the exit status of the run.
int runReport(LineSource& data, std::string dataName, RecordSink& results, PassSteps& steps);

// A whole run over `console`, with the files it names; returns the exit status.
int runSession(const Console& console, PassSteps& steps);

// Runs the whole program on the process's console and returns its exit status.
int runProgram();

}  // namespace tensor3d
