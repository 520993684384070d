#include "textio/record_writer.hpp"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "tests/support/memory_streams.hpp"
#include "textio/system_texts.hpp"

namespace tensor3d {
namespace {

class RecordWriterTest : public ::testing::Test {
 protected:
  testing::MemorySink sink;
  RecordWriter writer{sink};
};

const std::string real1 = "   1.000000    ";
const std::string real2 = "   2.000000    ";
const std::string text50(50, 'A');
const std::string text40(40, 'B');

// The record of a free-form statement that begins with a text.
std::string textRecord(std::string_view text) {
  std::string record(1, ' ');
  record.append(text);
  record.append("\r\n");
  return record;
}

TEST_F(RecordWriterTest, HeaderTextsAbutAfterTheLeadingBlank) {
  writer.writeFreeForm({texts::versionHeading, texts::versionDate});
  const std::string expected =
      " " + std::string(texts::versionHeading) + std::string(texts::versionDate) + "\r\n";
  EXPECT_EQ(expected.size(), 32u);
  EXPECT_EQ(sink.bytes(), expected);
}

TEST_F(RecordWriterTest, FreeFormRecordsLaidOutByItemKind) {
  const struct {
    const char* name;
    std::vector<OutputItem> items;
    std::string expected;
  } cases[] = {
      {"no items", {}, " \r\n"},
      {"prompt", {texts::promptDataFile}, " ARCHIVO DE DATOS DE ENTRADA\r\n"},
      {"real alone", {2.0f}, real2 + "\r\n"},
      {"text after real",
       {texts::normalStress, 1.0f, texts::openParen},
       " SIGMA n=   1.000000     (\r\n"},
      {"integer", {std::int32_t{-42}}, "         -42\r\n"},
      {"text, integer, text",
       {std::string_view("Caso"), std::int32_t{7}, std::string_view("x")},
       " Caso           7 x\r\n"},
      {"five reals fit",
       {1.0f, 1.0f, 1.0f, 1.0f, 1.0f},
       real1 + real1 + real1 + real1 + real1 + "\r\n"},
      {"sixth real starts a record",
       {1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 2.0f},
       real1 + real1 + real1 + real1 + real1 + "\r\n" + real2 + "\r\n"},
      {"integer after reals needs its 12 positions",
       {std::string_view("ABCDEFGHI"), 1.0f, 1.0f, 1.0f, 1.0f, std::int32_t{3}},
       " ABCDEFGHI" + real1 + real1 + real1 + real1 + "\r\n           3\r\n"},
      {"number fills column 80, text moves on",
       {std::string_view("ABCD"), 1.0f, 1.0f, 1.0f, 1.0f, 1.0f, std::string_view("X")},
       " ABCD" + real1 + real1 + real1 + real1 + real1 + "\r\n X\r\n"},
      {"separating blank stays behind a text that moves on",
       {std::string_view("ABC"), 1.0f, 1.0f, 1.0f, 1.0f, 1.0f, std::string_view("XY")},
       " ABC" + real1 + real1 + real1 + real1 + real1 + " \r\n XY\r\n"},
      {"text after text that does not fit",
       {std::string_view(text50), std::string_view(text40)},
       textRecord(text50) + textRecord(text40)},
  };
  for (const auto& c : cases) {
    testing::MemorySink caseSink;
    RecordWriter(caseSink).writeFreeForm(c.items);
    EXPECT_EQ(caseSink.bytes(), c.expected) << c.name;
  }
}

TEST_F(RecordWriterTest, TextsOfEightyBytesOrMoreAreSplitAfterTheLeadingBlank) {
  const std::string text(200, 'T');
  const std::string_view full(text);
  const struct {
    std::size_t length;
    std::string expected;
  } cases[] = {
      {79, textRecord(full.substr(0, 79))},
      {80, textRecord(full.substr(0, 79)) + textRecord("T")},
      {200, textRecord(full.substr(0, 79)) + textRecord(full.substr(0, 79)) +
                textRecord(full.substr(0, 42))},
  };
  for (const auto& c : cases) {
    testing::MemorySink caseSink;
    RecordWriter(caseSink).writeFreeForm({full.substr(0, c.length)});
    EXPECT_EQ(caseSink.bytes(), c.expected) << c.length << " bytes";
  }
}

TEST_F(RecordWriterTest, LongTextAfterANumberStartsItsOwnRecords) {
  const std::string text = std::string(79, 'L') + "MN";
  writer.writeFreeForm({1.0f, std::string_view(text), 2.0f});
  EXPECT_EQ(sink.bytes(), real1 + " \r\n " + std::string(79, 'L') + "\r\n MN" + real2 + "\r\n");
}

TEST_F(RecordWriterTest, StatementsNeverShareARecord) {
  writer.writeFreeForm({1.0f});
  writer.writeFreeForm({texts::letterI});
  writer.writeFreeForm({});
  EXPECT_EQ(sink.bytes(), real1 + "\r\n i\r\n \r\n");
}

constexpr std::array directionLayout{layout::group(3, 3), layout::fixed(10, 6), layout::text(3),
                                     layout::recordBreak()};

TEST_F(RecordWriterTest, LayoutEndingWithRecordBreakWritesAnEmptyRecord) {
  writer.writeWithLayout(directionLayout,
                         {0.6f, texts::letterI, -0.8f, texts::letterJ, -0.0f, texts::letterK});
  EXPECT_EQ(sink.bytes(), "  0.600000  i\r\n -0.800000  j\r\n  0.000000  k\r\n\r\n");
}

TEST_F(RecordWriterTest, LayoutWithoutItemsRunsUpToItsEnd) {
  constexpr std::array singular{layout::recordBreak(), layout::literal(texts::singularMatrix)};
  writer.writeWithLayout(singular, {});
  EXPECT_EQ(sink.bytes(), "\r\n LA MATRIZ ES SINGULAR\r\n");
}

TEST_F(RecordWriterTest, LayoutStopsAtTheFirstFieldWithoutAnItem) {
  constexpr std::array fields{layout::text(3), layout::literal("="), layout::recordBreak(),
                              layout::fixed(10, 2), layout::literal("!")};
  writer.writeWithLayout(fields, {std::string_view("ab")});
  EXPECT_EQ(sink.bytes(), " ab=\r\n\r\n");
}

TEST_F(RecordWriterTest, LayoutRecordsOfTheReport) {
  constexpr std::array caseLayout{layout::text(5), layout::integer(5)};
  constexpr std::array polynomial{layout::text(5), layout::exponent(15, 8),
                                  layout::text(6), layout::exponent(15, 8),
                                  layout::text(4), layout::exponent(15, 8)};
  constexpr std::array angles{layout::fixed(12, 4), layout::text(1),  layout::text(8),
                              layout::text(1),      layout::text(17), layout::fixed(10, 2, 3)};
  constexpr std::array tensorRow{layout::fixed(18, 8, 3)};

  writer.writeWithLayout(caseLayout, {texts::caseHeading, std::int32_t{12}});
  writer.writeWithLayout(polynomial, {texts::polynomialCubic, 1.0f, std::string_view(" S^2 +"),
                                      -2.0f, std::string_view(" S +"), 0.0f});
  writer.writeWithLayout(
      angles, {125.5f, texts::openParen, std::string_view("MPa       "), texts::closeParen,
               std::string_view(" EN LA DIRECCION"), 45.0f, 90.0f, 1.0E9f});
  writer.writeWithLayout(tensorRow, {1.0f, -0.5f, 2.0f});
  EXPECT_EQ(sink.bytes(),
            "Caso    12\r\n"
            "-S^3+ 0.10000000E+01 S^2 +-0.20000000E+01 S + 0.00000000E+00\r\n"
            "    125.5000(MPa     )  EN LA DIRECCION     45.00     90.00**********\r\n"
            "        1.00000000       -0.50000000        2.00000000\r\n");
}

TEST(RecordWriterDeathTest, LayoutWithItemsLeftOverIsAProgrammingError) {
  testing::MemorySink sink;
  RecordWriter writer(sink);
  constexpr std::array one{layout::integer(5)};
  EXPECT_DEBUG_DEATH(writer.writeWithLayout(one, {std::int32_t{1}, std::int32_t{2}}), "");
}

}  // namespace
}  // namespace tensor3d
