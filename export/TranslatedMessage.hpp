// A text of the model's message table (model/Messages.hpp) in the language of the installed
// translation, English without one; its places "%1", "%2", … are left for the caller to fill.
#pragma once

#include <QString>

#include "model/Messages.hpp"

namespace jouk {

QString TranslatedMessage(MessageId id);

// A filled message in the language of the installed translation: its text and every place that
// has a context translated, the places put in in one pass.
QString TranslatedText(const FilledMessage& message);

}  // namespace jouk
