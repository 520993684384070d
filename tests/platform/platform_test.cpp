#include "platform/platform.hpp"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <string>
#include <vector>

#ifndef _WIN32
#include <signal.h>
#include <unistd.h>
#endif

#include "tests/platform/temp_directory.hpp"

namespace tensor3d::platform {
namespace {

namespace fs = std::filesystem;

constexpr bool onWindows =
#ifdef _WIN32
    true;
#else
    false;
#endif

bool runningAsRoot() {
#ifdef _WIN32
  return false;
#else
  return ::geteuid() == 0;
#endif
}

std::string readWhole(FileHandle file) {
  std::string bytes;
  char buffer[1000];
  for (;;) {
    const std::ptrdiff_t count = readSome(file, buffer, sizeof buffer);
    if (count <= 0) {
      EXPECT_EQ(count, 0) << "read error";
      return bytes;
    }
    bytes.append(buffer, static_cast<std::size_t>(count));
  }
}

// Runs a test with a temporary directory as the working directory.
class PlatformFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    previous_ = fs::current_path();
    fs::current_path(directory_.path());
  }
  void TearDown() override { fs::current_path(previous_); }

  testing::TempDirectory directory_;
  fs::path previous_;
};

struct OpenCase {
  const char* description;
  std::string name;  // relative to the working directory
  bool forWriting;
  int errorNumber;
};

TEST_F(PlatformFiles, OpenFailuresMapToTheirErrorNumbers) {
  (void)directory_.write("plain.txt", "x");
  fs::create_directory(directory_.path() / "folder");
  const std::string tooLong(300, 'n');
  const OpenCase cases[] = {
      {"missing file", "missing.txt", false, 29},
      {"missing directory, reading", "nowhere/x.txt", false, 29},
      {"missing directory, writing", "nowhere/x.txt", true, 29},
      {"a file used as directory", "plain.txt/x.txt", true, 29},
      {"directory opened for reading", "folder", false, 9},
      {"directory opened for writing", "folder", true, 9},
      {"empty name, reading", "", false, 43},
      {"empty name, writing", "", true, 43},
      {"name with a NUL", std::string("plain.txt\0x", 11), false, 43},
      {"too long a name, reading", tooLong, false, 43},
      {"too long a name, writing", tooLong, true, 43},
  };
  for (const OpenCase& test : cases) {
    const OpenResult result =
        test.forWriting ? openForWriting(test.name) : openForReading(test.name);
    EXPECT_EQ(result.errorNumber, test.errorNumber) << test.description;
    EXPECT_FALSE(result.handle.isOpen()) << test.description;
  }
  EXPECT_FALSE(fs::exists(directory_.path() / "nowhere"));
}

TEST_F(PlatformFiles, ADriveThatDoesNotExistIsNoSuchDevice) {
  if (!onWindows) GTEST_SKIP() << "POSIX file names have no drive letters";
  // Drive letters are given from A upwards; the last ones are free on any usual machine.
  EXPECT_EQ(openForReading("Q:\\datos.txt").errorNumber, 42);
  EXPECT_EQ(openForWriting("Q:\\resultados.txt").errorNumber, 42);
}

TEST_F(PlatformFiles, AFileTheSystemGuardsIsRefusedAccess) {
  const fs::path file = directory_.write("guarded.txt", "x");
  if (onWindows) {
    // A report still open in another program: its writer shares it for reading only.
    const OpenResult holder = openForWriting(file.string());
    ASSERT_EQ(holder.errorNumber, 0);
    EXPECT_EQ(openForWriting(file.string()).errorNumber, 9);
    EXPECT_TRUE(closeFile(holder.handle));
    return;
  }
  if (runningAsRoot()) GTEST_SKIP() << "the superuser opens any file whatever its permissions";
  fs::permissions(file, fs::perms::none);
  EXPECT_EQ(openForReading(file.string()).errorNumber, 9);
  EXPECT_EQ(openForWriting(file.string()).errorNumber, 9);
  fs::permissions(file, fs::perms::owner_all);
}

TEST_F(PlatformFiles, WrittenBytesReadBackUnchanged) {
  std::string bytes = "l\xEDnea uno\r\nl\xEDnea dos\nsin fin\r";
  bytes += std::string("\0\xFF", 2);
  for (int i = 0; bytes.size() < 10000; ++i) bytes += static_cast<char>(i % 251);

  const OpenResult written = openForWriting("data.bin");
  ASSERT_EQ(written.errorNumber, 0);
  EXPECT_TRUE(writeAll(written.handle, bytes.substr(0, 5)));
  EXPECT_TRUE(writeAll(written.handle, bytes.substr(5)));
  EXPECT_TRUE(closeFile(written.handle));

  const OpenResult read = openForReading("data.bin");
  ASSERT_EQ(read.errorNumber, 0);
  EXPECT_EQ(readWhole(read.handle), bytes);
  EXPECT_TRUE(closeFile(read.handle));
}

