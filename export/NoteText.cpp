#include "export/NoteText.hpp"

#include <QCoreApplication>

#include "model/NumberText.hpp"
#include "model/ShownText.hpp"

namespace jouk {

namespace {

QString Number(double value) {
  return QString::fromStdString(NumberToText(value));
}

}  // namespace

QString NoteText(const ReadingNote& note) {
  if (note.kind == ReadingNote::kNotInTable) {
    const QString miss = QCoreApplication::translate(
                             "ReadingNote",
                             "δ %1 with γ %2 is not in the section table (δ 0 to 0.3 and γ 0 to "
                             "0.15 in steps of 0.01); %3")
                             .arg(Number(note.delta), Number(note.gamma));
    return miss.arg(
        note.flatPlate
            ? QCoreApplication::translate("ReadingNote",
                                          "the flat plate (δ 0, γ 0) is computed instead")
            : QCoreApplication::translate("ReadingNote", "the previous section is kept"));
  }
  const NumberReading& r = note.reading;
  if (!r.hasNumber) {
    return r.rest.empty()
               ? QCoreApplication::translate("ReadingNote", "Read as 0: the box is empty")
               : QCoreApplication::translate("ReadingNote",
                                             "Read as 0: the text does not start with a number");
  }
  if (r.rest.front() == ',') {
    return QCoreApplication::translate("ReadingNote",
                                       "Read as %1: use a point as the decimal separator")
        .arg(Number(r.value));
  }
  return QCoreApplication::translate("ReadingNote",
                                     "Read as %1: the text after the number (\"%2\") is not read")
      .arg(Number(r.value), QString::fromStdString(ShownText(r.rest, 20)));
}

}  // namespace jouk
