#include "textio/free_form_reader.hpp"

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "tests/support/memory_streams.hpp"
#include "textio/termination.hpp"

namespace tensor3d {
namespace {

constexpr std::string_view dataFileName = "/trabajo/datos.txt";

// A reader over `text` as the data file.
class ReaderOver {
 public:
  explicit ReaderOver(std::string text)
      : source_(std::move(text)), reader_(source_, unit::dataFile, std::string(dataFileName)) {}
  FreeFormReader& operator*() { return reader_; }
  FreeFormReader* operator->() { return &reader_; }

 private:
  testing::TextLineSource source_;
  FreeFormReader reader_;
};

std::string padded(std::string_view value, std::size_t length) {
  std::string field(value.substr(0, length));
  field.resize(length, ' ');
  return field;
}

// Same bits, or both not-a-number: tells -0.0 from 0.0.
bool sameFloat(float a, float b) {
  return std::bit_cast<std::uint32_t>(a) == std::bit_cast<std::uint32_t>(b) ||
         (std::isnan(a) && std::isnan(b));
}

std::string describe(const std::array<float, 3>& row) {
  return std::to_string(row[0]) + " " + std::to_string(row[1]) + " " + std::to_string(row[2]);
}

struct TextCase {
  std::string input;
  std::size_t length;
  std::string expected;  // before padding
  std::size_t valueLength;
};

TEST(FreeFormReaderText, StoresValuePaddedOrCutWithItsFullLength) {
  const std::string longest(2048, 'x');
  const TextCase cases[] = {
      {"datos.txt\n", 50, "datos.txt", 9},
      {"'mis datos.txt'\n", 50, "mis datos.txt", 13},
      {"C:/trabajo/datos.txt\n", 50, "C:", 2},
      {"C:\\trabajo\\datos.txt\n", 50, "C:\\trabajo\\datos.txt", 20},
      {"\n\n   \n\tdatos.txt\n", 50, "datos.txt", 9},
      {"datos.txt\r\nsiguiente\r\n", 50, "datos.txt", 9},
      {"datos.txt", 50, "datos.txt", 9},
      {"N/mm2\n", 10, "N", 1},
      {"'N/mm2'\n", 10, "N/mm2", 5},
      {"\"N/mm2\"\n", 10, "N/mm2", 5},
      {"kilopascals\n", 10, "kilopascal", 11},
      {"'it''s, a/b'\n", 20, "it's, a/b", 9},
      {"\"say \"\"hi\"\"\"\n", 20, "say \"hi\"", 8},
      {"\"it's\"\n", 10, "it's", 4},
      {"''\n", 10, "", 0},
      {"'mis\ndatos.txt'\n", 50, "misdatos.txt", 12},
      {"'mis \n\n datos'\n", 50, "mis  datos", 10},
      {"'abc'\n'def'\n", 10, "abc", 3},
      {"2.5e3,x\n", 10, "2.5e3", 5},
      {"G 1 0 0\n", 10, "G", 1},
      {"'" + longest + "'\n", 50, longest, 2048},
      {longest + "\n", 10, longest, 2048},
  };
  for (const TextCase& c : cases) {
    SCOPED_TRACE(c.input.substr(0, 40));
    ReaderOver reader(c.input);
    std::string field(c.length, '?');
    std::size_t valueLength = 0;
    reader->read({TextTarget{field, &valueLength}});
    EXPECT_EQ(field, padded(c.expected, c.length));
    EXPECT_EQ(valueLength, c.valueLength);
  }
}

TEST(FreeFormReaderText, ItemWithoutValueKeepsContentsAndLength) {
  for (const char* input : {",\n", "/\n", "1*\n"}) {
    SCOPED_TRACE(input);
    ReaderOver reader(input);
    std::string field = "previo    ";
    std::size_t valueLength = 99;
    reader->read({TextTarget{field, &valueLength}});
    EXPECT_EQ(field, "previo    ");
    EXPECT_EQ(valueLength, 99u);
  }
}

struct RowCase {
  std::string input;
  std::array<float, 3> expected;  // the row starts as 7 7 7
};

constexpr float kept = 7.0f;
constexpr float inf = std::numeric_limits<float>::infinity();
constexpr float nan = std::numeric_limits<float>::quiet_NaN();

TEST(FreeFormReaderReal, ReadsRowOfThreeReals) {
  const RowCase cases[] = {
      {"1.0 2.0 3.0\n", {1.0f, 2.0f, 3.0f}},
      {"3*0.0\n", {0.0f, 0.0f, 0.0f}},
      {"1.0,,3.0\n", {1.0f, kept, 3.0f}},
      {"1.0 , , 3.0\n", {1.0f, kept, 3.0f}},
      {"1.0 , 2.0 ,3.0\n", {1.0f, 2.0f, 3.0f}},
      {",2,3\n", {kept, 2.0f, 3.0f}},
      {",,3\n", {kept, kept, 3.0f}},
      {"1,\n,3\n", {1.0f, kept, 3.0f}},
      {"1\n,2\n3\n", {1.0f, 2.0f, 3.0f}},
      {"1.0 2.0\n3.0\n", {1.0f, 2.0f, 3.0f}},
      {"\n\n  \n\t\n1 2 3\n", {1.0f, 2.0f, 3.0f}},
      {"1\t2\t3\n", {1.0f, 2.0f, 3.0f}},
      {"1 2 3\r\n", {1.0f, 2.0f, 3.0f}},
      {"1 2 3", {1.0f, 2.0f, 3.0f}},
      {"1 2 3 4\n", {1.0f, 2.0f, 3.0f}},
      {"1.5E3 1.5e+3 1.5D3\n", {1500.0f, 1500.0f, 1500.0f}},
      {"1500 1.5q3 15000d-1\n", {1500.0f, 1500.0f, 1500.0f}},
      {"1.5Q+03 .15E4 +1500.\n", {1500.0f, 1500.0f, 1500.0f}},
      {"0.1 -2 1e-40\n", {0.1f, -2.0f, 1e-40f}},
      {"3.4028235e38 1e-50 -1e-50\n", {3.4028235e38f, 0.0f, -0.0f}},
      {"NaN Inf -Infinity\n", {nan, inf, -inf}},
      {"nan +INF infinity\n", {nan, inf, inf}},
      {"2*1.5 4\n", {1.5f, 1.5f, 4.0f}},
      {"5*1.5\n", {1.5f, 1.5f, 1.5f}},
      {"2* 4\n", {kept, kept, 4.0f}},
      {"2*,4\n", {kept, kept, 4.0f}},
      {"1*,,4\n", {kept, kept, 4.0f}},
      {"1 2*\n", {1.0f, kept, kept}},
      {"1 / 5 5\n", {1.0f, kept, kept}},
      {"1,2/3\n", {1.0f, 2.0f, kept}},
      {"/ 1 2 3\n", {kept, kept, kept}},
      {",/\n", {kept, kept, kept}},
      {"1 2*/ 3\n", {1.0f, kept, kept}},
      {"\n1\n/\n2 3\n", {1.0f, kept, kept}},
  };
  for (const RowCase& c : cases) {
    SCOPED_TRACE(c.input);
    ReaderOver reader(c.input);
    std::array<float, 3> row = {kept, kept, kept};
    reader->read({&row[0], &row[1], &row[2]});
    for (std::size_t i = 0; i < row.size(); ++i) {
      EXPECT_TRUE(sameFloat(row[i], c.expected[i])) << describe(row) << " at " << i;
    }
  }
}

TEST(FreeFormReaderInteger, ReadsThirtyTwoBitIntegers) {
  const std::pair<const char*, std::int32_t> cases[] = {
      {"2\n", 2},
      {"+7\n", 7},
      {"-0003\n", -3},
      {"2147483647\n", 2147483647},
      {"-2147483648\n", std::numeric_limits<std::int32_t>::min()},
      {"  4,x\n", 4},
  };
  for (const auto& [input, expected] : cases) {
    SCOPED_TRACE(input);
    ReaderOver reader(input);
    std::int32_t value = 0;
    reader->read({&value});
    EXPECT_EQ(value, expected);
  }
}

// The reads of a problem data file: every read starts on the record after the
// last one the previous read touched, an empty list skips one record whatever
// it holds.
TEST(FreeFormReaderSequence, EachReadStartsAfterTheRecordsThePreviousTouched) {
  ReaderOver reader(
      "TITULO 'sin cerrar\n"
      "\n"
      "/ barra\n"
      "\"comillas\"\n"
      "1, 2, 3\n"
      "3 ignorado\n"
      "\n"
      "'N/mm2' sobra\n"
      "x\n"
      "1.0 2.0\n"
      "3.0 99\n"
      "\n"
      "4 5 6\n"
      "7 8 9\n"
      "2\n"
      "G 1 0 0\n"
      "'G',1,0,0\n"
      "libre\n"
      "2.1E5 0.3\n");
  for (int skip = 0; skip < 5; ++skip) reader->read({});
  std::int32_t kind = 0;
  reader->read({&kind});
  EXPECT_EQ(kind, 3);
  reader->read({});
  std::string units(10, '?');
  reader->read({TextTarget{units}});
  EXPECT_EQ(units, "N/mm2     ");
  reader->read({});
  std::array<float, 9> tensor{};
  for (std::size_t row = 0; row < 3; ++row) {
    reader->read({&tensor[3 * row], &tensor[3 * row + 1], &tensor[3 * row + 2]});
  }
  EXPECT_EQ(tensor, (std::array<float, 9>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
  std::int32_t count = 0;
  reader->read({&count});
  EXPECT_EQ(count, 2);
  for (int entry = 0; entry < count; ++entry) {
    std::string frame(10, '?');
    std::array<float, 3> components{};
    reader->read({TextTarget{frame}, &components[0], &components[1], &components[2]});
    EXPECT_EQ(frame, "G         ");
    EXPECT_EQ(components, (std::array<float, 3>{1, 0, 0}));
  }
  reader->read({});
  float modulus = 0.0f;
  float ratio = 0.0f;
  reader->read({&modulus, &ratio});
  EXPECT_EQ(modulus, 2.1e5f);
  EXPECT_EQ(ratio, 0.3f);
}

TEST(FreeFormReaderSequence, QuotedTextOverRecordsMovesTheNextRead) {
  ReaderOver reader("'a\nb' 1\n2\n");
  std::string text(4, '?');
  reader->read({TextTarget{text}});
  EXPECT_EQ(text, "ab  ");
  std::int32_t value = 0;
  reader->read({&value});
  EXPECT_EQ(value, 2);
}

enum class Items { None, Integer, Real, Row, Text };

void readItems(FreeFormReader& reader, Items items) {
  std::int32_t integer = 0;
  std::array<float, 3> row{};
  std::string text(10, ' ');
  switch (items) {
    case Items::None: reader.read({}); break;
    case Items::Integer: reader.read({&integer}); break;
    case Items::Real: reader.read({&row[0]}); break;
    case Items::Row: reader.read({&row[0], &row[1], &row[2]}); break;
    case Items::Text: reader.read({TextTarget{text}}); break;
  }
}

struct FailureCase {
  std::string input;
  Items items;
  ErrorNumber error;
};

std::string diagnostic(std::string_view text, int number, int unitNumber, std::string_view file) {
  return "quvelo: severe (" + std::to_string(number) + "): " + std::string(text) + ", unit " +
         std::to_string(unitNumber) + ", file " + std::string(file) + "\n";
}

std::string expectedDiagnostic(ErrorNumber error, int unitNumber, std::string_view file) {
  switch (error) {
    case ErrorNumber::EndOfFile: return diagnostic("end-of-file during read", 24, unitNumber, file);
    case ErrorNumber::SyntaxError:
      return diagnostic("list-directed I/O syntax error", 59, unitNumber, file);
    case ErrorNumber::ConversionError:
      return diagnostic("input conversion error", 64, unitNumber, file);
    default: return "unexpected error";
  }
}

// Runs one read that must end the run; returns its status and the console's
// error stream. The capture reads back in text mode on Windows, where CR LF
// comes back as LF, so the line end is compared as LF on both platforms.
std::pair<int, std::string> failedRead(FreeFormReader& reader, Items items) {
  ::testing::internal::CaptureStderr();
  int status = -1;
  try {
    readItems(reader, items);
  } catch (const RunEnded& ended) {
    status = ended.status;
  }
  std::string console = ::testing::internal::GetCapturedStderr();
  if (console.ends_with("\r\n")) console.erase(console.size() - 2, 1);
  return {status, console};
}

TEST(FreeFormReaderFailure, EndsTheRunWithItsDiagnostic) {
  constexpr auto endOfFile = ErrorNumber::EndOfFile;
  constexpr auto syntax = ErrorNumber::SyntaxError;
  constexpr auto conversion = ErrorNumber::ConversionError;
  const FailureCase cases[] = {
      {"", Items::None, endOfFile},
      {"", Items::Integer, endOfFile},
      {"\n\n  \n", Items::Real, endOfFile},
      {"1.0 2.0\n\n", Items::Row, endOfFile},
      {"1,2,\n", Items::Row, endOfFile},
      {"abc\n", Items::Integer, syntax},
      {"1-\n", Items::Integer, syntax},
      {"--1\n", Items::Integer, syntax},
      {"+\n", Items::Integer, syntax},
      {"'5'\n", Items::Integer, syntax},
      {"1.0+5\n", Items::Real, syntax},
      {"1..0\n", Items::Real, syntax},
      {"1.0.0\n", Items::Real, syntax},
      {"1E5E5\n", Items::Real, syntax},
      {"1E5.0\n", Items::Real, syntax},
      {"E5\n", Items::Real, syntax},
      {".E5\n", Items::Real, syntax},
      {"1.5E\n", Items::Real, syntax},
      {"1.5E+\n", Items::Real, syntax},
      {"1.5X\n", Items::Real, syntax},
      {"Infin\n", Items::Real, syntax},
      {"NaN(1)\n", Items::Real, syntax},
      {"0x10\n", Items::Real, syntax},
      {"1 2 3a\n", Items::Row, syntax},
      {"0*5\n", Items::Real, syntax},
      {"99999999999*5\n", Items::Real, syntax},
      {"'abierto\n", Items::Text, syntax},
      {"'abierto\nsigue\n", Items::Text, syntax},
      {"'a'b\n", Items::Text, syntax},
      {"'" + std::string(2049, 'x') + "'\n", Items::Text, syntax},
      {std::string(2049, 'x') + "\n", Items::Text, syntax},
      {"2.0\n", Items::Integer, conversion},
      {"2E1\n", Items::Integer, conversion},
      {"2147483648\n", Items::Integer, conversion},
      {"-2147483649\n", Items::Integer, conversion},
      {"Inf\n", Items::Integer, conversion},
      {"NaN\n", Items::Integer, conversion},
      {"T\n", Items::Integer, conversion},
      {".F.\n", Items::Integer, conversion},
      {"true\n", Items::Integer, conversion},
      {"f\n", Items::Real, conversion},
      {".t.\n", Items::Real, conversion},
      {"1e39\n", Items::Real, conversion},
      {"-1e50\n", Items::Real, conversion},
      {"0.00001e99999999999\n", Items::Real, conversion},
  };
  for (const FailureCase& c : cases) {
    SCOPED_TRACE(c.input.substr(0, 40));
    ReaderOver reader(c.input);
    const auto [status, console] = failedRead(*reader, c.items);
    EXPECT_EQ(status, static_cast<int>(c.error));
    EXPECT_EQ(console, expectedDiagnostic(c.error, unit::dataFile, dataFileName));
  }
}

TEST(FreeFormReaderFailure, NamesTheConsoleWhenReadingStandardInput) {
  testing::TextLineSource source("\n\n");
  FreeFormReader reader(source, unit::consoleInput, std::string(consoleInputName));
  const auto [status, console] = failedRead(reader, Items::Text);
  EXPECT_EQ(status, 24);
  EXPECT_EQ(console, "quvelo: severe (24): end-of-file during read, unit -4, file CONIN$\n");
}

TEST(FreeFormReaderFailure, ItemsBeforeTheFailureKeepTheirValues) {
  ReaderOver reader("1.0 2.0 x\n");
  std::array<float, 3> row = {kept, kept, kept};
  ::testing::internal::CaptureStderr();
  EXPECT_THROW(reader->read({&row[0], &row[1], &row[2]}), RunEnded);
  ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(row, (std::array<float, 3>{1.0f, 2.0f, kept}));
}

}  // namespace
}  // namespace tensor3d
