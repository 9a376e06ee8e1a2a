#include "export/TranslatedMessage.hpp"

#include <QCoreApplication>

namespace jouk {

QString TranslatedMessage(MessageId id) {
  const MessageText& text = Message(id);
  return QCoreApplication::translate(text.context, text.english);
}

}  // namespace jouk
