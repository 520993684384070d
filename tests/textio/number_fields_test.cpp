#include "textio/number_fields.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <ostream>
#include <string>

namespace tensor3d {
namespace {

constexpr float nan = std::numeric_limits<float>::quiet_NaN();
constexpr float inf = std::numeric_limits<float>::infinity();

struct RealCase {
  float value;
  int width;
  int decimals;
  const char* expected;
};

void PrintTo(const RealCase& c, std::ostream* os) {
  *os << c.value << " in width " << c.width << " with " << c.decimals;
}

std::string freeFormReal(float value) {
  std::string out;
  appendFreeFormReal(out, value);
  return out;
}

TEST(FreeFormRealField, ChoosesFixedOrExponentFormAtSevenSignificantDigits) {
  const struct {
    float value;
    const char* expected;
  } cases[] = {
      {1.0f, "   1.000000    "},
      {0.5f, "  0.5000000    "},
      {-0.5f, " -0.5000000    "},
      {12345.678f, "   12345.68    "},
      {-123.456f, "  -123.4560    "},
      {100.0f, "   100.0000    "},
      {9999999.0f, "   9999999.    "},
      {-9999999.0f, "  -9999999.    "},
      {0.1f, "  0.1000000    "},
      {0.099999994f, "  9.9999994E-02"},
      {1.0E7f, "  1.0000000E+07"},
      {1.0E-5f, "  9.9999997E-06"},
      {0.0f, "  0.0000000E+00"},
      {-0.0f, "  0.0000000E+00"},
      {2.0E11f, "  2.0000000E+11"},
      {-1.0E-30f, " -1.0000000E-30"},
      {std::numeric_limits<float>::max(), "  3.4028235E+38"},
      {-std::numeric_limits<float>::max(), " -3.4028235E+38"},
      // Exact binary values halfway between two shown values go to the even digit.
      {1234.5625f, "   1234.562    "},
      {1234.6875f, "   1234.688    "},
      {0.000244140625f, "  2.4414062E-04"},
      {nan, "            NaN"},
      {inf, "       Infinity"},
      {-inf, "      -Infinity"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(freeFormReal(c.value), c.expected) << "value " << c.value;
  }
}

TEST(FreeFormRealField, AppendsToWhatTheRecordHolds) {
  std::string out = " X";
  appendFreeFormReal(out, 2.0f);
  EXPECT_EQ(out, " X   2.000000    ");
}

class FixedField : public ::testing::TestWithParam<RealCase> {};

TEST_P(FixedField, ShowsRoundedValueOrAsterisks) {
  const RealCase c = GetParam();
  std::string out;
  appendFixedField(out, c.value, c.width, c.decimals);
  EXPECT_EQ(out, c.expected);
}

INSTANTIATE_TEST_SUITE_P(WorkedExamples, FixedField,
                         ::testing::Values(RealCase{1.0f, 18, 8, "        1.00000000"},
                                           RealCase{0.70710678f, 12, 7, "   0.7071068"},
                                           RealCase{-0.70710678f, 12, 7, "  -0.7071068"},
                                           RealCase{45.0f, 10, 2, "     45.00"},
                                           RealCase{-123.25f, 12, 4, "   -123.2500"}));

// Halfway cases and values whose exact binary value lies just under a half.
INSTANTIATE_TEST_SUITE_P(Rounding, FixedField,
                         ::testing::Values(RealCase{0.00390625f, 12, 7, "   0.0039062"},
                                           RealCase{0.0390625f, 10, 6, "  0.039062"},
                                           RealCase{0.01171875f, 12, 7, "   0.0117188"},
                                           RealCase{2.5f, 4, 0, "  2."},
                                           RealCase{3.5f, 4, 0, "  4."},
                                           RealCase{0.005f, 10, 2, "      0.00"},
                                           RealCase{0.015f, 10, 2, "      0.01"}));

INSTANTIATE_TEST_SUITE_P(NoSignOnZeroDigits, FixedField,
                         ::testing::Values(RealCase{-0.0f, 10, 2, "      0.00"},
                                           RealCase{-0.0f, 18, 8, "        0.00000000"},
                                           RealCase{-0.00000004f, 12, 7, "   0.0000000"},
                                           RealCase{-0.005f, 10, 2, "      0.00"},
                                           RealCase{-0.006f, 10, 2, "     -0.01"},
                                           RealCase{-1.0E-30f, 12, 4, "      0.0000"}));

INSTANTIATE_TEST_SUITE_P(ZeroBeforePointDroppedWhenTight, FixedField,
                         ::testing::Values(RealCase{0.5f, 3, 1, "0.5"}, RealCase{0.5f, 2, 1, ".5"},
                                           RealCase{-0.5f, 3, 1, "-.5"}, RealCase{0.5f, 1, 1, "*"},
                                           RealCase{-0.25f, 4, 2, "-.25"}));

// For each field of the report: the largest single-precision magnitudes that
// fit, positive and negative, and the next values, which do not.
INSTANTIATE_TEST_SUITE_P(
    Overflow, FixedField,
    ::testing::Values(
        RealCase{999999936.0f, 18, 8, "999999936.00000000"},
        RealCase{1.0E9f, 18, 8, "******************"},
        RealCase{-99999992.0f, 18, 8, "-99999992.00000000"},
        RealCase{-1.0E8f, 18, 8, "******************"},
        RealCase{9999.9990234375f, 12, 7, "9999.9990234"},
        RealCase{10000.0f, 12, 7, "************"},
        RealCase{-999.99993896484375f, 12, 7, "-999.9999390"},
        RealCase{-1000.0f, 12, 7, "************"}, RealCase{9999999.0f, 12, 4, "9999999.0000"},
        RealCase{1.0E7f, 12, 4, "************"}, RealCase{-999999.9375f, 12, 4, "-999999.9375"},
        RealCase{-1.0E6f, 12, 4, "************"},
        RealCase{99.99999237060546875f, 10, 7, "99.9999924"}, RealCase{100.0f, 10, 7, "**********"},
        RealCase{-9.99999904632568359375f, 10, 7, "-9.9999990"},
        RealCase{-10.0f, 10, 7, "**********"}, RealCase{999.99993896484375f, 10, 6, "999.999939"},
        RealCase{1000.0f, 10, 6, "**********"},
        RealCase{-99.99999237060546875f, 10, 6, "-99.999992"},
        RealCase{-100.0f, 10, 6, "**********"}, RealCase{9999999.0f, 10, 2, "9999999.00"},
        RealCase{1.0E7f, 10, 2, "**********"}, RealCase{-999999.9375f, 10, 2, "-999999.94"},
        RealCase{-1.0E6f, 10, 2, "**********"},
        // Rounding up can carry into one more digit than fits.
        RealCase{999.99f, 6, 2, "999.99"}, RealCase{999.996f, 6, 2, "******"}));

INSTANTIATE_TEST_SUITE_P(
    SpecialValues, FixedField,
    ::testing::Values(RealCase{nan, 10, 2, "       NaN"}, RealCase{-nan, 10, 2, "       NaN"},
                      RealCase{nan, 3, 1, "NaN"}, RealCase{nan, 2, 1, "**"},
                      RealCase{inf, 10, 2, "  Infinity"}, RealCase{inf, 8, 2, "Infinity"},
                      RealCase{inf, 7, 2, "    Inf"}, RealCase{inf, 3, 1, "Inf"},
                      RealCase{inf, 2, 1, "**"}, RealCase{-inf, 10, 2, " -Infinity"},
                      RealCase{-inf, 9, 2, "-Infinity"}, RealCase{-inf, 8, 2, "    -Inf"},
                      RealCase{-inf, 4, 1, "-Inf"}, RealCase{-inf, 3, 1, "***"}));

class ExponentField : public ::testing::TestWithParam<RealCase> {};

TEST_P(ExponentField, ShowsSignificantDigitsAfterZeroPoint) {
  const RealCase c = GetParam();
  std::string out;
  appendExponentField(out, c.value, c.width, c.decimals);
  EXPECT_EQ(out, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ExponentField,
    ::testing::Values(
        RealCase{1.0f, 15, 8, " 0.10000000E+01"}, RealCase{-1234.5f, 15, 8, "-0.12345000E+04"},
        RealCase{1.0f, 20, 8, "      0.10000000E+01"}, RealCase{0.0f, 15, 8, " 0.00000000E+00"},
        RealCase{-0.0f, 15, 8, " 0.00000000E+00"}, RealCase{-0.0f, 20, 8, "      0.00000000E+00"},
        RealCase{-1.0E-30f, 15, 8, "-0.10000000E-29"}, RealCase{0.05f, 15, 8, " 0.50000001E-01"},
        RealCase{std::numeric_limits<float>::max(), 15, 8, " 0.34028235E+39"},
        RealCase{std::numeric_limits<float>::min(), 15, 8, " 0.11754944E-37"},
        // Ties to even, and a carry that raises the exponent.
        RealCase{0.00390625f, 12, 5, " 0.39062E-02"}, RealCase{0.01171875f, 12, 6, "0.117188E-01"},
        RealCase{0.99999994f, 10, 3, " 0.100E+01"}, RealCase{-1.0f, 14, 8, "**************"},
        RealCase{nan, 15, 8, "            NaN"}, RealCase{inf, 15, 8, "       Infinity"},
        RealCase{-inf, 15, 8, "      -Infinity"}, RealCase{-inf, 5, 1, " -Inf"},
        RealCase{inf, 2, 1, "**"}));

TEST(IntegerField, RightJustifiesWithSignOrAsterisks) {
  const struct {
    std::int32_t value;
    int width;
    const char* expected;
  } cases[] = {
      {12, 5, "   12"},
      {0, 5, "    0"},
      {-1234, 5, "-1234"},
      {-12345, 5, "*****"},
      {123456, 5, "*****"},
      {7, freeFormIntegerWidth, "           7"},
      {std::numeric_limits<std::int32_t>::min(), freeFormIntegerWidth, " -2147483648"},
      {std::numeric_limits<std::int32_t>::max(), freeFormIntegerWidth, "  2147483647"},
  };
  for (const auto& c : cases) {
    std::string out;
    appendIntegerField(out, c.value, c.width);
    EXPECT_EQ(out, c.expected) << "value " << c.value << " in " << c.width;
  }
}

}  // namespace
}  // namespace tensor3d
