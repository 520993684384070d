#include "textio/handle_line_source.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/platform.hpp"
#include "tests/platform/temp_directory.hpp"

namespace tensor3d {
namespace {

struct LinesCase {
  const char* description;
  std::string bytes;
  std::vector<std::string> lines;
};

// Every record of a real file holding `bytes`; the source must stay ended afterwards.
std::vector<std::string> linesOf(const std::string& bytes) {
  testing::TempDirectory directory;
  const platform::OpenResult file =
      platform::openForReading(directory.write("records.txt", bytes).string());
  EXPECT_EQ(file.errorNumber, 0);
  HandleLineSource source(file.handle);
  std::vector<std::string> lines;
  std::string line = "stale";
  while (source.nextLine(line)) lines.push_back(line);
  EXPECT_FALSE(source.nextLine(line)) << "a source read to its end yields nothing more";
  EXPECT_TRUE(platform::closeFile(file.handle));
  return lines;
}

TEST(HandleLineSource, SplitsRecordsAtTheirLineEnds) {
  const std::string buffer(4096, 'b');
  const std::string longLine = std::string(4095, 'a') + std::string(6000, 'c');
  const LinesCase cases[] = {
      {"empty file", "", {}},
      {"CR LF ends", "uno\r\ndos\r\n", {"uno", "dos"}},
      {"LF ends", "uno\ndos\n", {"uno", "dos"}},
      {"mixed ends", "uno\r\ndos\ntres\r\n", {"uno", "dos", "tres"}},
      {"last line without its end", "uno\r\ndos", {"uno", "dos"}},
      {"empty lines", "\r\n\n\r\nx\n\n", {"", "", "", "x", ""}},
      {"a CR inside a line stays", "a\rb\r\n", {"a\rb"}},
      {"bytes pass unchanged",
       std::string("\xC1\xD3\0\xFF\n", 5),
       {std::string("\xC1\xD3\0\xFF", 4)}},
      {"a line longer than the buffer", longLine + "\r\nfin\r\n", {longLine, "fin"}},
      {"CR and LF on both sides of a buffer's end",
       std::string(4095, 'b') + "\r\nfin",
       {std::string(4095, 'b'), "fin"}},
      {"line end just past a full buffer", buffer + "\n", {buffer}},
  };
  for (const LinesCase& test : cases)
    EXPECT_EQ(linesOf(test.bytes), test.lines) << test.description;
}

}  // namespace
}  // namespace tensor3d
