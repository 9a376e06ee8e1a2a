#include "ui/ModelText.hpp"

#include <QCoreApplication>
#include <string>
#include <vector>

#include "export/TranslatedMessage.hpp"

namespace {

QString Translate(const char* context, const char* text) {
  return QCoreApplication::translate(context, text);
}

}  // namespace

QString ParameterLabel(const jouk::ParameterFacts& p) {
  return Translate("ParameterLabel", p.label);
}

QString ParameterName(const jouk::ParameterFacts& p) {
  return Translate("ParameterName", p.name);
}

QString ParameterDescription(const jouk::ParameterFacts& p) {
  return Translate("ParameterDescription", p.description);
}

QString ModelMessage(jouk::MessageId id, const QStringList& places) {
  std::vector<std::string> filled;
  for (const QString& place : places) filled.push_back(place.toStdString());
  return QString::fromStdString(
      jouk::FillPlaces(jouk::TranslatedMessage(id).toStdString(), filled));
}

QString RejectionText(const jouk::RecomputeStatus& status) {
  return jouk::TranslatedText(jouk::RejectionMessage(status));
}

QString LiftErrorText(const jouk::LiftAndPressure& result) {
  if (!result.errorId) return QString::fromStdString(result.error);
  QStringList places;
  for (const std::string& place : result.errorPlaces) places << QString::fromStdString(place);
  return ModelMessage(*result.errorId, places);
}
