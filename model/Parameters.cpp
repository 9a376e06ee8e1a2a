#include "model/Parameters.hpp"

#include "model/NumberText.hpp"

namespace jouk {

const ParameterFacts* ParameterByOption(std::string_view option) {
  for (const ParameterFacts& p : kParameters) {
    if (option == p.option) return &p;
  }
  return nullptr;
}

std::string OptionHelp(const ParameterFacts& p) {
  const HelpValues& v = p.values;
  std::string help = p.optionHelp;
  switch (v.kind) {
    case HelpValues::kUnstated:
      break;
    case HelpValues::kPositive:
      help += ", > 0";
      break;
    case HelpValues::kWhole:
      help += ", " + NumberToText(v.low) + " to " + NumberToText(v.high);
      break;
    case HelpValues::kMultiples:
      help += ", a multiple of " + NumberToText(v.step) + " from " + NumberToText(v.low) + " to " +
              NumberToText(v.high);
      break;
  }
  return help;
}

}  // namespace jouk
