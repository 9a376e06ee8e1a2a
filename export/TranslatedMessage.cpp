#include "export/TranslatedMessage.hpp"

#include <QCoreApplication>

namespace jouk {

QString TranslatedMessage(MessageId id) {
  const MessageText& text = Message(id);
  return QCoreApplication::translate(text.context, text.english);
}

namespace {

QString Translated(const char* context, const std::string& text) {
  return context != nullptr ? QCoreApplication::translate(context, text.c_str())
                            : QString::fromStdString(text);
}

}  // namespace

QString TranslatedText(const FilledMessage& message) {
  std::vector<std::string> places;
  for (const MessagePlace& p : message.places) {
    places.push_back(Translated(p.context, p.text).toStdString());
  }
  return QString::fromStdString(
      FillPlaces(Translated(message.context, message.text).toStdString(), places));
}

}  // namespace jouk
