// The order of a run's reads and analysis steps, with steps that only log
// what they are given.
#include <gtest/gtest.h>

#include <string>

#include "driver/run_driver.hpp"
#include "tests/support/memory_streams.hpp"

namespace tensor3d {
namespace {

class LoggingSteps final : public PassSteps {
 public:
  void principal(RecordWriter&, const Tensor3& tensor, ProblemKind kind,
                 std::string_view tensorLabel, std::string_view unitsText,
                 PrincipalResult&) override {
    log += "principal kind=" + std::to_string(kind) + " t11=" + std::to_string(tensor(1, 1)) +
           " [" + std::string(tensorLabel) + "] [" + std::string(unitsText) + "]\n";
  }
  void direction(RecordWriter&, std::int32_t number, const DirectionEntry& entry, const Tensor3&,
                 const PrincipalResult&, ProblemKind kind, std::string_view tensorLabel,
                 std::string_view) override {
    log += "direction " + std::to_string(number) + " x=" + std::to_string(entry.unitVector[0]) +
           " kind=" + std::to_string(kind) + " [" + std::string(tensorLabel) + "]\n";
  }
  void deriveModuli(ElasticConstants& elastic) override {
    log += "moduli E=" + std::to_string(elastic.E) + " nu=" + std::to_string(elastic.nu) + "\n";
  }
  ProblemKind convert(RecordWriter&, const Tensor3& tensor, ProblemKind kind, ElasticConstants&,
                      std::string_view convertedLabel, std::string_view,
                      Tensor3& converted) override {
    log += "convert kind=" + std::to_string(kind) + " [" + std::string(convertedLabel) + "]\n";
    converted = Tensor3{};
    converted(1, 1) = tensor(1, 1) * 10.0f;
    return kind == stressConverted ? strainOnly : stressOnly;
  }

  std::string log;
};

std::string problemText(int kind, std::string_view countAndEntries, std::string_view rest = "") {
  return "titulo\n\n\n\n\n" + std::to_string(kind) +
         "\nunidades\nkPa\ntensor\n2 0 0\n0 1 0\n0 0 1\n" + std::string(countAndEntries) +
         std::string(rest);
}

struct Outcome {
  int status;
  std::string log;
  std::string report;
};

Outcome run(const std::string& text) {
  testing::TextLineSource data(text);
  testing::MemorySink report;
  LoggingSteps steps;
  const int status = runReport(data, "/d/datos.txt", report, steps);
  return {status, steps.log, report.bytes()};
}

TEST(RunReport, StressKindWithoutConversionHasOnePass) {
  const Outcome outcome = run(problemText(1, "2\nG 0 2 0\nP 1 0 0\n"));
  EXPECT_EQ(outcome.status, 0);
  EXPECT_EQ(outcome.log,
            "principal kind=1 t11=2.000000 [ESFUERZOS    ] [kPa       ]\n"
            "direction 1 x=0.000000 kind=1 [ESFUERZOS    ]\n"
            "direction 2 x=1.000000 kind=1 [ESFUERZOS    ]\n");
}

TEST(RunReport, ConvertingKindsRunASecondPassOverTheConvertedTensor) {
  const std::string constants = "E nu\n200 0.25\n";
  const Outcome stress = run(problemText(3, "1\nG 1 0 0\n", constants));
  EXPECT_EQ(stress.status, 0);
  EXPECT_EQ(stress.log,
            "principal kind=3 t11=2.000000 [ESFUERZOS    ] [kPa       ]\n"
            "direction 1 x=1.000000 kind=3 [ESFUERZOS    ]\n"
            "moduli E=200.000000 nu=0.250000\n"
            "convert kind=3 [DEFORMACIONES]\n"
            "principal kind=2 t11=20.000000 [DEFORMACIONES] [kPa       ]\n"
            "direction 1 x=1.000000 kind=2 [DEFORMACIONES]\n");
  const Outcome strain = run(problemText(4, "0\n", constants));
  EXPECT_EQ(strain.status, 0);
  EXPECT_EQ(strain.log,
            "principal kind=4 t11=2.000000 [DEFORMACIONES] [kPa       ]\n"
            "moduli E=200.000000 nu=0.250000\n"
            "convert kind=4 [ESFUERZOS    ]\n"
            "principal kind=1 t11=20.000000 [ESFUERZOS    ] [kPa       ]\n");
}

TEST(RunReport, ConstantsAreOnlyReadOnceTheFirstPassIsWritten) {
  // One record after the entries: the skip takes it and E meets the end.
  const Outcome outcome = run(problemText(3, "1\nG 1 0 0\n", "200 0.25\n"));
  EXPECT_EQ(outcome.status, 24);
  EXPECT_EQ(outcome.log,
            "principal kind=3 t11=2.000000 [ESFUERZOS    ] [kPa       ]\n"
            "direction 1 x=1.000000 kind=3 [ESFUERZOS    ]\n");
}

TEST(RunReport, NoDirectionsForACountOfZeroOrLess) {
  const Outcome outcome = run(problemText(2, "-2\n"));
  EXPECT_EQ(outcome.status, 0);
  EXPECT_EQ(outcome.log, "principal kind=2 t11=2.000000 [DEFORMACIONES] [kPa       ]\n");
  EXPECT_EQ(outcome.report,
            " VERSI\xD3N DEL D\xCD"
            "A:03/06/2025   \r\n"
            " RESOLVIENDO PARA EL TENSOR  DEFORMACIONES\r\n"
            "        2.00000000        0.00000000        0.00000000\r\n"
            "        0.00000000        1.00000000        0.00000000\r\n"
            "        0.00000000        0.00000000        1.00000000\r\n");
}

TEST(RunReport, EveryEntryIsEchoedBeforeTheFirstPass) {
  const Outcome outcome = run(problemText(1, "2\ng 1 0 0\nG 0 0 3\n"));
  EXPECT_EQ(outcome.status, 0);
  const std::string echo =
      " SE RESUELVE PARA EL VECTOR NORMAL AL PLANO, n:\r\n"
      "  1.000000  i\r\n  0.000000  j\r\n  0.000000  k\r\n\r\n"
      " RESPECTO A TENSOR GENERAL\r\n"
      " SE RESUELVE PARA EL VECTOR NORMAL AL PLANO, n:\r\n"
      "  0.000000  i\r\n  0.000000  j\r\n  1.000000  k\r\n\r\n";
  ASSERT_GE(outcome.report.size(), echo.size());
  EXPECT_EQ(outcome.report.substr(outcome.report.size() - echo.size()), echo);
}

TEST(RunReport, AFailedReadKeepsTheRecordsWrittenBefore) {
  const Outcome outcome = run(problemText(1, "2\nG 1 0 0\n"));
  EXPECT_EQ(outcome.status, 24);
  EXPECT_EQ(outcome.log, "");
  EXPECT_NE(outcome.report.find("  0.000000  k\r\n\r\n"), std::string::npos);
}

}  // namespace
}  // namespace tensor3d
