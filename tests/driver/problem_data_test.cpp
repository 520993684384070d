#include "driver/problem_data.hpp"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "tests/support/memory_streams.hpp"
#include "textio/termination.hpp"

namespace tensor3d {
namespace {

constexpr std::string_view titles = "t1\nt2\n\nt4\nt5\n";

std::string header(std::string_view kind, std::string_view rows) {
  return std::string(titles) + std::string(kind) + "\nunidades\nMPa\nfilas\n" + std::string(rows);
}

class ProblemDataTest : public ::testing::Test {
 protected:
  void use(std::string text) { source_.emplace(std::move(text)); }
  ProblemDataReader& reader() {
    if (!reader_) reader_.emplace(*source_, "/datos/problema.txt");
    return *reader_;
  }
  // The exit status of a read that must end the run.
  template <typename Read>
  int statusOf(Read read) {
    try {
      read();
    } catch (const RunEnded& end) {
      return end.status;
    }
    ADD_FAILURE() << "the read did not end the run";
    return 0;
  }

  std::optional<testing::TextLineSource> source_;
  std::optional<ProblemDataReader> reader_;
  ProblemData problem;
};

TEST_F(ProblemDataTest, HeaderSkipsFreeTextAndReadsKindUnitsAndRowsAsRead) {
  use(header("3", "1 2 3\n4 5 6\n7 8 9\n"));
  reader().readProblemHeader(problem);
  EXPECT_EQ(problem.kind, 3);
  EXPECT_EQ(std::string(problem.unitsText.data(), 10), "MPa       ");
  for (int row = 1; row <= 3; ++row) {
    for (int column = 1; column <= 3; ++column) {
      EXPECT_EQ(problem.tensor(row, column), static_cast<float>(3 * (row - 1) + column));
    }
  }
}

TEST_F(ProblemDataTest, RowSpreadOverRecordsAndExtraValuesIgnored) {
  use(header("1", "1 2\n3\n4 5 6 99\n7 8 9\n2\n"));
  reader().readProblemHeader(problem);
  EXPECT_EQ(problem.tensor(1, 3), 3.0f);
  EXPECT_EQ(problem.tensor(2, 1), 4.0f);
  EXPECT_EQ(problem.tensor(3, 3), 9.0f);
  reader().readDirectionCount(problem);
  EXPECT_EQ(problem.directionCount, 2);
}

TEST_F(ProblemDataTest, KindOutsideOneToFourEndsTheRunRightAfterTheKind) {
  for (std::string_view kind : {"0", "5", "-1"}) {
    SCOPED_TRACE(kind);
    // Nothing after the kind: a later read would end with end of file instead.
    use(std::string(titles) + std::string(kind) + "\n");
    reader_.reset();
    EXPECT_EQ(statusOf([&] { reader().readProblemHeader(problem); }), 64);
  }
}

TEST_F(ProblemDataTest, CountAboveTheListEndsTheRunRightAfterTheCount) {
  use("21\n");
  EXPECT_EQ(statusOf([&] { reader().readDirectionCount(problem); }), 64);
}

TEST_F(ProblemDataTest, CountsUpToTheListSizeAndNegativeCountsAreKept) {
  use("20\n-3\n");
  reader().readDirectionCount(problem);
  EXPECT_EQ(problem.directionCount, 20);
  reader().readDirectionCount(problem);
  EXPECT_EQ(problem.directionCount, -3);
}

TEST_F(ProblemDataTest, DirectionEntryReadsFrameThenComponents) {
  use("G 1 0 0\n'P',0.5,2,3\n");
  DirectionEntry first;
  DirectionEntry second;
  reader().readDirectionEntry(first);
  reader().readDirectionEntry(second);
  EXPECT_EQ(std::string(first.frame.data(), 10), "G         ");
  EXPECT_EQ(first.components, (std::array{1.0f, 0.0f, 0.0f}));
  EXPECT_EQ(std::string(second.frame.data(), 10), "P         ");
  EXPECT_EQ(second.components, (std::array{0.5f, 2.0f, 3.0f}));
}

TEST_F(ProblemDataTest, ElasticConstantsFollowOneSkippedRecord) {
  use("E y nu\n200000 0.3\n");
  ElasticConstants elastic;
  reader().readElasticConstants(elastic);
  EXPECT_EQ(elastic.E, 200000.0f);
  EXPECT_EQ(elastic.nu, 0.3f);
}

TEST_F(ProblemDataTest, ConstantsOnTheSkippedRecordMeetTheEndOfFile) {
  use("200000 0.3\n");
  ElasticConstants elastic;
  EXPECT_EQ(statusOf([&] { reader().readElasticConstants(elastic); }), 24);
}

TEST_F(ProblemDataTest, ReadFailuresEndTheRunWithTheirErrorNumber) {
  struct Case {
    const char* name;
    std::string text;
    int status;
  };
  const Case cases[] = {
      {"end inside the rows", header("1", "1 2 3\n4 5 6\n"), 24},
      {"letter in a component", header("1", "1 2 3\n4 x 6\n7 8 9\n"), 59},
      {"logical value for the kind", std::string(titles) + ".T.\n", 64},
      {"end before the kind", "t1\nt2\n", 24},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    use(c.text);
    reader_.reset();
    EXPECT_EQ(statusOf([&] { reader().readProblemHeader(problem); }), c.status);
  }
}

}  // namespace
}  // namespace tensor3d
