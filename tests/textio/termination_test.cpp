#include "textio/termination.hpp"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#else
#include <unistd.h>
#endif

#include "platform/platform.hpp"
#include "tests/platform/temp_directory.hpp"

namespace tensor3d {
namespace {

namespace fs = std::filesystem;

enum class Stream { Input, Output, Error };

// Points one standard stream of the process at a file while it lives.
class Redirect {
 public:
  Redirect(Stream stream, const fs::path& file) : stream_(stream) {
    const platform::OpenResult opened = stream == Stream::Input
                                            ? platform::openForReading(file.string())
                                            : platform::openForWriting(file.string());
    EXPECT_EQ(opened.errorNumber, 0) << file;
#ifdef _WIN32
    saved_ = ::GetStdHandle(id());
    file_ = reinterpret_cast<HANDLE>(opened.handle.value);
    ::SetStdHandle(id(), file_);
#else
    std::fflush(stdout);
    saved_ = ::dup(id());
    ::dup2(static_cast<int>(opened.handle.value), id());
    ::close(static_cast<int>(opened.handle.value));
#endif
  }
  ~Redirect() {
#ifdef _WIN32
    ::SetStdHandle(id(), saved_);
    ::CloseHandle(file_);
#else
    ::dup2(saved_, id());
    ::close(saved_);
#endif
  }
  Redirect(const Redirect&) = delete;
  Redirect& operator=(const Redirect&) = delete;

