// The program's main routine: the console dialogue, the files, the problem
// and the passes of the analysis.
#pragma once

namespace tensor3d {

// Runs the whole program and returns the process exit status.
int runProgram();

}  // namespace tensor3d
