#include "export/NoteText.hpp"

#include "export/TranslatedMessage.hpp"

namespace jouk {

QString NoteText(const ReadingNote& note) {
  return TranslatedText(NoteMessage(note));
}

}  // namespace jouk
