// The indexed section lookup against the full scan of the table, on every double a text can
// give near each key: the key and its neighbours many units in the last place away, the decimal
// texts that read as the key or next to it, negative zero, the half steps between keys, the
// values just outside the grid and the values that are no numbers.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <string>
#include <vector>

#include "model/Mdl_Common.hpp"
#include "model/NumberText.hpp"
#include "model/SectionGrid.hpp"
#include "model/SectionLookup.hpp"
#include "tests/model/SectionScan.hpp"

namespace jouk {
namespace {

using testing::ScanSectionRow;

constexpr int kUlps = 64;  // neighbours on each side of a key

std::string Format(const char* format, int i) {
  char text[64];
  std::snprintf(text, sizeof text, format, i);
  return text;
}

// The texts of step i (key i/100) in the forms a user may type, and a few that read just off it.
std::vector<std::string> TextsNear(int i) {
  std::vector<std::string> texts = {
      NumberToText(GridKey(i)),
      Format("0.%02d", i),
      Format("0.%02d0", i),
      Format("+0.%02d", i),
      Format(".%02d", i),
      Format("%de-2", i),
      Format("%d0E-3", i),
      Format("%d000e-5", i),
      // Digits at and beyond a double's precision: as the key, or as its neighbour above.
      Format("0.%02d00000000000000001", i),
      Format("0.%02d0000000000000001", i),
      Format("0.%02d000000000000001", i),
  };
  if (i >= 10) texts.push_back(Format("%d.%de-1", i / 10) + std::to_string(i % 10));
  if (i > 0) {
    // From below: as the key, or as its neighbour below.
    texts.push_back(Format("0.%02d99999999999999999", i - 1));
    texts.push_back(Format("0.%02d999999999999999", i - 1));
    texts.push_back(Format("0.%02d9999999999999", i - 1));
  } else {
    for (const char* zero : {"-0", "-0.0", "-0e7", "0e-400", "-1e-400", "4.9e-324", "-4.9e-324"}) {
      texts.emplace_back(zero);
    }
  }
  return texts;
}

// Every value near the key of step i: the texts, read as the recompute reads them, and the key's
// neighbours up to kUlps units in the last place on either side.
std::vector<double> ValuesNear(int i) {
  std::vector<double> values;
  for (const std::string& text : TextsNear(i)) values.push_back(TextToNumber(text));
  const double key = GridKey(i);
  double up = key;
  double down = key;
  values.push_back(key);
  for (int n = 0; n < kUlps; ++n) {
    up = std::nextafter(up, HUGE_VAL);
    down = std::nextafter(down, -HUGE_VAL);
    values.push_back(up);
    values.push_back(down);
  }
  // Half a step either side, where the nearest step changes, and the negative key.
  for (const double v : {key - 0.005, key + 0.005, std::nextafter(key - 0.005, 0.0),
                         std::nextafter(key + 0.005, 0.0), -key}) {
    values.push_back(v);
  }
  return values;
}

// Values that are no key of any step: beyond the grid, infinite, not a number, huge.
std::vector<double> ValuesOffTheGrid() {
  const double inf = std::numeric_limits<double>::infinity();
  return {-inf,  inf,          std::nan(""),  -std::nan(""), 1e300,       -1e300,
          0.5,   1.0,          100.0,         -0.005,        0.31,        0.305,
          0.155, 2147483648.0, -2147483649.0, 21474836.48,   -21474836.49};
}

TEST(SectionIndex, FindsWhatTheFullScanFindsNearEveryKey) {
  FlowState st;
  LoadInitialisation(st);
  int hits = 0;
  int compared = 0;
  for (int m = 0; m < kCamberSteps; ++m) {
    for (int d = 0; d < kThicknessSteps; ++d) {
      const int row = SectionRow(d, m);
      const double delta = GridKey(d);
      const double gama = GridKey(m);
      ASSERT_EQ(FindSectionRow(st, delta, gama), row);
      ASSERT_EQ(ScanSectionRow(st, delta, gama), row);
      // One key exact, the other near its own key (the index takes the two steps apart).
      for (const double v : ValuesNear(d)) {
        const int found = FindSectionRow(st, v, gama);
        ASSERT_EQ(found, ScanSectionRow(st, v, gama)) << "δ " << v << " γ " << gama;
        hits += found == row;
        ++compared;
      }
      for (const double v : ValuesNear(m)) {
        ASSERT_EQ(FindSectionRow(st, delta, v), ScanSectionRow(st, delta, v))
            << "δ " << delta << " γ " << v;
        ++compared;
      }
    }
  }
  // Each thickness text that reads as its key finds the row, none of the neighbours does.
  EXPECT_GT(hits, kTableRows * 5);
  EXPECT_GT(compared, kTableRows * 2 * (2 * kUlps));
}

TEST(SectionIndex, OffTheGridAndNotANumberMissLikeTheScan) {
  FlowState st;
  LoadInitialisation(st);
  for (const double v : ValuesOffTheGrid()) {
    for (const double key : {0.0, 0.12, kLargestCamber, kLargestThickness}) {
      EXPECT_EQ(FindSectionRow(st, v, key), ScanSectionRow(st, v, key)) << v;
      EXPECT_EQ(FindSectionRow(st, key, v), ScanSectionRow(st, key, v)) << v;
      EXPECT_EQ(FindSectionRow(st, v, key), 0) << v;
    }
    EXPECT_EQ(FindSectionRow(st, v, v), 0) << v;
  }
  // Negative zero is the key 0 for both comparisons; the camber 0.16 lies beyond the grid.
  EXPECT_EQ(FindSectionRow(st, -0.0, -0.0), 1);
  EXPECT_EQ(FindSectionRow(st, kLargestThickness, kLargestCamber), kTableRows);
  EXPECT_EQ(FindSectionRow(st, 0.12, 0.16), 0);
  EXPECT_EQ(FindSectionRow(st, 0.16, 0.12), SectionRow(16, 12));
}

TEST(SectionIndex, AStoreWithoutItsTableFindsNothing) {
  FlowState empty;  // never loaded: no rows
  EXPECT_EQ(FindSectionRow(empty, 0.0, 0.0), 0);
  EXPECT_EQ(FindSectionRow(empty, 0.12, 0.02), 0);
  FlowState part;
  LoadInitialisation(part);
  part.nTable = SectionRow(12, 2) - 1;  // the rows up to the start-up section's, not that one
  EXPECT_EQ(FindSectionRow(part, 0.11, 0.02), ScanSectionRow(part, 0.11, 0.02));
  EXPECT_EQ(FindSectionRow(part, 0.12, 0.02), 0);
  EXPECT_EQ(ScanSectionRow(part, 0.12, 0.02), 0);
  part.TabMu.resize(10);  // a column shorter than nTable: only the rows all columns hold
  EXPECT_EQ(FindSectionRow(part, 0.08, 0.0), 9);
  EXPECT_EQ(FindSectionRow(part, 0.09, 0.0), 0);
  EXPECT_EQ(ScanSectionRow(part, 0.09, 0.0), 0);
}

TEST(SectionIndex, LookupSectionGivesWhatOffsetsAfterLookupSays) {
  FlowState st;
  LoadInitialisation(st);
  st.Eps = 0.5;
  st.Mu = 0.25;
  const SectionOffsets miss = OffsetsAfterLookup(st, 0.125, 0.02);
  EXPECT_EQ(miss.Eps, 0.5);
  EXPECT_EQ(miss.Mu, 0.25);
  const SectionOffsets hit = OffsetsAfterLookup(st, TextToNumber("1.2e-1"), TextToNumber("2E-2"));
  EXPECT_EQ(hit.Eps, 0.10195);
  EXPECT_EQ(hit.Mu, 0.04407);
  EXPECT_EQ(st.Eps, 0.5);  // the store is only read
  LookupSection(st, 0.12, 0.02);
  EXPECT_EQ(st.Eps, hit.Eps);
  EXPECT_EQ(st.Mu, hit.Mu);
}

}  // namespace
}  // namespace jouk