 private:
#ifdef _WIN32
  DWORD id() const {
    return stream_ == Stream::Input    ? STD_INPUT_HANDLE
           : stream_ == Stream::Output ? STD_OUTPUT_HANDLE
                                       : STD_ERROR_HANDLE;
  }
  HANDLE saved_ = nullptr;
  HANDLE file_ = nullptr;
#else
  int id() const { return static_cast<int>(stream_); }
  int saved_ = -1;
#endif
  Stream stream_;
};

std::string contents(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string consoleLine(std::string_view text) {
  return std::string(text) + std::string(platform::consoleLineEnd());
}

class Termination : public ::testing::Test {
 protected:
  // What `action` writes to standard error, and the status it ends the run with.
  template <typename Action>
  std::string endedRun(Action action, int& status) {
    const fs::path captured = directory_.path() / "stderr.txt";
    status = -1;
    {
      Redirect error(Stream::Error, captured);
      try {
        action();
      } catch (const RunEnded& ended) {
        status = ended.status;
      }
    }
    return contents(captured);
  }

  testing::TempDirectory directory_;
};

struct FailureCase {
  ErrorNumber number;
  int unitNumber;
  std::string_view fileName;
  std::string_view line;
};

TEST_F(Termination, FailureWritesItsDiagnosticAndEndsWithTheErrorNumber) {
  const FailureCase cases[] = {
      {ErrorNumber::FileNotFound, unit::dataFile, "/x/y",
       "quvelo: severe (29): file not found, unit 1, file /x/y"},
      {ErrorNumber::AccessDenied, unit::resultsFile, "C:\\trabajo\\r.txt",
       "quvelo: severe (9): permission to access file denied, unit 2, file C:\\trabajo\\r.txt"},
      {ErrorNumber::EndOfFile, unit::consoleInput, consoleInputName,
       "quvelo: severe (24): end-of-file during read, unit -4, file CONIN$"},
      {ErrorNumber::OpenFailure, unit::dataFile, "/d",
       "quvelo: severe (30): open failure, unit 1, file /d"},
      {ErrorNumber::WriteError, unit::consoleOutput, consoleOutputName,
       "quvelo: severe (38): error during write, unit 0, file CONOUT$"},
      {ErrorNumber::NoSuchDevice, unit::dataFile, "Q:\\d",
       "quvelo: severe (42): no such device, unit 1, file Q:\\d"},
      {ErrorNumber::FileNameError, unit::resultsFile, "",
       "quvelo: severe (43): file name specification error, unit 2, file "},
      {ErrorNumber::SyntaxError, unit::dataFile, "/datos 1.txt",
       "quvelo: severe (59): list-directed I/O syntax error, unit 1, file /datos 1.txt"},
      {ErrorNumber::ConversionError, unit::dataFile, "/d\xED",
       "quvelo: severe (64): input conversion error, unit 1, file /d\xED"},
  };
  for (const FailureCase& test : cases) {
    int status = 0;
    const std::string written =
        endedRun([&] { failRun(test.number, test.unitNumber, test.fileName); }, status);
    EXPECT_EQ(written, consoleLine(test.line));
    EXPECT_EQ(status, static_cast<int>(test.number)) << test.line;
  }
}

TEST_F(Termination, DiagnosticLineEndsTheSystemsWay) {
  int status = 0;
  const std::string written =
      endedRun([] { failRun(ErrorNumber::FileNotFound, unit::dataFile, "/x/y"); }, status);
#ifdef _WIN32
  EXPECT_EQ(written, "quvelo: severe (29): file not found, unit 1, file /x/y\r\n");
#else
  EXPECT_EQ(written, "quvelo: severe (29): file not found, unit 1, file /x/y\n");
#endif
}

TEST_F(Termination, OrderlyExitEndsSilentlyWithItsStatus) {
  for (const int expected : {0, 3}) {
    int status = -1;
    EXPECT_EQ(endedRun([&] { orderlyExit(expected); }, status), "");
    EXPECT_EQ(status, expected);
  }
}

struct InterruptCase {
  platform::InterruptKind kind;
  std::string_view line;
  int status;
  int signalNumber;  // the signal that stands for the event on POSIX
};

const InterruptCase interruptCases[] = {
    {platform::InterruptKind::ControlC,
     "quvelo: error (200): program aborting due to control-C event", 0, SIGINT},
#ifndef _WIN32
    {platform::InterruptKind::ControlBreak,
     "quvelo: error (200): program aborting due to control-BREAK event", 1, SIGQUIT},
    {platform::InterruptKind::WindowClose,
     "quvelo: error (200): program aborting due to window-CLOSE event", 2, SIGHUP},
#else
    {platform::InterruptKind::ControlBreak,
     "quvelo: error (200): program aborting due to control-BREAK event", 1, 0},
    {platform::InterruptKind::WindowClose,
     "quvelo: error (200): program aborting due to window-CLOSE event", 2, 0},
#endif
};

TEST(Interrupt, EachEventHasItsLineAndStatus) {
  for (const InterruptCase& test : interruptCases) {
    EXPECT_EQ(interruptDiagnostic(test.kind), consoleLine(test.line));
    EXPECT_EQ(interruptExitStatus(test.kind), test.status) << test.line;
  }
}

TEST(InterruptDeathTest, SignalEndsTheProcessWithTheEventsLineAndStatus) {
#ifdef _WIN32
  GTEST_SKIP() << "a console event reaches every process of the console, the test runner too; "
                  "the program's end-to-end tests send them";
#else
  for (const InterruptCase& test : interruptCases) {
    std::string pattern = "^";
    for (const char c : test.line) {
      if (c == '(' || c == ')') pattern += '\\';
      pattern += c;
    }
    pattern += "\n$";
    EXPECT_EXIT(
        {
          installRunTermination();
          std::raise(test.signalNumber);
        },
        ::testing::ExitedWithCode(test.status), pattern)
        << test.line;
  }
#endif
}

TEST(InterruptDeathTest, ControlCDuringAPauseCommandEndsTheRun) {
#ifdef _WIN32
  GTEST_SKIP() << "a console event reaches every process of the console, the test runner too; "
                  "the program's end-to-end tests send them";
#else
  EXPECT_EXIT(
      {
        installRunTermination();
        platform::runCommand("kill -INT $PPID; sleep 1");
        ::_exit(5);
      },
      ::testing::ExitedWithCode(0), "control-C event");
#endif
}

// One run through the three ways a pause ends: a command and then an empty
// line, a line that holds only a carriage return, and the end of the input.
TEST_F(Termination, PauseRunsCommandsUntilAnEmptyLineOrTheEndOfInput) {
  const fs::path mark = directory_.path() / "mark.txt";
  const fs::path input =
      directory_.write("stdin.txt", "echo hecho> \"" + mark.string() + "\"\n\n\r\n");
  const fs::path output = directory_.path() / "stdout.txt";
  {
    Redirect in(Stream::Input, input);
    Redirect out(Stream::Output, output);
    for (int i = 0; i < 3; ++i) pause("too many iterations in jacobi");
  }
  EXPECT_EQ(contents(output),
            "too many iterations in jacobi\n"
            "too many iterations in jacobi\n"
            "too many iterations in jacobi\n"
            "too many iterations in jacobi\n");
  EXPECT_EQ(contents(mark).substr(0, 5), "hecho");
}

}  // namespace
}  // namespace tensor3d
