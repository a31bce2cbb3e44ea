#include "number_reading.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace geoplait {
namespace {

constexpr double kUntouched = 7.75;
constexpr double kInf = std::numeric_limits<double>::infinity();

struct ReadingCase {
  std::string text;  // what follows the key
  double expected;
};

void PrintTo(const ReadingCase& c, std::ostream* os) {
  *os << '"' << c.text << '"';
}

class ReadNumberTest : public ::testing::TestWithParam<ReadingCase> {};

TEST_P(ReadNumberTest, GivesValue) {
  double value = kUntouched;
  ReadNumber(GetParam().text, value);
  EXPECT_EQ(value, GetParam().expected);
  EXPECT_EQ(std::signbit(value), std::signbit(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(Numbers, ReadNumberTest,
                         ::testing::Values(
                             // Nothing or blanks only leave the value as it was.
                             ReadingCase{"", kUntouched}, ReadingCase{" \t\v\f\r\n", kUntouched},
                             // Numbers, with the text that normally follows them.
                             ReadingCase{" 47.5\" maxlon=\"8\"/>", 47.5}, ReadingCase{"47.5", 47.5},
                             ReadingCase{"-0.25\"", -0.25}, ReadingCase{"+3\"", 3.0},
                             ReadingCase{".5\"", 0.5}, ReadingCase{"5.\"", 5.0},
                             ReadingCase{"1e2\"", 100.0}, ReadingCase{"1E+2\"", 100.0},
                             ReadingCase{"25e-1\"", 2.5}, ReadingCase{"-122.25\"", -122.25},
                             ReadingCase{"46.123456789\"", 46.123456789},
                             ReadingCase{"0007.125\"", 7.125}, ReadingCase{"-0\"", -0.0},
                             // Digits past the exponent limit are read and change nothing.
                             ReadingCase{"1e00000000000000002\"", 100.0},
                             // Out of range: infinity above, zero below.
                             ReadingCase{"1e400\"", kInf}, ReadingCase{"-2e308\"", -kInf},
                             ReadingCase{"1e99999999999\"", kInf}, ReadingCase{"1e-400\"", 0.0},
                             ReadingCase{"1.5e308\"", 1.5e308},
                             // What cannot be read as a number gives 0.
                             ReadingCase{"abc\"", 0.0}, ReadingCase{"\"", 0.0},
                             ReadingCase{"-\"", 0.0}, ReadingCase{".\"", 0.0},
                             ReadingCase{"+.e5\"", 0.0}, ReadingCase{"46.5e\"", 0.0},
                             ReadingCase{"5e+\"", 0.0}, ReadingCase{"'47.5'", 0.0}));

TEST(ReadNumber, ManyDigitsAccumulateAsDoubles) {
  // Each step of the accumulation is rounded to a double, so digits past the 17th stop
  // counting once they fall below the double's precision.
  double value = 0;
  ReadNumber("1234567890123456789012345", value);
  EXPECT_DOUBLE_EQ(value, 1.234567890123456789e24);
}

TEST(ReadNumber, TinyValuesAreScaledInTwoSteps) {
  double value = 0;
  ReadNumber("1e-310", value);
  EXPECT_GT(value, 0.0);
  EXPECT_NEAR(value / 1e-310, 1.0, 1e-6);
}

struct FormatCase {
  double value;
  const char* text;
};

void PrintTo(const FormatCase& c, std::ostream* os) {
  *os << c.text;
}

class FormatBoundsValueTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatBoundsValueTest, Writes) {
  EXPECT_EQ(FormatBoundsValue(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, FormatBoundsValueTest,
    ::testing::Values(
        FormatCase{47.5, "47.500000000000000"}, FormatCase{-122.25, "-122.250000000000000"},
        FormatCase{0.05, "0.050000000000000"}, FormatCase{90.0, "90.000000000000000"},
        FormatCase{0.0, "0.000000000000000"}, FormatCase{-0.0, "0.000000000000000"},
        FormatCase{kInf, "+INF"}, FormatCase{-kInf, "-INF"},
        // Exact halves at the 16th digit go to the even neighbour.
        FormatCase{1.0 / 65536, "0.000015258789062"}, FormatCase{3.0 / 65536, "0.000045776367188"},
        FormatCase{0.1 + 0.2, "0.300000000000000"}, FormatCase{52.5117189623, "52.511718962300002"},
        // Five or more digits before the point: 19 significant digits, zeros.
        FormatCase{12345.678, "12345.677999999999880"},
        FormatCase{-123456789.123, "-123456789.122999995900000"},
        FormatCase{1e40, "1.000000000000000e+40"}));

}  // namespace
}  // namespace geoplait
