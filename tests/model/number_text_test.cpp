#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <string>

#include "model/NumberText.hpp"

namespace jouk {
namespace {

struct ParseCase {
  const char* name;
  const char* text;
  double expected;
};
void PrintTo(const ParseCase& c, std::ostream* os) {
  *os << c.name;
}

class TextToNumberTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(TextToNumberTest, ReadsLongestNumericPrefix) {
  const ParseCase& c = GetParam();
  const double got = TextToNumber(c.text);
  EXPECT_EQ(got, c.expected) << "text \"" << c.text << "\"";
  EXPECT_EQ(std::signbit(got), std::signbit(c.expected)) << "text \"" << c.text << "\"";
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TextToNumberTest,
    ::testing::Values(
        ParseCase{"plain", "0.12", 0.12}, ParseCase{"integer", "10", 10.0},
        ParseCase{"leading_blanks", "   0.07", 0.07}, ParseCase{"leading_tab", "\t5", 5.0},
        ParseCase{"minus", "-10", -10.0}, ParseCase{"plus", "+2.5", 2.5},
        ParseCase{"comma_stops", "0,12", 0.0}, ParseCase{"letters_stop", "12abc", 12.0},
        ParseCase{"exponent", "1.5e2", 150.0}, ParseCase{"exponent_upper_signed", "25E-1", 2.5},
        ParseCase{"exponent_plus", "1e+1", 10.0}, ParseCase{"exponent_without_digits", "1e", 1.0},
        ParseCase{"exponent_sign_without_digits", "3E-", 3.0}, ParseCase{"empty", "", 0.0},
        ParseCase{"only_blanks", "   ", 0.0}, ParseCase{"no_number", "abc", 0.0},
        ParseCase{"only_sign", "-", 0.0}, ParseCase{"only_point", ".", 0.0},
        ParseCase{"leading_point", ".5", 0.5}, ParseCase{"trailing_point", "5.", 5.0},
        ParseCase{"second_point_stops", "1.2.3", 1.2}, ParseCase{"inner_blank_stops", "1 2", 1.0},
        ParseCase{"negative_zero", "-0", -0.0}, ParseCase{"radix_prefix_stops", "0x10", 0.0},
        ParseCase{"overflow", "1e400", std::numeric_limits<double>::infinity()},
        ParseCase{"negative_overflow", "-1e400", -std::numeric_limits<double>::infinity()},
        ParseCase{"long_mantissa_overflow", "123456789e308",
                  std::numeric_limits<double>::infinity()},
        ParseCase{"underflow", "1e-400", 0.0}, ParseCase{"negative_underflow", "-0.001e-400", -0.0},
        ParseCase{"word_inf_is_no_number", "inf", 0.0},
        ParseCase{"word_nan_is_no_number", "nan", 0.0}, ParseCase{"kmax_fraction", "20.4", 20.4}),
    [](const ::testing::TestParamInfo<ParseCase>& info) { return std::string(info.param.name); });

TEST(TextToNumber, KeysReadAsTheQuotientsOfTheirDigits) {
  for (int d = 0; d <= 30; ++d) {
    const std::string two = d < 10 ? "0.0" + std::to_string(d) : "0." + std::to_string(d);
    EXPECT_EQ(TextToNumber(two), d / 100.0) << two;
  }
  EXPECT_EQ(TextToNumber("0.1"), TextToNumber("0.10"));
}

struct FormCase {
  const char* name;
  double value;
  const char* text;
};
void PrintTo(const FormCase& c, std::ostream* os) {
  *os << c.name;
}

class NumberToTextTest : public ::testing::TestWithParam<FormCase> {};

TEST_P(NumberToTextTest, WritesShortestDecimal) {
  EXPECT_EQ(NumberToText(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, NumberToTextTest,
    ::testing::Values(FormCase{"thickness_12", 12 / 100.0, "0.12"},
                      FormCase{"thickness_30", 30 / 100.0, "0.3"}, FormCase{"zero", 0 / 100.0, "0"},
                      FormCase{"alpha_minus_10", -10, "-10"},
                      FormCase{"scale_25", 25 / 10.0, "2.5"}, FormCase{"scale_5", 5 / 10.0, "0.5"},
                      FormCase{"kutta_10", 10 / 10.0, "1"}, FormCase{"dpsi_7", 7 / 100.0, "0.07"},
                      FormCase{"nsl_10", 10, "10"}, FormCase{"large", 30000, "30000"}),
    [](const ::testing::TestParamInfo<FormCase>& info) { return std::string(info.param.name); });

TEST(NumberToText, EveryScrollBarValueRoundTripsWithoutExponent) {
  for (int p = -32768; p <= 32767; p += 7) {
    for (const double v : {p / 100.0, p / 10.0, static_cast<double>(p)}) {
      const std::string text = NumberToText(v);
      EXPECT_EQ(TextToNumber(text), v) << text;
      EXPECT_EQ(text.find_first_of("eE"), std::string::npos) << text;
      EXPECT_LE(text.size(), 17u) << text;
    }
  }
}

TEST(NumberToText, ArbitraryDoublesRoundTrip) {
  for (const double v : {0.1 + 0.2, 1.0 / 3.0, 123456.789e-7, 6.02214076e23, 4.9e-324}) {
    EXPECT_EQ(TextToNumber(NumberToText(v)), v) << NumberToText(v);
  }
}

}  // namespace
}  // namespace jouk
