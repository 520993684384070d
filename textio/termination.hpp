// Every way a run ends or pauses. A failure or an orderly exit unwinds to the
// entry point as a RunEnded exception, so that open files close on the way out
// and an in-process caller (tests, fuzzing) gets the run's end as a value.
#pragma once

#include <string_view>

#include "platform/platform.hpp"
#include "textio/line_source.hpp"

namespace tensor3d {

enum class ErrorNumber : int {
  AccessDenied = 9,
  EndOfFile = 24,
  FileNotFound = 29,
  OpenFailure = 30,
  WriteError = 38,
  NoSuchDevice = 42,
  FileNameError = 43,
  SyntaxError = 59,
  ConversionError = 64,
};

// Unit numbers named by the diagnostics.
namespace unit {
inline constexpr int dataFile = 1;
inline constexpr int resultsFile = 2;
inline constexpr int consoleInput = -4;
inline constexpr int consoleOutput = 0;
}  // namespace unit

// Names shown for the console streams in diagnostics.
inline constexpr std::string_view consoleInputName = "CONIN$";
inline constexpr std::string_view consoleOutputName = "CONOUT$";

// The run is over; `status` is the process exit status.
struct RunEnded {
  int status;
};

// Writes the diagnostic line for error `number` on `unitNumber` and the file
// shown as `fileName` (a full path or a console stream name) to standard
// error, then ends the run with the error number as status.
[[noreturn]] void failRun(ErrorNumber number, int unitNumber, std::string_view fileName);

// Hooks the console interrupts: each one writes its diagnostic line to
// standard error and ends the process at once. Called at start-up.
void installRunTermination();

// The diagnostic line of a console interrupt, line end included, and the exit
// status that the interrupt ends the process with.
std::string_view interruptDiagnostic(platform::InterruptKind kind);
int interruptExitStatus(platform::InterruptKind kind);

// Ends the run with `status` and no console output.
[[noreturn]] void orderlyExit(int status);

// Shows `message` on standard output and waits for an empty line on standard
// input; any other line runs as a command and the message is shown again.
void pause(std::string_view message);

// Where the pause reads its answers: standard input unless an in-process
// caller (a fuzz target, a test) hands its own lines; nullptr restores
// standard input.
void setPauseAnswers(LineSource* answers);

}  // namespace tensor3d
