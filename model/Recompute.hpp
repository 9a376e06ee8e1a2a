// The recompute pipeline: from the eight parameter texts to the turned streamline points.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "model/Mdl_Common.hpp"
#include "model/Messages.hpp"
#include "model/Parameters.hpp"

namespace jouk {

// Outcome of a recompute: ok, or the reason the parameter set was rejected.
struct RecomputeStatus {
  bool ok = true;
  std::string
      message;  // for a rejection, in English: names the parameter by its label and the rule
  // The same reason for a translation: the text's id, and the parameter whose name (context
  // "ParameterName") fills its "%1" when the text has one. The message above is the id's English
  // text with the English name put in.
  std::optional<MessageId> id;
  std::optional<std::size_t> parameter;  // index in kParameters
};

// Reads the texts, looks up the section, solves the circle-plane flow, maps it to the airfoil
// plane and turns it by the angle of attack. A parameter set that cannot be solved is rejected
// before anything is written: the store is then exactly as it was.
RecomputeStatus Recompute(FlowState& st, const ParameterTexts& texts) noexcept;

// Why a rejected recompute refused its texts, in words: the status's message with the parameter's
// name (translated in its context) as its place; the English message alone when the status
// carries no id.
FilledMessage RejectionMessage(const RecomputeStatus& status);

}  // namespace jouk
