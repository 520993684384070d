#include "driver/run_driver.hpp"

#include <string_view>
#include <utility>

#include "driver/analysis_passes.hpp"
#include "driver/console_dialogue.hpp"
#include "driver/open_file.hpp"
#include "driver/report_echo.hpp"
#include "driver/run_state.hpp"
#include "platform/platform.hpp"
#include "textio/free_form_reader.hpp"
#include "textio/handle_line_source.hpp"
#include "textio/handle_record_sink.hpp"
#include "textio/system_texts.hpp"
#include "textio/termination.hpp"

namespace tensor3d {
namespace {

// The exit status of `run`, which ends either by returning or by RunEnded.
template <typename Run>
int statusOf(Run&& run) {
  try {
    std::forward<Run>(run)();
    return 0;
  } catch (const RunEnded& end) {
    return end.status;
  }
}

void setLabels(RunState& state) {
  const bool stress = isStressKind(state.problem.kind);
  state.tensorLabel = stress ? texts::stressLabel : texts::strainLabel;
  state.convertedLabel = stress ? texts::strainLabel : texts::stressLabel;
}

OpenFile openedOrFail(platform::OpenResult opened, int unitNumber, const std::string& path) {
  if (opened.errorNumber != 0) {
    failRun(static_cast<ErrorNumber>(opened.errorNumber), unitNumber, path);
  }
  return OpenFile(opened.handle);
}

void runDialogueAndFiles(const Console& console, PassSteps& steps) {
  RecordWriter prompts(console.prompts);
  FreeFormReader answers(console.answers, unit::consoleInput, std::string(consoleInputName));
  const FileNameAnswer dataAnswer = askFileName(prompts, answers, texts::promptDataFile);
  const FileNameAnswer resultsAnswer = askFileName(prompts, answers, texts::promptResultsFile);
  const std::string dataName = nameToOpen(dataAnswer, unit::dataFile);
  const std::string resultsName = nameToOpen(resultsAnswer, unit::resultsFile);

  const std::string dataPath = platform::fullPath(dataName);
  OpenFile dataFile = openedOrFail(platform::openForReading(dataName), unit::dataFile, dataPath);
  const std::string resultsPath = platform::fullPath(resultsName);
  // Replacing the data file with its own report would destroy the problem.
  if (platform::namesOpenFile(dataFile.handle(), resultsName)) {
    failRun(ErrorNumber::OpenFailure, unit::resultsFile, resultsPath);
  }
  OpenFile resultsFile =
      openedOrFail(platform::openForWriting(resultsName), unit::resultsFile, resultsPath);

  HandleLineSource dataRecords(dataFile.handle());
  ProblemDataReader data(dataRecords, dataPath);
  HandleRecordSink resultsRecords(resultsFile.handle(), "\r\n", unit::resultsFile, resultsPath);
  RecordWriter results(resultsRecords);
  runProblem(data, results, steps);

  (void)dataFile.close();
  if (!resultsFile.close()) failRun(ErrorNumber::WriteError, unit::resultsFile, resultsPath);
}

}  // namespace

void runProblem(ProblemDataReader& data, RecordWriter& results, PassSteps& steps) {
  RunState state;
  ProblemData& problem = state.problem;
  writeReportHeader(results);
  data.readProblemHeader(problem);
  setLabels(state);
  writeTensorEcho(results, problem, state.tensorLabel);
  data.readDirectionCount(problem);
  for (std::int32_t number = 1; number <= problem.directionCount; ++number) {
    DirectionEntry& entry = problem.directions[number - 1];
    data.readDirectionEntry(entry);
    formUnitVector(entry);
    writeDirectionEcho(results, entry, problem.kind);
  }
  runPasses(results, data, state, steps);
}

int runReport(LineSource& data, std::string dataName, RecordSink& results, PassSteps& steps) {
  return statusOf([&] {
    ProblemDataReader reader(data, std::move(dataName));
    RecordWriter writer(results);
    runProblem(reader, writer, steps);
  });
}

int runSession(const Console& console, PassSteps& steps) {
  return statusOf([&] { runDialogueAndFiles(console, steps); });
}

int runProgram() {
  platform::setFloatingPointMode();
  installRunTermination();
  HandleRecordSink prompts(platform::standardError(), platform::consoleLineEnd(),
                           unit::consoleOutput, std::string(consoleOutputName));
  return runSession(Console{prompts, consoleInput()}, tensorPassSteps());
}

}  // namespace tensor3d
