#include "export/NoteText.hpp"

#include "export/TranslatedMessage.hpp"

namespace jouk {

QString NoteText(const ReadingNote& note) {
  NoteWords words = WordsOf(note);
  if (words.last) words.places.push_back(TranslatedMessage(*words.last).toStdString());
  return QString::fromStdString(
      FillPlaces(TranslatedMessage(words.id).toStdString(), words.places));
}

}  // namespace jouk
