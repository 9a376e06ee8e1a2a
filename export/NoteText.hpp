// A reading note as a sentence for the user, in the language of the installed translation
// (English without one), e.g. "Read as 0: use a point as the decimal separator".
#pragma once

#include <QString>

#include "model/ReadingNotes.hpp"

namespace jouk {

QString NoteText(const ReadingNote& note);

}  // namespace jouk
