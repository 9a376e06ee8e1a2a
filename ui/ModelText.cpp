#include "ui/ModelText.hpp"

#include <QCoreApplication>

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

QString RejectionText(const jouk::RecomputeStatus& status) {
  if (status.messageTemplate == nullptr) return QString::fromStdString(status.message);
  const QString text = Translate("Recompute", status.messageTemplate);
  // arg() on a text without "%1" would warn; a translation keeps the place of the name.
  if (status.parameterName == nullptr || !text.contains(QLatin1String("%1"))) return text;
  return text.arg(Translate("ParameterName", status.parameterName));
}

QString LiftErrorText(const std::string& error) {
  return Translate("LiftError", error.c_str());
}
