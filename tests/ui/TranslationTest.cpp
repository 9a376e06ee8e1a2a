// The window's translations: the language the locale chooses, the German and Turkish texts of the
// window, English byte for byte without a translation, Qt's own texts in the same language, and
// every label fitting its place with each language's texts.
#include <QAction>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTranslator>
#include <QtTest>
#include <clocale>
#include <cstdio>

#include "model/Aerodynamics.hpp"
#include "model/Messages.hpp"
#include "tests/ui/UiTestSupport.hpp"
#include "ui/Form1.hpp"
#include "ui/Form_About.hpp"
#include "ui/Form_Lift.hpp"
#include "ui/ModelText.hpp"
#include "ui/Translations.hpp"

namespace {

// A main window whose rejection messages are collected instead of shown in a box.
struct Window : CollectingWindow {
  // START with the start texts but one; returns the last message, if any.
  QString startWith(std::string jouk::ParameterTexts::*field, const char* text) {
    jouk::ParameterTexts texts;
    texts.*field = text;
    messages.clear();
    StartWithTexts(form, texts);
    return messages.isEmpty() ? QString() : messages.back();
  }
};

// What is wrong with how the label shows its text, or an empty text when nothing is cut: a
// one-line caption fits the label's width, a wrapping one fits width and height once wrapped.
QString Clipping(const QLabel& label) {
  const QRect room = label.contentsRect();
  const QFontMetrics metrics(label.font());
  const QString name = label.objectName() + QStringLiteral(" '") + label.text() + '\'';
  if (label.wordWrap()) {
    const QRect needed =
        metrics.boundingRect(QRect(0, 0, room.width(), 10000), Qt::TextWordWrap, label.text());
    if (needed.width() > room.width() || needed.height() > room.height()) {
      return QStringLiteral("%1 needs %2×%3 of %4×%5")
          .arg(name)
          .arg(needed.width())
          .arg(needed.height())
          .arg(room.width())
          .arg(room.height());
    }
  } else if (metrics.horizontalAdvance(label.text()) > room.width()) {
    return QStringLiteral("%1 needs %2 of %3")
        .arg(name)
        .arg(metrics.horizontalAdvance(label.text()))
        .arg(room.width());
  }
  return {};
}

// Where the label's text stands in its parent: the label's own box may reach a pixel into the
// text box beside it (the layout's twips round so), its text must not.
QRect TextRect(const QLabel& label) {
  const QRect room = label.contentsRect().translated(label.pos());
  const QFontMetrics metrics(label.font());
  if (label.wordWrap()) {
    const QRect needed =
        metrics.boundingRect(QRect(0, 0, room.width(), 10000), Qt::TextWordWrap, label.text());
    return QRect(room.topLeft(), needed.size());
  }
  return QRect(room.left(), room.top(), metrics.horizontalAdvance(label.text()), metrics.height());
}

bool SameRow(const QRect& a, const QRect& b) {
  return a.top() <= b.bottom() && b.top() <= a.bottom();
}

}  // namespace

class TranslationTest : public QObject {
  Q_OBJECT

 private slots:
  // Run first, before any test sets a default locale: the ctest entries with LANG=de_DE.UTF-8,
  // tr_TR.UTF-8 and fr_FR.UTF-8 say which language main()'s call must then load. They make the
  // C library's locale of that name too (LOCPATH), as a desktop has it.
  void systemLocaleChoosesTheLanguage() {
    if (!qEnvironmentVariableIsSet("JOUK_EXPECTED_LANGUAGE")) {
      QSKIP("needs the LANG and JOUK_EXPECTED_LANGUAGE of its ctest entries");
    }
    // QApplication took the C library's locale from LANG: German, Turkish and French write a
    // decimal comma.
    QCOMPARE(QByteArray(std::localeconv()->decimal_point), QByteArray(","));
    const QString expected = qEnvironmentVariable("JOUK_EXPECTED_LANGUAGE");
    QCOMPARE(SetUpLanguage(), expected);
    QCOMPARE(InstalledLanguage(), expected);
    // The numbers of the saved files keep their point.
    char number[32];
    std::snprintf(number, sizeof number, "%.17g", 0.5);
    QCOMPARE(QByteArray(number), QByteArray("0.5"));
    const QString caption = Form1().windowTitle();
    QCOMPARE(caption == QStringLiteral("Streamlines around Joukowsky airfoil"), expected.isEmpty());
  }

  void cleanup() {
    QLocale::setDefault(QLocale::system());
    InstallTranslations(QLocale::c());
  }

