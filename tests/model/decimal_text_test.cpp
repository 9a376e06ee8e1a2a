// The conversions of doubles to text and back: exact texts at the limits of the doubles, and the
// printf/strtod way, which the browser's build uses, against the standard library's
// std::to_chars/std::from_chars on long deterministic runs of every kind of double.
//
// JOUK_DECIMAL_SAMPLES sets how many doubles each run takes (default 40000 per kind; the long
// check takes millions: JOUK_DECIMAL_SAMPLES=1000000).
#include <gtest/gtest.h>

#include <cfloat>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <ostream>
#include <string>

#include "model/DecimalText.hpp"
#include "tests/model/DecimalSamples.hpp"

namespace jouk {
namespace {

using testing::BitsOf;
using testing::SampleKind;
using testing::SampleRandom;

std::uint64_t SampleCount() {
  const char* text = std::getenv("JOUK_DECIMAL_SAMPLES");
  return text != nullptr ? std::strtoull(text, nullptr, 10) : 40000;
}

struct FixedCase {
  const char* name;
  double value;
  std::string text;
};
void PrintTo(const FixedCase& c, std::ostream* os) {
  *os << c.name;
}

class ShortestFixedTest : public ::testing::TestWithParam<FixedCase> {};

TEST_P(ShortestFixedTest, WritesTheFewestDigitsThatReadBack) {
  const FixedCase& c = GetParam();
  EXPECT_EQ(ShortestFixed(c.value), c.text);
  EXPECT_EQ(ShortestFixedByPrintf(c.value), c.text);
  EXPECT_EQ(BitsOf(ReadDecimal(c.text[0] == '-' ? c.text.substr(1) : c.text)),
            BitsOf(std::fabs(c.value)));
}

const std::string kZeros323(323, '0');

INSTANTIATE_TEST_SUITE_P(
    Limits, ShortestFixedTest,
    ::testing::Values(
        FixedCase{"hundredths", 0.12, "0.12"},
        FixedCase{"sum_of_tenths", 0.1 + 0.2, "0.30000000000000004"},
        FixedCase{"third", 1.0 / 3.0, "0.3333333333333333"}, FixedCase{"negative_zero", -0.0, "-0"},
        FixedCase{"zero", 0.0, "0"}, FixedCase{"negative_whole", -10.0, "-10"},
        FixedCase{"largest_exact_whole", 9007199254740991.0, "9007199254740991"},
        FixedCase{"below_largest_exact_whole", 4503599627370495.5, "4503599627370495.5"},
        // 1e23 lies between two doubles; the one nearer is written exactly, one digit shorter
        // than the shortest digits padded with zeros.
        FixedCase{"ten_to_23", 1e23, "99999999999999991611392"},
        FixedCase{"two_to_70", 1180591620717411303424.0, "1180591620717411303424"},
        FixedCase{"largest", DBL_MAX,
                  "17976931348623157081452742373170435679807056752584499659891747680315726078002853"
                  "87605895586327668781715404589535143824642343213268894641827684675467035375169860"
                  "49910576551282076245490090389328944075868508455133942304583236903222948165808559"
                  "332123348274797826204144723168738177180919299881250404026184124858368"},
        FixedCase{"smallest_subnormal", 4.9406564584124654e-324, "0." + kZeros323 + "5"},
        FixedCase{"smallest_normal", DBL_MIN, "0." + std::string(307, '0') + "22250738585072014"},
        // 2^-296 = 7.8545495444763624…e-90: its nearest 16-digit decimal, …362e-90, lies below
        // the half gap under it, which is half as wide as the one above; the next one up,
        // …363e-90, reads back.
        FixedCase{"power_of_two_narrow_gap_below", std::ldexp(1.0, -296),
                  "0." + std::string(89, '0') + "7854549544476363"},
        FixedCase{"nearest_power_of_ten", 1e-7, "0.0000001"}),
    [](const ::testing::TestParamInfo<FixedCase>& info) { return std::string(info.param.name); });

// Places as printf rounds them: the double's exact value to nearest, ties to even (0.125 is exact,
// 0.00005 lies a little above its decimal, 2.00005 a little below), and the sign of a negative
// number that rounds to zero kept.
TEST(FixedDecimals, RoundsTheExactValueToThePlaces) {
  EXPECT_EQ(FixedDecimals(0.125, 2), "0.12");
  EXPECT_EQ(FixedDecimals(0.375, 2), "0.38");
  EXPECT_EQ(FixedDecimals(0.00005, 4), "0.0001");
  EXPECT_EQ(FixedDecimals(2.00005, 4), "2.0000");
  EXPECT_EQ(FixedDecimals(-0.00001, 4), "-0.0000");
  EXPECT_EQ(FixedDecimals(1e21, 4), "1000000000000000000000.0000");
  EXPECT_EQ(FixedDecimals(599.99996, 4), "600.0000");
  EXPECT_EQ(FixedDecimals(7.0, 0), "7");
  EXPECT_EQ(FixedDecimalsByPrintf(0.125, 2), "0.12");
  EXPECT_EQ(FixedDecimalsByPrintf(599.99996, 4), "600.0000");
}

#if JOUK_LIBRARY_FLOAT_CHARCONV

class FallbackAgainstCharconvTest : public ::testing::TestWithParam<SampleKind> {};

// Gives up after a few differences, each shown with its bits.
TEST_P(FallbackAgainstCharconvTest, WritesTheSameTexts) {
  SampleRandom r(0x5eed0000u + static_cast<unsigned>(GetParam()));
  int differences = 0;
  const std::uint64_t count = SampleCount();
  for (std::uint64_t i = 0; i < count && differences < 5; ++i) {
    const double v = testing::SampleOf(GetParam(), r);
    const std::string expected = ShortestFixedByCharconv(v);
    const std::string got = ShortestFixedByPrintf(v);
    if (got != expected) {
      ++differences;
      ADD_FAILURE() << "bits " << std::hex << BitsOf(v) << ": to_chars " << expected << ", printf "
                    << got;
    }
  }
}

// Every power of two and its two neighbours: the only doubles whose gap below is narrower than
// the gap above.
TEST(FallbackAgainstCharconv, EveryPowerOfTwoAndItsNeighbours) {
  int differences = 0;
  for (int e = -1074; e <= 1023 && differences < 5; ++e) {
    const double p = std::ldexp(1.0, e);
    for (const double v : {std::nextafter(p, 0.0), p, std::nextafter(p, HUGE_VAL)}) {
      if (v == 0 || std::isinf(v) || ShortestFixedByPrintf(v) == ShortestFixedByCharconv(v)) {
        continue;
      }
      ++differences;
      ADD_FAILURE() << "2^" << e << " or beside it: to_chars " << ShortestFixedByCharconv(v)
                    << ", printf " << ShortestFixedByPrintf(v);
    }
  }
}

// The exact decimal halfway between v > 0 and the next double up, when long double holds it.
std::string Midpoint(double v) {
  const long double m =
      (static_cast<long double>(v) + static_cast<long double>(std::nextafter(v, HUGE_VAL))) / 2;
  char text[900];
  std::snprintf(text, sizeof text, "%.800Le", m);
  return text;
}

// Reads forms made from the kind's doubles: each one's shortest text, its digits rounded to 1
// to 21 places, the halfway points beside it (ties to even) and a little above them, and
// random plain decimals, up to 24 digits each side of the point and exponents beyond ±308.
TEST_P(FallbackAgainstCharconvTest, ReadsTheSameDoubles) {
  SampleRandom r(0x7eed0000u + static_cast<unsigned>(GetParam()));
  const bool exactMidpoints = std::numeric_limits<long double>::digits >= 54;
  int differences = 0;
  const std::uint64_t count = SampleCount();
  for (std::uint64_t i = 0; i < count && differences < 5; ++i) {
    const double v = std::fabs(testing::SampleOf(GetParam(), r));
    char rounded[64];
    std::snprintf(rounded, sizeof rounded, "%.*e", r.Below(21), v);
    std::string forms[] = {ShortestFixedByCharconv(v), rounded, testing::DecimalForm(r), "", ""};
    if (exactMidpoints && i % 16 == 0 && v < DBL_MAX) {
      forms[3] = Midpoint(v);
      forms[4] = forms[3];
      forms[4].insert(forms[4].find('e'), "1");
    }
    for (const std::string& form : forms) {
      if (form.empty()) continue;
      const double expected = ReadDecimalByCharconv(form);
      const double got = ReadDecimalByStrtod(form);
      if (BitsOf(got) != BitsOf(expected)) {
        ++differences;
        ADD_FAILURE() << form << ": from_chars " << expected << ", strtod " << got;
      }
    }
  }
}

// Four places, as the SVG writes its coordinates, and the extremes of the places: the same text
// both ways, for every kind of double that fits the buffer.
TEST_P(FallbackAgainstCharconvTest, WritesTheSameFixedPlaces) {
  SampleRandom r(0x4ace0000u + static_cast<unsigned>(GetParam()));
  int differences = 0;
  const std::uint64_t count = SampleCount() / 4;
  for (std::uint64_t i = 0; i < count && differences < 5; ++i) {
    const double v = testing::SampleOf(GetParam(), r);
    if (!std::isfinite(v)) continue;
    for (const int places : {4, 0, 1, 20}) {
      const std::string expected = FixedDecimalsByCharconv(v, places);
      const std::string got = FixedDecimalsByPrintf(v, places);
      if (got != expected) {
        ++differences;
        ADD_FAILURE() << "bits " << std::hex << BitsOf(v) << " to " << std::dec << places
                      << " places: to_chars " << expected << ", printf " << got;
      }
    }
  }
}

std::string KindName(const ::testing::TestParamInfo<SampleKind>& info) {
  static const char* const names[] = {"any_bits",   "tiny",     "huge",         "whole",
                                      "hundredths", "moderate", "power_of_two", "short_decimal"};
  return names[static_cast<int>(info.param)];
}

INSTANTIATE_TEST_SUITE_P(Kinds, FallbackAgainstCharconvTest,
                         ::testing::Values(SampleKind::kAnyBits, SampleKind::kTiny,
                                           SampleKind::kHuge, SampleKind::kWhole,
                                           SampleKind::kHundredths, SampleKind::kModerate,
                                           SampleKind::kPowerOfTwo, SampleKind::kShortDecimal),
                         KindName);

#endif

// Under a locale whose decimal separator is a comma (made for the test where the window's tests
// run; skipped where there is none) the texts keep their point.
TEST(DecimalTextLocale, PointWhateverTheLocaleSeparator) {
  const std::string before = std::setlocale(LC_NUMERIC, nullptr);
  if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr) {
    if (std::getenv("JOUK_REQUIRE_LOCALE") != nullptr) FAIL() << "no de_DE.UTF-8 (LOCPATH?)";
    GTEST_SKIP() << "no de_DE.UTF-8";
  }
  char probe[16];
  std::snprintf(probe, sizeof probe, "%.1f", 0.5);
  EXPECT_STREQ(probe, "0,5");
  EXPECT_EQ(ShortestFixedByPrintf(0.12), "0.12");
  EXPECT_EQ(ShortestFixedByPrintf(-2.5e-5), "-0.000025");
  EXPECT_EQ(FixedDecimalsByPrintf(2.5, 4), "2.5000");
  EXPECT_EQ(FixedDecimalsByPrintf(-1234.56789, 4), "-1234.5679");
  EXPECT_EQ(ReadDecimalByStrtod("0.12"), 0.12);
  EXPECT_EQ(ReadDecimalByStrtod("25e-1"), 2.5);
  SampleRandom r(0x10ca1e);
  for (int i = 0; i < 2000; ++i) {
    const double v = testing::Sample(r, static_cast<std::uint64_t>(i));
    const std::string text = ShortestFixedByPrintf(v);
    EXPECT_EQ(text.find(','), std::string::npos) << text;
    EXPECT_EQ(BitsOf(ReadDecimalByStrtod(text[0] == '-' ? text.substr(1) : text)),
              BitsOf(std::fabs(v)))
        << text;
  }
  std::setlocale(LC_NUMERIC, before.c_str());
}

}  // namespace
}  // namespace jouk
