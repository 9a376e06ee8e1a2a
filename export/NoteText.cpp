#include "export/NoteText.hpp"

#include "export/TranslatedMessage.hpp"
#include "model/NumberText.hpp"
#include "model/SectionGrid.hpp"
#include "model/ShownText.hpp"

namespace jouk {

namespace {

QString Number(double value) {
  return QString::fromStdString(NumberToText(value));
}

// The note on a thickness and camber pair that is not a row of the table, with the grid the table
// covers.
QString TableMissText(const ReadingNote& note) {
  const QString miss =
      TranslatedMessage(MessageId::kNotInTable)
          .arg(Number(note.delta), Number(note.gamma), Number(GridKey(0)),
               Number(kLargestThickness), Number(kLargestCamber), Number(kGridStep));
  return miss.arg(TranslatedMessage(note.flatPlate ? MessageId::kFlatPlateComputed
                                                   : MessageId::kPreviousSectionKept));
}

}  // namespace

QString NoteText(const ReadingNote& note) {
  if (note.kind == ReadingNote::kNotInTable) return TableMissText(note);
  const NumberReading& r = note.reading;
  if (!r.hasNumber) {
    return TranslatedMessage(r.rest.empty() ? MessageId::kReadEmpty : MessageId::kReadNoNumber);
  }
  if (r.rest.front() == ',') return TranslatedMessage(MessageId::kReadComma).arg(Number(r.value));
  return TranslatedMessage(MessageId::kReadRest)
      .arg(Number(r.value), QString::fromStdString(ShownText(r.rest, 20)));
}

}  // namespace jouk
