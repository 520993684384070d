// Whole runs over an in-memory console and real files in a fresh directory.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "driver/run_driver.hpp"
#include "platform/platform.hpp"
#include "tests/support/memory_streams.hpp"
#include "textio/system_texts.hpp"

namespace tensor3d {
namespace {

namespace fs = std::filesystem;

class NoSteps final : public PassSteps {
 public:
  void principal(RecordWriter&, const Tensor3&, ProblemKind, std::string_view, std::string_view,
                 PrincipalResult&) override {}
  void direction(RecordWriter&, std::int32_t, const DirectionEntry&, const Tensor3&,
                 const PrincipalResult&, ProblemKind, std::string_view, std::string_view) override {
  }
  void deriveModuli(ElasticConstants&) override {}
  ProblemKind convert(RecordWriter&, const Tensor3&, ProblemKind, ElasticConstants&,
                      std::string_view, std::string_view, Tensor3&) override {
    return stressOnly;
  }
};

constexpr std::string_view problem = "t\nt\nt\nt\nt\n2\nu\nkPa\nt\n1 0 0\n0 1 0\n0 0 1\n0\n";
constexpr std::string_view report =
    " VERSI\xD3N DEL D\xCD"
    "A:03/06/2025   \r\n"
    " RESOLVIENDO PARA EL TENSOR  DEFORMACIONES\r\n"
    "        1.00000000        0.00000000        0.00000000\r\n"
    "        0.00000000        1.00000000        0.00000000\r\n"
    "        0.00000000        0.00000000        1.00000000\r\n";

class RunSessionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    previous_ = fs::current_path();
    directory_ = fs::temp_directory_path() /
                 ("driver-session-" +
                  std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(directory_);
    fs::create_directories(directory_);
    fs::current_path(directory_);
  }
  void TearDown() override {
    fs::current_path(previous_);
    fs::remove_all(directory_);
  }

  static void write(const std::string& name, std::string_view bytes) {
    std::ofstream(name, std::ios::binary) << bytes;
  }
  static std::string contents(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  // Runs with `answers` on the console; keeps the prompts and the diagnostics.
  int run(std::string answers) {
    testing::TextLineSource input(std::move(answers));
    testing::MemorySink console;
    NoSteps steps;
    ::testing::internal::CaptureStderr();
    const int status = runSession(Console{console, input}, steps);
    diagnostics = ::testing::internal::GetCapturedStderr();
    // The capture reads the stream back as text, which drops the CR of a
    // CR LF line end on some systems; the end-to-end tests check the bytes.
    std::erase(diagnostics, '\r');
    prompts = console.bytes();
    return status;
  }

  std::string prompts;
  std::string diagnostics;

 private:
  fs::path previous_;
  fs::path directory_;
};

TEST_F(RunSessionTest, PromptsThenTheReportInAReplacedResultsFile) {
  write("datos.txt", problem);
  write("resultados.txt", std::string(2000, 'x'));
  EXPECT_EQ(run("datos.txt\nresultados.txt\n"), 0);
  EXPECT_EQ(prompts, " ARCHIVO DE DATOS DE ENTRADA\r\n ARCHIVO DE RESULTADOS\r\n");
  EXPECT_EQ(diagnostics, "");
  EXPECT_EQ(contents("resultados.txt"), report);
}

TEST_F(RunSessionTest, QuotedNamesKeepTheirBlanksInside) {
  write("mis datos.txt", problem);
  EXPECT_EQ(run("'mis datos.txt'\n'  el informe.txt  '\n"), 0);
  EXPECT_EQ(contents("el informe.txt"), report);
}

TEST_F(RunSessionTest, MissingDataFileLeavesNoResultsFile) {
  EXPECT_EQ(run("nada.txt\nresultados.txt\n"), 29);
  EXPECT_FALSE(fs::exists("resultados.txt"));
  EXPECT_EQ(diagnostics, "quvelo: severe (29): file not found, unit 1, file " +
                             platform::fullPath("nada.txt") + "\n");
}

TEST_F(RunSessionTest, EndOfTheAnswersAtEachPrompt) {
  EXPECT_EQ(run(""), 24);
  EXPECT_EQ(prompts, " ARCHIVO DE DATOS DE ENTRADA\r\n");
  EXPECT_EQ(run("datos.txt\n"), 24);
  EXPECT_EQ(prompts, " ARCHIVO DE DATOS DE ENTRADA\r\n ARCHIVO DE RESULTADOS\r\n");
  EXPECT_EQ(diagnostics, "quvelo: severe (24): end-of-file during read, unit -4, file CONIN$\n");
}

TEST_F(RunSessionTest, AnswerWithoutANameIsAFileNameErrorBeforeAnyOpen) {
  write("datos.txt", problem);
  struct Case {
    const char* answers;
    int unitNumber;
  };
  for (const Case c : {Case{",\nresultados.txt\n", 1}, Case{"/\nresultados.txt\n", 1},
                       Case{"datos.txt\n''\n", 2}, Case{"datos.txt\n,\n", 2}}) {
    SCOPED_TRACE(c.answers);
    EXPECT_EQ(run(c.answers), 43);
    EXPECT_EQ(diagnostics.rfind("quvelo: severe (43): " + std::string(texts::fileNameErrorText) +
                                    ", unit " + std::to_string(c.unitNumber) + ", file ",
                                0),
              0u);
    EXPECT_FALSE(fs::exists("resultados.txt"));
  }
}

TEST_F(RunSessionTest, AnswerLongerThanTheFieldIsAFileNameError) {
  const std::string fifty(50, 'a');
  write(fifty, problem);
  // The field holds the first 50 characters, which name an existing file: the
  // run still refuses to guess that it was the one meant.
  EXPECT_EQ(run(fifty + "b\nresultados.txt\n"), 43);
  EXPECT_EQ(diagnostics, "quvelo: severe (43): " + std::string(texts::fileNameErrorText) +
                             ", unit 1, file " + platform::fullPath(fifty) + "\n");
  EXPECT_FALSE(fs::exists("resultados.txt"));

  EXPECT_EQ(run("datos.txt\n" + fifty + "b\n"), 43);
  EXPECT_EQ(contents(fifty), problem);
}

TEST_F(RunSessionTest, ResultsFileNamingTheDataFileIsRefused) {
  write("datos.txt", problem);
  fs::create_directory("sub");
  EXPECT_EQ(run("datos.txt\n'sub/../datos.txt'\n"), 30);
  EXPECT_EQ(contents("datos.txt"), problem);
  EXPECT_EQ(diagnostics, "quvelo: severe (30): open failure, unit 2, file " +
                             platform::fullPath("sub/../datos.txt") + "\n");
}

TEST_F(RunSessionTest, ReadFailureKeepsTheRecordsWrittenBefore) {
  write("datos.txt", problem.substr(0, problem.size() - 2));
  EXPECT_EQ(run("datos.txt\nresultados.txt\n"), 24);
  EXPECT_EQ(contents("resultados.txt"), report);
}

}  // namespace
}  // namespace tensor3d
