// The parameter table: the facts derived from it agree with each other.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "model/NumberText.hpp"
#include "model/Parameters.hpp"
#include "model/Recompute.hpp"

namespace jouk {
namespace {

// A scroll bar's start position writes exactly the start text into its box, and that text reads
// back as the bar's value: the window opens showing what its scroll bars would write.
TEST(Parameters, StartTextsAreTheTextFormOfTheScrollBarStarts) {
  for (const ParameterSpec& p : kParameters) {
    if (*p.bar.control.name == '\0') continue;
    const double value = p.bar.start / p.bar.divisor;
    EXPECT_EQ(NumberToText(value), p.startText) << p.bar.control.name;
    EXPECT_EQ(TextToNumber(p.startText), value) << p.bar.control.name;
    EXPECT_LE(p.bar.minimum, p.bar.start);
    EXPECT_LE(p.bar.start, p.bar.maximum);
  }
}

TEST(Parameters, DefaultTextsAreTheStartTextsFieldByField) {
  const ParameterTexts texts;
  for (const ParameterSpec& p : kParameters) EXPECT_EQ(texts.*p.text, p.startText) << p.option;
}

// Names, options, controls and tab positions are unique, so that every lookup by one of them
// finds one parameter; only the radial step has no scroll bar.
TEST(Parameters, NamesOptionsAndControlsAreUnique) {
  std::set<std::string> seen;
  std::set<int> tabs;
  int withoutBar = 0;
  for (const ParameterSpec& p : kParameters) {
    for (const char* name : {p.name, p.option, p.labelControl.name, p.textBox.name}) {
      EXPECT_TRUE(seen.insert(name).second) << name;
    }
    EXPECT_EQ(ParameterByOption(p.option), &p);
    EXPECT_TRUE(tabs.insert(p.textBox.tabIndex).second) << p.textBox.name;
    if (*p.bar.control.name == '\0') {
      ++withoutBar;
      EXPECT_EQ(p.text, &ParameterTexts::dR);
    } else {
      EXPECT_TRUE(seen.insert(p.bar.control.name).second) << p.bar.control.name;
      EXPECT_TRUE(tabs.insert(p.bar.control.tabIndex).second) << p.bar.control.name;
    }
  }
  EXPECT_EQ(withoutBar, 1);
  EXPECT_EQ(ParameterByOption("--delt"), nullptr);
  EXPECT_EQ(ParameterByOption("delta"), nullptr);
}

}  // namespace
}  // namespace jouk
