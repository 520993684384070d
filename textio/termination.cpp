#include "textio/termination.hpp"

#include <array>
#include <charconv>
#include <cstddef>
#include <string>
#include <utility>

#include "textio/handle_line_source.hpp"
#include "textio/system_texts.hpp"

namespace tensor3d {
namespace {

std::string_view catalogueText(ErrorNumber number) {
  switch (number) {
    case ErrorNumber::AccessDenied: return texts::accessDeniedText;
    case ErrorNumber::EndOfFile: return texts::endOfFileText;
    case ErrorNumber::FileNotFound: return texts::fileNotFoundText;
    case ErrorNumber::OpenFailure: return texts::openFailureText;
    case ErrorNumber::WriteError: return texts::writeErrorText;
    case ErrorNumber::NoSuchDevice: return texts::noSuchDeviceText;
    case ErrorNumber::FileNameError: return texts::fileNameErrorText;
    case ErrorNumber::SyntaxError: return texts::syntaxErrorText;
    case ErrorNumber::ConversionError: return texts::conversionErrorText;
  }
  return texts::openFailureText;
}

void appendInteger(std::string& out, int value) {
  char digits[16];
  const auto result = std::to_chars(digits, digits + sizeof digits, value);
  out.append(digits, result.ptr);
}

struct InterruptLine {
  std::string text;
  int status;
};

InterruptLine makeInterruptLine(std::string_view event, int status) {
  std::string text(texts::errorPrefix);
  text += texts::interruptNumber;
  text += texts::numberClose;
  text += texts::abortingDueTo;
  text += event;
  text += texts::abortingEvent;
  text += platform::consoleLineEnd();
  return {std::move(text), status};
}

// Formatted before main, so that the interrupt hook only writes ready bytes.
// Indexed by platform::InterruptKind.
const std::array<InterruptLine, 3> interruptLines = {
    makeInterruptLine(texts::controlCEvent, 0),
    makeInterruptLine(texts::controlBreakEvent, 1),
    makeInterruptLine(texts::windowCloseEvent, 2),
};

LineSource* pauseAnswers = nullptr;

const InterruptLine& interruptLine(platform::InterruptKind kind) {
  return interruptLines[static_cast<std::size_t>(kind)];
}

// Runs asynchronously: one write of preformatted bytes, then the end. Every
// record of the results file is already stored, since records are written
// unbuffered, and the system closes the files.
void onInterrupt(platform::InterruptKind kind) {
  const InterruptLine& line = interruptLine(kind);
  (void)platform::writeAll(platform::standardError(), line.text);
  platform::exitProcess(line.status);
}

}  // namespace

[[noreturn]] void failRun(ErrorNumber number, int unitNumber, std::string_view fileName) {
  const int status = static_cast<int>(number);
  std::string line(texts::severePrefix);
  appendInteger(line, status);
  line += texts::numberClose;
  line += catalogueText(number);
  line += texts::unitCaption;
  appendInteger(line, unitNumber);
  line += texts::fileCaption;
  line += fileName;
  line += platform::consoleLineEnd();
  // The run ends whether or not the console takes the line.
  (void)platform::writeAll(platform::standardError(), line);
  throw RunEnded{status};
}

void installRunTermination() { platform::installInterruptHandler(onInterrupt); }

std::string_view interruptDiagnostic(platform::InterruptKind kind) {
  return interruptLine(kind).text;
}

int interruptExitStatus(platform::InterruptKind kind) { return interruptLine(kind).status; }

[[noreturn]] void orderlyExit(int status) { throw RunEnded{status}; }

// Console writes are never buffered, so everything written before the pause
// is already on the console.
void pause(std::string_view message) {
  constexpr std::size_t longestCommand = 1024;
  std::string shown(message);
  shown += '\n';
  LineSource& answers = pauseAnswers != nullptr ? *pauseAnswers : consoleInput();
  std::string line;
  for (;;) {
    (void)platform::writeAll(platform::standardOutput(), shown);
    // The end of standard input ends the pause: nothing could ever answer it.
    if (!answers.nextLine(line) || line.empty()) return;
    if (line.size() > longestCommand) line.resize(longestCommand);
    platform::runCommand(line);
  }
}

void setPauseAnswers(LineSource* answers) { pauseAnswers = answers; }

}  // namespace tensor3d