  void localeChoosesTheLanguage_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("language");
    QTest::newRow("de_DE") << "de_DE"
                           << "de";
    QTest::newRow("de_AT") << "de_AT"
                           << "de";  // a country without its own file takes the language's
    QTest::newRow("tr_TR") << "tr_TR"
                           << "tr";
    QTest::newRow("fr_FR") << "fr_FR" << QString();
    QTest::newRow("en_US") << "en_US" << QString();
    QTest::newRow("C") << "C" << QString();
  }
  void localeChoosesTheLanguage() {
    QFETCH(QString, locale);
    QFETCH(QString, language);
    // Another language is installed first: the choice replaces it, or removes it for English.
    QCOMPARE(InstallTranslations(QLocale(QStringLiteral("tr_TR"))), QStringLiteral("tr"));
    QLocale::setDefault(QLocale(locale));
    QCOMPARE(InstallTranslations(), language);  // the call main() makes
    QCOMPARE(InstalledLanguage(), language);
    const QString stop = Child<QPushButton>(Form1(), "Command_STOP")->text();
    const QString expected = language == QLatin1String("de")   ? QStringLiteral("ANHALTEN")
                             : language == QLatin1String("tr") ? QStringLiteral("DUR")
                                                               : QStringLiteral("STOP");
    QCOMPARE(stop, expected);
  }

  void windowSpeaksTheLanguage_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QStringList>("main");     // caption, About item, START, STOP, Label4, Label6
    QTest::addColumn<QString>("description");  // of the angle of attack's controls
    QTest::addColumn<QStringList>("rejections");  // Scale 0, nSL 1, δ 1e999
    QTest::addColumn<QString>("note");            // α "5,5"
    QTest::addColumn<QStringList>("about");       // title, Label2, Label8
    QTest::addColumn<QStringList>("lift");        // hint, failure, menu item
    // English, byte for byte as the program has always shown it.
    QTest::newRow("en") << "en_US" << QStringList{"Streamlines around Joukowsky airfoil",
                                                  "About",
                                                  "START",
                                                  "STOP",
                                                  "Scale =",
                                                  "Kutta condition"}
                        << "Angle of attack (degrees)"
                        << QStringList{"Scale must be a positive number.",
                                       "nSL must be a number from 2 to 20.", "δ is too large."}
                        << "Read as 5: use a point as the decimal separator"
                        << QStringList{"About", "Streamlines around Joukowsky airfoil",
                                       "last update : December 2014"}
                        << QStringList{
                               "Press START to compute the flow; its lift and pressure show here.",
                               "The lift could not be computed: No flow has been computed yet.",
                               "Lift and pressure…"};
    QTest::newRow("de") << "de_DE" << QStringList{"Stromlinien um ein Joukowsky-Profil",
                                                  "Über",
                                                  "STARTEN",
                                                  "ANHALTEN",
                                                  "Skala =",
                                                  "Kutta-Faktor"}
                        << "Anstellwinkel (Grad)"
                        << QStringList{"Skala muss eine positive Zahl sein.",
                                       "nSL muss eine Zahl von 2 bis 20 sein.", "δ ist zu groß."}
                        << "Gelesen als 5: Bitte einen Punkt als Dezimaltrennzeichen verwenden"
                        << QStringList{"Über", "Stromlinien um ein Joukowsky-Profil",
                                       "letzte Änderung: Dezember 2014"}
                        << QStringList{
                               "Drücken Sie STARTEN, um die Strömung zu berechnen; ihr "
                               "Auftrieb und Druck erscheinen hier.",
                               "Der Auftrieb ließ sich nicht berechnen: Es wurde noch "
                               "keine Strömung berechnet.",
                               "Auftrieb und Druck…"};
    QTest::newRow("tr") << "tr_TR"
                        << QStringList{"Joukowsky kanat profili etrafında akım çizgileri",
                                       "Hakkında",
                                       "BAŞLA",
                                       "DUR",
                                       "Ölçek =",
                                       "Kutta koşulu"}
                        << "Hücum açısı (derece)"
                        << QStringList{"Ölçek pozitif bir sayı olmalıdır.",
                                       "nSL, 2 ile 20 arasında bir sayı olmalıdır.", "δ çok büyük."}
                        << "5 olarak okundu: ondalık ayırıcı olarak nokta kullanın"
                        << QStringList{"Hakkında",
                                       "Joukowsky kanat profili etrafında akım çizgileri",
                                       "son güncelleme: Aralık 2014"}
                        << QStringList{
                               "Akışı hesaplamak için BAŞLA düğmesine basın; kaldırma ve "
                               "basınç burada görünür.",
                               "Kaldırma hesaplanamadı: Henüz bir akış hesaplanmadı.",
                               "Kaldırma ve basınç…"};
  }
  void windowSpeaksTheLanguage() {
    QFETCH(QString, locale);
    QFETCH(QStringList, main);
    QFETCH(QString, description);
    QFETCH(QStringList, rejections);
    QFETCH(QString, note);
    QFETCH(QStringList, about);
    QFETCH(QStringList, lift);
    InstallTranslations(QLocale(locale));

    Window w;
    QCOMPARE(w.form.windowTitle(), main[0]);
    QCOMPARE(w.form.menuBar()->actions().value(0)->text(), main[1]);
    QCOMPARE(Child<QPushButton>(w.form, "Command_START")->text(), main[2]);
    QCOMPARE(Child<QPushButton>(w.form, "Command_STOP")->text(), main[3]);
    QCOMPARE(Child<QLabel>(w.form, "Label4")->text(), main[4]);
    QCOMPARE(Child<QLabel>(w.form, "Label6")->text(), main[5]);
    QCOMPARE(Child<QScrollBar>(w.form, "HScroll_Alfa")->accessibleName(), description);
    QCOMPARE(Child<QLineEdit>(w.form, "Text_Alfa")->accessibleName(), description);

    // Rejections name the parameter in the language too; the last one is the name of a Greek
    // letter, the same in every language.
    QCOMPARE(w.startWith(&jouk::ParameterTexts::Olcek, "0"), rejections[0]);
    QCOMPARE(w.startWith(&jouk::ParameterTexts::kMax, "1"), rejections[1]);
    QCOMPARE(w.startWith(&jouk::ParameterTexts::Delta, "-1e999"), rejections[2]);
    QCOMPARE(w.startWith(&jouk::ParameterTexts::Alfa, "5,5"), QString());
    QCOMPARE(Child<QLineEdit>(w.form, "Text_Alfa")->toolTip(), note);

    Form_About aboutWindow;
    QCOMPARE(aboutWindow.windowTitle(), about[0]);
    QCOMPARE(Child<QLabel>(aboutWindow, "Label2")->text(), about[1]);
    QCOMPARE(Child<QLabel>(aboutWindow, "Label8")->text(), about[2]);
    // Names are not translated.
    QCOMPARE(Child<QLabel>(aboutWindow, "Label1")->text(), QStringLiteral("VozuvadirAvevuze"));

    Form_Lift liftWindow;
    QCOMPARE(Child<QLabel>(liftWindow, "Label_Note")->text(), lift[0]);
    // The hint names the button as the main window shows it.
    QVERIFY(lift[0].contains(
        QRegularExpression(QStringLiteral("\\b%1\\b").arg(QRegularExpression::escape(main[2])))));
    jouk::LiftAndPressure failed;
    jouk::FlowState empty;
    failed = jouk::ComputeLiftAndPressure(empty);  // the model's own error text
    QVERIFY(!failed.ok);
    liftWindow.ShowResult(failed);
    QCOMPARE(Child<QLabel>(liftWindow, "Label_Note")->text(), lift[1]);
    QCOMPARE(Child<QAction>(w.form, "Mn_Lift")->text(), lift[2]);
  }

  // Without an id the English message is shown as it is; with one, its translation.
  void rejectionWithoutIdStaysAsItIs() {
    InstallTranslations(QLocale(QStringLiteral("de_DE")));
    jouk::RecomputeStatus status;
    status.ok = false;
    status.message = "Some reason.";
    QCOMPARE(RejectionText(status), QStringLiteral("Some reason."));
    status.id = jouk::MessageId::kOutOfMemory;
    QCOMPARE(RejectionText(status),
             QStringLiteral("Nicht genug Speicher, um die Stromlinien zu berechnen."));
    jouk::LiftAndPressure failed;
    failed.error = "An error the model never gives.";
    QCOMPARE(LiftErrorText(failed), QStringLiteral("An error the model never gives."));
  }

  // Every id of the model's message table has a finished, non-empty text in every language,
  // with the places of its English text, and the window shows that text for the id.
  void everyModelMessageInEveryLanguage_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("file");  // the compiled translation; none for English
    QTest::newRow("en") << "en_US" << QString();
    QTest::newRow("de") << "de_DE"
                        << "joukowsky_de.qm";
    QTest::newRow("tr") << "tr_TR"
                        << "joukowsky_tr.qm";
  }
  void everyModelMessageInEveryLanguage() {
    QFETCH(QString, locale);
    QFETCH(QString, file);
    QTranslator translator;
    if (!file.isEmpty()) {
      QVERIFY(translator.load(QString::fromLatin1(kTranslationsFolder) + '/' + file));
    }
    InstallTranslations(QLocale(locale));
    static const QRegularExpression mark(QStringLiteral("%[1-9]"));
    const auto places = [](const QString& text) {
      QStringList found;
      for (auto it = mark.globalMatch(text); it.hasNext();) found << it.next().captured();
      found.sort();
      return found;
    };
    for (std::size_t k = 0; k < jouk::kMessageCount; ++k) {
      const auto id = static_cast<jouk::MessageId>(k);
      const jouk::MessageText& m = jouk::Message(id);
      const QString english = QString::fromUtf8(m.english);
      // A translator gives an empty text for what it does not hold.
      const QString text = file.isEmpty() ? english : translator.translate(m.context, m.english);
      const QString where = QString::fromLatin1(m.context) + QStringLiteral(": ") + english;
      QVERIFY2(!text.isEmpty(), qPrintable(where));
      QVERIFY2(places(text) == places(english), qPrintable(where + QStringLiteral(" → ") + text));
      QCOMPARE(ModelMessage(id), text);
    }
    // The places are filled in one pass: a place's own mark stays as it is.
    QCOMPARE(ModelMessage(jouk::MessageId::kTooLarge, {QStringLiteral("%2"), QStringLiteral("x")})
                 .count(QStringLiteral("%2")),
             1);
  }

  void qtsOwnTextsFollow_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("cancel");
    QTest::newRow("de") << "de_DE"
                        << "Abbrechen";
    QTest::newRow("tr") << "tr_TR"
                        << "İptal";
  }
  void qtsOwnTextsFollow() {
    QFETCH(QString, locale);
    QFETCH(QString, cancel);
    const QString language = locale.left(2);
    if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) +
                       QStringLiteral("/qtbase_%1.qm").arg(language))) {
      QSKIP("Qt's translations are not installed (package qt6-translations-l10n)");
    }
    QCOMPARE(InstallTranslations(QLocale(locale)), language);
    QVERIFY(QtTranslationInstalled());
    // The button text of message boxes and file dialogs.
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), cancel);
    QCOMPARE(InstallTranslations(QLocale(QStringLiteral("fr_FR"))), QString());
    QVERIFY(!QtTranslationInstalled());
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
  }

  void labelsFitInEveryLanguage_data() {
    QTest::addColumn<QString>("locale");
    QTest::newRow("en") << "en_US";
    QTest::newRow("de") << "de_DE";
    QTest::newRow("tr") << "tr_TR";
  }
  void labelsFitInEveryLanguage() {
    QFETCH(QString, locale);
    InstallTranslations(QLocale(locale));
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    for (std::size_t k = 0; k < jouk::kParameterCount; ++k) {
      const jouk::ParameterControls row = jouk::ControlsOf(k);
      const auto* label = Child<QLabel>(form, row.label.name);
      const auto* box = Child<QLineEdit>(form, row.textBox.name);
      const QString problem = Clipping(*label);
      QVERIFY2(problem.isEmpty(), qPrintable(problem));
      // Fitted without shrinking to an unreadable size: "Kutta-Faktor" breaks at its hyphen.
      QVERIFY2(label->font().pointSizeF() >= 7.75, qPrintable(label->objectName()));
      const QRect text = TextRect(*label);
      const QString where = label->objectName() + QStringLiteral(" text at ") +
                            QString::number(text.left()) + ".." + QString::number(text.right());
      // Left of its own text box, on the same row.
      QVERIFY2(SameRow(text, box->geometry()), qPrintable(where));
      QVERIFY2(text.right() < box->geometry().left(), qPrintable(where));
      // Label and text inside the frame's border line, the text over no other control.
      const auto* frame = qobject_cast<const QGroupBox*>(label->parentWidget());
      QVERIFY(frame != nullptr);
      const QRect inside = frame->rect().adjusted(2, 2, -2, -2);
      QVERIFY2(inside.contains(label->geometry()) && inside.contains(text), qPrintable(where));
      for (const QWidget* other : frame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (other == label || !other->isVisible()) continue;
        const auto* otherLabel = qobject_cast<const QLabel*>(other);
        const QRect taken = otherLabel != nullptr ? TextRect(*otherLabel) : other->geometry();
        QVERIFY2(!taken.intersects(text),
                 qPrintable(where + QStringLiteral(" covers ") + other->objectName()));
      }
    }
    for (const char* name : {"Command_START", "Command_STOP"}) {
      const auto* button = Child<QPushButton>(form, name);
      // The caption with room for the button's bevel on both sides.
      QVERIFY2(
          QFontMetrics(button->font()).horizontalAdvance(button->text()) + 8 <= button->width(),
          name);
    }
    const QMenuBar* bar = form.menuBar();
    QVERIFY(bar->actionGeometry(bar->actions().value(0)).right() < bar->width());

    Form_About about;
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    const QList<QLabel*> labels = about.findChildren<QLabel*>();
    QCOMPARE(labels.size(), 6);
    for (const QLabel* label : labels) {
      const QString problem = Clipping(*label);
      QVERIFY2(problem.isEmpty(), qPrintable(problem));
      QVERIFY2(about.rect().contains(label->geometry()), qPrintable(label->objectName()));
    }
  }
};

QTEST_MAIN(TranslationTest)
#include "TranslationTest.moc"
