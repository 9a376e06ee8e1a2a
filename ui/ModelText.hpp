// The model's texts for the user in the language of the installed translation (English without
// one). The model marks them with QT_TRANSLATE_NOOP under the contexts used here.
#pragma once

#include <QString>
#include <string>

#include "model/Parameters.hpp"
#include "model/Recompute.hpp"

// The caption of the parameter's label ("δ =", "Scale =").
QString ParameterLabel(const jouk::ParameterSpec& p);

// The parameter's name as messages give it ("Scale").
QString ParameterName(const jouk::ParameterSpec& p);

// What the parameter is, for its controls' accessible names.
QString ParameterDescription(const jouk::ParameterSpec& p);

// Why a recompute rejected its parameters: the translated template with the translated name put
// in; the English message when the status carries no template.
QString RejectionText(const jouk::RecomputeStatus& status);

// An error of the lift and pressure computation (an English text of the model).
QString LiftErrorText(const std::string& error);
