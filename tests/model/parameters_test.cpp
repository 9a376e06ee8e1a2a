// The parameter table: the facts derived from it agree with each other.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "model/Mdl_Common.hpp"
#include "model/NumberText.hpp"
#include "model/Parameters.hpp"
#include "model/Recompute.hpp"

namespace jouk {
namespace {

// A scroll bar's start position writes exactly the start text into its box, and that text reads
// back as the bar's value: the window opens showing what its scroll bars would write.
TEST(Parameters, StartTextsAreTheTextFormOfTheScrollBarStarts) {
  for (const ParameterFacts& p : kParameters) {
    if (!p.bar) continue;
    const double value = p.bar->start / p.bar->divisor;
    EXPECT_EQ(NumberToText(value), p.startText) << p.option;
    EXPECT_EQ(TextToNumber(p.startText), value) << p.option;
    EXPECT_LE(p.bar->minimum, p.bar->start);
    EXPECT_LE(p.bar->start, p.bar->maximum);
  }
}

TEST(Parameters, DefaultTextsAreTheStartTextsFieldByField) {
  const ParameterTexts texts;
  for (const ParameterFacts& p : kParameters) EXPECT_EQ(texts.*p.text, p.startText) << p.option;
}

// Names and options are unique, so that every lookup by one of them finds one parameter; only
// the radial step has no scroll bar.
TEST(Parameters, NamesAndOptionsAreUnique) {
  std::set<std::string> seen;
  int withoutBar = 0;
  for (const ParameterFacts& p : kParameters) {
    for (const char* name : {p.name, p.option}) EXPECT_TRUE(seen.insert(name).second) << name;
    EXPECT_EQ(ParameterByOption(p.option), &p);
    if (!p.bar) {
      ++withoutBar;
      EXPECT_EQ(p.text, &ParameterTexts::dR);
    }
  }
  EXPECT_EQ(withoutBar, 1);
  EXPECT_EQ(ParameterByOption("--delt"), nullptr);
  EXPECT_EQ(ParameterByOption("delta"), nullptr);
}

// The thickness and camber the help names are the section table's keys: from its first row's
// to its last row's, in the step between neighbouring keys; every scroll-bar position of the two
// lands on a key of the table.
TEST(Parameters, HelpNamesTheTablesKeys) {
  FlowState st;
  LoadInitialisation(st);
  ASSERT_GT(st.nTable, 1);
  const auto rows = static_cast<std::size_t>(st.nTable);
  struct Axis {
    const ParameterFacts& p;
    const std::vector<double>& keys;
  };
  for (const Axis a :
       {Axis{kParameters[kDelta], st.TabDelta}, Axis{kParameters[kGama], st.TabGama}}) {
    std::set<double> keys(a.keys.begin() + 1, a.keys.begin() + static_cast<long>(rows) + 1);
    EXPECT_EQ(a.p.values.kind, HelpValues::kMultiples) << a.p.option;
    EXPECT_EQ(a.p.values.low, *keys.begin()) << a.p.option;
    EXPECT_EQ(a.p.values.high, *keys.rbegin()) << a.p.option;
    EXPECT_EQ(a.p.values.step, *std::next(keys.begin())) << a.p.option;
    for (int position = a.p.bar->minimum; position <= a.p.bar->maximum; ++position) {
      EXPECT_TRUE(keys.contains(position / a.p.bar->divisor)) << a.p.option << " " << position;
    }
  }
  EXPECT_EQ(OptionHelp(kParameters[kDelta]),
            "relative thickness, a multiple of 0.01 from 0 to 0.3");
  EXPECT_EQ(OptionHelp(kParameters[kKMax]), "index of the last streamline, 2 to 20");
  EXPECT_EQ(OptionHelp(kParameters[kDR]), "radial marching step of the solver, > 0");
  EXPECT_EQ(OptionHelp(kParameters[kAlfa]), "angle of attack in degrees");
}

}  // namespace
}  // namespace jouk
