#include "ui/ModelText.hpp"

#include <QCoreApplication>
#include <QRegularExpression>

#include "export/TranslatedMessage.hpp"

namespace {

QString Translate(const char* context, const char* text) {
  return QCoreApplication::translate(context, text);
}

}  // namespace

QString ParameterLabel(const jouk::ParameterSpec& p) {
  return Translate("ParameterLabel", p.label);
}

QString ParameterName(const jouk::ParameterSpec& p) {
  return Translate("ParameterName", p.name);
}

QString ParameterDescription(const jouk::ParameterSpec& p) {
  return Translate("ParameterDescription", p.description);
}

QString ModelMessage(jouk::MessageId id, const QStringList& places) {
  const QString text = jouk::TranslatedMessage(id);
  // "%1" … "%9" replaced in one pass, so a place's own "%2" stays as it is; a mark without a
  // place stays too (arg() would warn about the places it misses).
  static const QRegularExpression mark(QStringLiteral("%([1-9])"));
  QString out;
  qsizetype from = 0;
  for (auto it = mark.globalMatch(text); it.hasNext();) {
    const QRegularExpressionMatch m = it.next();
    const qsizetype place = m.captured(1).toInt() - 1;
    if (place >= places.size()) continue;
    out += QStringView(text).mid(from, m.capturedStart() - from);
    out += places[place];
    from = m.capturedEnd();
  }
  out += QStringView(text).mid(from);
  return out;
}

QString RejectionText(const jouk::RecomputeStatus& status) {
  if (!status.id) return QString::fromStdString(status.message);
  QStringList places;
  if (status.parameter && *status.parameter < jouk::kParameterCount) {
    places << ParameterName(jouk::kParameters[*status.parameter]);
  }
  return ModelMessage(*status.id, places);
}

QString LiftErrorText(const jouk::LiftAndPressure& result) {
  if (!result.errorId) return QString::fromStdString(result.error);
  QStringList places;
  for (const std::string& place : result.errorPlaces) places << QString::fromStdString(place);
  return ModelMessage(*result.errorId, places);
}
