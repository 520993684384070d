#include "textio/handle_record_sink.hpp"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "textio/termination.hpp"

namespace tensor3d {
namespace {

namespace fs = std::filesystem;

class HandleRecordSinkTest : public ::testing::Test {
 protected:
  void SetUp() override {
    path_ = (fs::temp_directory_path() / "handle-record-sink-test.txt").string();
  }
  void TearDown() override { fs::remove(path_); }

  std::string path_;
};

TEST_F(HandleRecordSinkTest, EveryRecordReachesTheFileAtOnceWithItsLineEnd) {
  const platform::OpenResult opened = platform::openForWriting(path_);
  ASSERT_EQ(opened.errorNumber, 0);
  HandleRecordSink sink(opened.handle, "\r\n", 2, path_);
  sink.putRecord(" uno");
  sink.putRecord("");
  sink.putRecord("\xD3");
  // Read before the close: nothing may wait in a buffer.
  std::ifstream in(path_, std::ios::binary);
  const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  EXPECT_EQ(bytes, " uno\r\n\r\n\xD3\r\n");
  EXPECT_TRUE(platform::closeFile(opened.handle));
}

TEST_F(HandleRecordSinkTest, RefusedWriteEndsTheRunNamingTheSinksUnitAndFile) {
  std::ofstream(path_) << "x";
  const platform::OpenResult opened = platform::openForReading(path_);
  ASSERT_EQ(opened.errorNumber, 0);
  HandleRecordSink sink(opened.handle, "\n", 7, "shown-name");
  ::testing::internal::CaptureStderr();
  try {
    sink.putRecord("never stored");
    ADD_FAILURE() << "the write did not end the run";
  } catch (const RunEnded& end) {
    EXPECT_EQ(end.status, 38);
  }
  const std::string diagnostic = ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(diagnostic.rfind("quvelo: severe (38): error during write, unit 7, file shown-name", 0),
            0u);
  EXPECT_TRUE(platform::closeFile(opened.handle));
}

}  // namespace
}  // namespace tensor3d
