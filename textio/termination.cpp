#include "textio/termination.hpp"

#include <charconv>
#include <string>

#include "platform/platform.hpp"
#include "textio/handle_line_source.hpp"

namespace tensor3d {
namespace {

std::string_view catalogueText(ErrorNumber number) {
  switch (number) {
    case ErrorNumber::AccessDenied: return "permission to access file denied";
    case ErrorNumber::EndOfFile: return "end-of-file during read";
    case ErrorNumber::FileNotFound: return "file not found";
    case ErrorNumber::OpenFailure: return "open failure";
    case ErrorNumber::WriteError: return "error during write";
    case ErrorNumber::NoSuchDevice: return "no such device";
    case ErrorNumber::FileNameError: return "file name specification error";
    case ErrorNumber::SyntaxError: return "list-directed I/O syntax error";
    case ErrorNumber::ConversionError: return "input conversion error";
  }
  return "unknown error";
}

void appendInteger(std::string& out, int value) {
  char digits[16];
  const auto result = std::to_chars(digits, digits + sizeof digits, value);
  out.append(digits, result.ptr);
}

}  // namespace

[[noreturn]] void failRun(ErrorNumber number, int unitNumber, std::string_view fileName) {
  const int status = static_cast<int>(number);
  std::string line = "quvelo: severe (";
  appendInteger(line, status);
  line += "): ";
  line += catalogueText(number);
  line += ", unit ";
  appendInteger(line, unitNumber);
  line += ", file ";
  line += fileName;
  line += platform::consoleLineEnd();
  // The run ends whether or not the console takes the line.
  (void)platform::writeAll(platform::standardError(), line);
  throw RunEnded{status};
}

[[noreturn]] void orderlyExit(int status) { throw RunEnded{status}; }

void pause(std::string_view message) {
  constexpr std::size_t longestCommand = 1024;
  std::string shown(message);
  shown += '\n';
  std::string line;
  for (;;) {
    (void)platform::writeAll(platform::standardOutput(), shown);
    // The end of standard input ends the pause: nothing could ever answer it.
    if (!consoleInput().nextLine(line) || line.empty()) return;
    if (line.size() > longestCommand) line.resize(longestCommand);
    platform::runCommand(line);
  }
}

}  // namespace tensor3d
