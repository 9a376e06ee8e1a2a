#include "ui/Translations.hpp"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <clocale>
#include <memory>

namespace {

// Object names that mark the translators this file installs, as children of the application.
constexpr char kOwnName[] = "jouk-translation";
constexpr char kQtName[] = "jouk-qt-translation";

QTranslator* Installed(const char* name) {
  QCoreApplication* app = QCoreApplication::instance();
  return app == nullptr
             ? nullptr
             : app->findChild<QTranslator*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
}

void Remove(const char* name) {
  while (QTranslator* translator = Installed(name)) {
    QCoreApplication::removeTranslator(translator);
    delete translator;  // a child of the application, which forgets it
  }
}

// Hands the loaded translator to the application, which owns and consults it from now on.
void Install(std::unique_ptr<QTranslator> translator, const char* name) {
  translator->setObjectName(QString::fromLatin1(name));
  translator->setParent(QCoreApplication::instance());
  QCoreApplication::installTranslator(translator.release());
}

}  // namespace

QString InstallTranslations(const QLocale& locale) {
  if (QCoreApplication::instance() == nullptr) return {};
  Remove(kQtName);
  Remove(kOwnName);
  auto own = std::make_unique<QTranslator>();
  // Tries joukowsky_de_DE.qm, then joukowsky_de.qm, for each of the locale's languages in turn.
  if (!own->load(locale, QStringLiteral("joukowsky"), QStringLiteral("_"),
                 QString::fromLatin1(kTranslationsFolder))) {
    return {};
  }
  const QString language = own->language();
  Install(std::move(own), kOwnName);
  // Qt's texts (the buttons of message boxes and file dialogs) in the same language, not in
  // whichever other language of the locale Qt happens to have.
  auto qt = std::make_unique<QTranslator>();
  if (qt->load(QLocale(language), QStringLiteral("qtbase"), QStringLiteral("_"),
               QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    Install(std::move(qt), kQtName);
  }
  return language;
}

QString SetUpLanguage() {
  std::setlocale(LC_NUMERIC, "C");
  return InstallTranslations();
}

QString InstalledLanguage() {
  const QTranslator* own = Installed(kOwnName);
  return own != nullptr ? own->language() : QString();
}

bool QtTranslationInstalled() {
  return Installed(kQtName) != nullptr;
}
