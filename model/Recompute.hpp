// The recompute pipeline: from the eight parameter texts to the turned streamline points.
#pragma once

#include <string>

#include "model/Mdl_Common.hpp"
#include "model/Parameters.hpp"

namespace jouk {

// Outcome of a recompute: ok, or the reason the parameter set was rejected.
struct RecomputeStatus {
  bool ok = true;
  std::string message;  // for a rejection: names the parameter by its label and the rule
  // The same reason for a translation: the English template (context "Recompute"), where "%1"
  // stands for the parameter's name (context "ParameterName") when parameterName is set. The
  // message above is the template with the English name put in.
  const char* messageTemplate = nullptr;
  const char* parameterName = nullptr;
};

// Reads the texts, looks up the section, solves the circle-plane flow, maps it to the airfoil
// plane and turns it by the angle of attack. A parameter set that cannot be solved is rejected
// before anything is written: the store is then exactly as it was.
RecomputeStatus Recompute(FlowState& st, const ParameterTexts& texts) noexcept;

}  // namespace jouk