TEST_F(PlatformFiles, OpeningForWritingReplacesTheOldContents) {
  (void)directory_.write("report.txt", "an old and much longer report\r\n");
  const OpenResult written = openForWriting("report.txt");
  ASSERT_EQ(written.errorNumber, 0);
  EXPECT_TRUE(writeAll(written.handle, "new"));
  EXPECT_TRUE(closeFile(written.handle));
  std::ifstream in(directory_.path() / "report.txt", std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "new");
}

TEST_F(PlatformFiles, OpenFileIsRecognisedUnderAnyOfItsNames) {
  (void)directory_.write("x.txt", "x");
  (void)directory_.write("y.txt", "y");
  fs::create_directory(directory_.path() / "sub");
  fs::create_hard_link(directory_.path() / "x.txt", directory_.path() / "link.txt");
  const OpenResult open = openForReading("x.txt");
  ASSERT_EQ(open.errorNumber, 0);

  std::vector<std::string> sameFile = {"x.txt", "./x.txt", "sub/../x.txt", "link.txt",
                                       (directory_.path() / "x.txt").string()};
  if (onWindows) sameFile.push_back("X.TXT");
  for (const std::string& name : sameFile) EXPECT_TRUE(namesOpenFile(open.handle, name)) << name;
  for (const char* name : {"y.txt", "missing.txt", "sub", ""}) {
    EXPECT_FALSE(namesOpenFile(open.handle, name)) << name;
  }
  EXPECT_TRUE(closeFile(open.handle));
}

TEST_F(PlatformFiles, FullPathResolvesAgainstTheWorkingDirectory) {
  const fs::path here = fs::current_path();
  // The name need not exist: a missing file's diagnostic shows its full path too.
  EXPECT_EQ(fullPath("datos.txt"), (here / "datos.txt").string());
  EXPECT_EQ(fullPath("./sub/../datos.txt"), (here / "datos.txt").string());
  const std::string absolute = (here / "a" / "b.txt").string();
  EXPECT_EQ(fullPath(absolute), absolute);
}

TEST_F(PlatformFiles, CommandRunsToCompletion) {
  runCommand("echo hecho> done.txt");
  std::ifstream in(directory_.path() / "done.txt", std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}).substr(0, 5), "hecho");
}

TEST(PlatformDeathTest, WriteToAPipeWithoutReaderFailsOnceTheHookIsIn) {
#ifdef _WIN32
  GTEST_SKIP() << "the system fails such a write by itself and has no signal for it";
#else
  EXPECT_EXIT(
      {
        installInterruptHandler([](InterruptKind) {});
        int ends[2];
        if (::pipe(ends) != 0) ::_exit(10);
        ::close(ends[0]);
        ::_exit(writeAll(FileHandle{ends[1]}, "x") ? 11 : 3);
      },
      ::testing::ExitedWithCode(3), "");
#endif
}

TEST(PlatformConsole, LineEndIsTheSystemsOwn) {
  EXPECT_EQ(consoleLineEnd(), onWindows ? "\r\n" : "\n");
}

// The values pass through volatile objects so that nothing is computed while compiling.
TEST(FloatingPointMode, DenormalsReadAndComeOutAsZero) {
  volatile float smallestNormal = 1.17549435e-38f;
  volatile float half = 0.5f;
  volatile float denormal = std::bit_cast<float>(std::uint32_t{0x00400000});  // 2^-127
  volatile float scale = 0x1p100f;
  volatile float one = 1.0f;
  volatile float zero = 0.0f;

  ASSERT_NE(smallestNormal * half, 0.0f) << "denormals are in use before the mode is set";
  setFloatingPointMode();

  EXPECT_EQ(smallestNormal * half, 0.0f) << "a denormal result is flushed to zero";
  EXPECT_EQ(denormal * scale, 0.0f) << "a denormal operand reads as zero";
  EXPECT_FALSE(denormal > zero) << "a denormal operand reads as zero in comparisons";
  // Exceptions stay masked: the special values flow on.
  EXPECT_EQ(one / zero, std::numeric_limits<float>::infinity());
  const float invalid = zero / zero;
  EXPECT_NE(invalid, invalid);
}

}  // namespace
}  // namespace tensor3d::platform
