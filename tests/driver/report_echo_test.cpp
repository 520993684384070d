#include "driver/report_echo.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "tests/support/memory_streams.hpp"

namespace tensor3d {
namespace {

class ReportEchoTest : public ::testing::Test {
 protected:
  DirectionEntry entry(std::string_view frame, float x, float y, float z) {
    DirectionEntry made;
    std::copy(frame.begin(), frame.end(), made.frame.begin());
    made.components = {x, y, z};
    formUnitVector(made);
    return made;
  }

  testing::MemorySink sink;
  RecordWriter writer{sink};
};

TEST_F(ReportEchoTest, HeaderRecord) {
  writeReportHeader(writer);
  EXPECT_EQ(sink.bytes(),
            " VERSI\xD3N DEL D\xCD"
            "A:03/06/2025   \r\n");
}

TEST_F(ReportEchoTest, StressKindsShowTheUnitsAndEveryRowAsRead) {
  ProblemData problem;
  problem.kind = 3;
  std::copy_n("N/mm2     ", 10, problem.unitsText.begin());
  const float rows[3][3] = {{100, 0, -50}, {1, 2, 3}, {-0.5f, 0, 7}};
  for (int r = 0; r < 3; ++r) {
    for (int c = 0; c < 3; ++c) problem.tensor(r + 1, c + 1) = rows[r][c];
  }
  writeTensorEcho(writer, problem, "ESFUERZOS    ");
  EXPECT_EQ(sink.bytes(),
            " RESOLVIENDO PARA EL TENSOR  ESFUERZOS    \r\n"
            " unidades:(N/mm2     )\r\n"
            "      100.00000000        0.00000000      -50.00000000\r\n"
            "        1.00000000        2.00000000        3.00000000\r\n"
            "       -0.50000000        0.00000000        7.00000000\r\n");
}

TEST_F(ReportEchoTest, StrainKindsHaveNoUnitsLine) {
  for (ProblemKind kind : {strainOnly, strainConverted}) {
    testing::MemorySink strainSink;
    RecordWriter strainWriter(strainSink);
    ProblemData problem;
    problem.kind = kind;
    writeTensorEcho(strainWriter, problem, "DEFORMACIONES");
    EXPECT_EQ(strainSink.bytes().find("unidades"), std::string::npos) << kind;
  }
}

TEST_F(ReportEchoTest, UnitVectorIsTheDirectionOverItsLength) {
  const DirectionEntry made = entry("G", 3, 0, 4);
  EXPECT_EQ(made.unitVector, (std::array{0.6f, 0.0f, 0.8f}));
  const DirectionEntry zero = entry("G", 0, 0, 0);
  for (float component : zero.unitVector) EXPECT_TRUE(std::isnan(component));
}

TEST_F(ReportEchoTest, GeneralDirectionOfAStressKind) {
  writeDirectionEcho(writer, entry("G", 2, 0, 0), stressOnly);
  EXPECT_EQ(sink.bytes(),
            " RESPECTO A TENSOR GENERAL\r\n"
            " SE RESUELVE PARA EL VECTOR NORMAL AL PLANO, n:\r\n"
            "  1.000000  i\r\n  0.000000  j\r\n  0.000000  k\r\n\r\n");
}

TEST_F(ReportEchoTest, PrincipalDirectionOfAStrainKindWithNaNs) {
  writeDirectionEcho(writer, entry("P", 0, 0, 0), strainConverted);
  EXPECT_EQ(sink.bytes(),
            " RESPECTO A TENSOR PRINCIPAL\r\n"
            " SE RESUELVE PARA EL VECTOR EN DIRECCI\xD3N e:\r\n"
            "       NaN  i\r\n       NaN  j\r\n       NaN  k\r\n\r\n");
}

TEST_F(ReportEchoTest, OnlyTheExactFramesGAndPWriteAFrameLine) {
  for (std::string_view frame : {"g", "GE", "p", " G", "X"}) {
    testing::MemorySink frameSink;
    RecordWriter frameWriter(frameSink);
    writeDirectionEcho(frameWriter, entry(frame, 1, 0, 0), stressOnly);
    EXPECT_EQ(frameSink.bytes().rfind(" SE RESUELVE", 0), 0u) << frame;
  }
}

}  // namespace
}  // namespace tensor3d
