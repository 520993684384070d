// The pause reads its answers from the lines an in-process caller hands it,
// leaving standard input alone.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/memory_streams.hpp"
#include "textio/system_texts.hpp"
#include "textio/termination.hpp"

namespace tensor3d {
namespace {

class PauseAnswers : public ::testing::Test {
 protected:
  void TearDown() override { setPauseAnswers(nullptr); }
};

TEST_F(PauseAnswers, AnEmptyLineEndsThePauseAndLeavesTheLinesAfterIt) {
  testing::TextLineSource answers("\r\nsiguiente\n");
  setPauseAnswers(&answers);
  pause(texts::jacobiLimit);
  std::string line;
  ASSERT_TRUE(answers.nextLine(line));
  EXPECT_EQ(line, "siguiente");
  EXPECT_FALSE(answers.nextLine(line));
}

TEST_F(PauseAnswers, TheEndOfTheAnswersEndsThePause) {
  testing::TextLineSource answers("");
  setPauseAnswers(&answers);
  pause(texts::jacobiLimit);
  std::string line;
  EXPECT_FALSE(answers.nextLine(line));
}

}  // namespace
}  // namespace tensor3d
