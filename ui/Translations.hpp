// The window's language: the program's own translation and Qt's, chosen by the locale. English,
// the language of the sources, needs no translation.
#pragma once

#include <QLocale>
#include <QString>

// The folder of the resources the program's translations (joukowsky_de.qm, …) are compiled into.
inline constexpr char kTranslationsFolder[] = ":/i18n";

// Installs the program's translation for the first of the locale's languages that has one, and
// Qt's own (qtbase, from the system's Qt translations, when they are there) for the same
// language, after removing those an earlier call installed. QLocale() is the system's locale
// (LC_ALL, LC_MESSAGES, LANG) unless QLocale::setDefault changed it. Returns the language of the
// loaded translation ("de", "tr"), or an empty text when the program stays English. Needs a
// QCoreApplication; without one nothing is installed.
QString InstallTranslations(const QLocale& locale = QLocale());

// What the program does once its QApplication exists: puts the C library's number format back
// to "C" (QApplication took it from the environment, where German or Turkish write 0,5, and the
// files the window saves print their numbers with the C library), then installs the translations
// for the system's locale. Returns the language loaded, as InstallTranslations does.
QString SetUpLanguage();

// The language InstallTranslations last loaded, or an empty text for English.
QString InstalledLanguage();

// Whether Qt's own translation is installed along with the program's.
bool QtTranslationInstalled();
