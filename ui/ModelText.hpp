// The model's texts for the user in the language of the installed translation (English without
// one): the parameters' texts, which the parameter table marks with QT_TRANSLATE_NOOP, and the
// model's messages, which the window finds by their id in the message table (model/Messages.hpp).
#pragma once

#include <QString>
#include <QStringList>

#include "model/Aerodynamics.hpp"
#include "model/Messages.hpp"
#include "model/Parameters.hpp"
#include "model/Recompute.hpp"

// The caption of the parameter's label ("δ =", "Scale =").
QString ParameterLabel(const jouk::ParameterFacts& p);

// The parameter's name as messages give it ("Scale").
QString ParameterName(const jouk::ParameterFacts& p);

// What the parameter is, for its controls' accessible names.
QString ParameterDescription(const jouk::ParameterFacts& p);

// The translated text of id with places[0], places[1], … put into its "%1", "%2", … in one pass.
QString ModelMessage(jouk::MessageId id, const QStringList& places = {});

// Why a recompute rejected its parameters: the translated text of its id with the translated name
// put in; the English message when the status carries no id.
QString RejectionText(const jouk::RecomputeStatus& status);

// Why the lift and pressure could not be computed: the translated text of the result's error id
// with its places put in; the English error when the result carries no id.
QString LiftErrorText(const jouk::LiftAndPressure& result);
