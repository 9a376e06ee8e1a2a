// Joukowsky Streamlines: the main window opens at start-up; the program ends when its last
// window closes.
#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "JoukVersion.hpp"
#include "model/ShownText.hpp"
#include "ui/AppIcon.hpp"
#include "ui/Form1.hpp"
#include "ui/Translations.hpp"

namespace {

constexpr char kUsage[] = R"(Usage: joukowsky-streamlines [--help | --version] [toolkit options]

Opens the window "Streamlines around Joukowsky airfoil", a teaching tool for potential
flow around a Joukowsky airfoil. Set the section and the flow with the scroll bars and
text boxes; START computes the flow, draws the section and animates the streamlines;
STOP halts the animation. joukowsky-export draws the same picture without a window.

  --help      this text
  --version   the program's version

The toolkit's own options, such as -platform NAME, are accepted as well.
)";

constexpr char kUnknownOption[] =
    QT_TRANSLATE_NOOP("main", "joukowsky-streamlines: unknown option %1 (see --help).");

// Refuses an option nobody understands: one line on standard error, status 2. Once the toolkit
// runs and the translations are installed, the line is in the user's language.
int UnknownOption(const char* option) {
  const std::string shown = jouk::ShownText(option);
  if (QCoreApplication::instance() == nullptr) {
    std::fprintf(stderr, "joukowsky-streamlines: unknown option %s (see --help).\n", shown.c_str());
  } else {
    const QString line =
        QCoreApplication::translate("main", kUnknownOption).arg(QString::fromStdString(shown));
    std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
  }
  return 2;
}

// The toolkit gives up with a fatal error, and a core dump, when it finds no display to open a
// window on. While the application starts, its messages are caught here instead: the platform's
// warnings are held back, and a fatal error becomes one line that says what to do, with status 1.
// The handler is installed only while the application starts.
void StartupMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type == QtFatalMsg) {
    const char* display = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    const bool none =
        (display == nullptr || *display == '\0') && (wayland == nullptr || *wayland == '\0');
    if (none) {
      std::fputs(
          "joukowsky-streamlines: there is no display to open the window on; run it in a "
          "desktop session, or give -platform offscreen to run it without one.\n",
          stderr);
    } else {
      std::fprintf(
          stderr,
          "joukowsky-streamlines: the display %s cannot be opened; run it in a desktop "
          "session, or give -platform offscreen to run it without one.\n",
          jouk::ShownText(display != nullptr && *display != '\0' ? display : wayland).c_str());
    }
    std::fflush(stderr);
    std::_Exit(1);
  }
  const bool platform =
      context.category != nullptr && std::strncmp(context.category, "qt.qpa", 6) == 0;
  if (platform) return;
  std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}

}  // namespace

int main(int argc, char* argv[]) {
  // Answered before the toolkit starts, so that they need no display. The toolkit's own options
  // start with a single '-' (and some take a value after them); anything with two dashes that is
  // not ours is refused here already.
  for (int k = 1; k < argc; ++k) {
    if (std::strcmp(argv[k], "--help") == 0 || std::strcmp(argv[k], "-h") == 0) {
      std::fputs(kUsage, stdout);
      return 0;
    }
    if (std::strcmp(argv[k], "--version") == 0) {
      std::printf("joukowsky-streamlines %s\n", jouk::kVersion);
      return 0;
    }
    if (std::strncmp(argv[k], "--", 2) == 0) return UnknownOption(argv[k]);
  }
  qInstallMessageHandler(StartupMessages);
  QApplication app(argc, argv);
  qInstallMessageHandler(nullptr);
  // The window's language follows the system's locale; English when there is no translation.
  SetUpLanguage();
  QApplication::setApplicationVersion(QString::fromLatin1(jouk::kVersion));
  QApplication::setWindowIcon(AppIcon());
  QGuiApplication::setDesktopFileName(QStringLiteral("joukowsky-streamlines"));
  // The toolkit has taken its own options out; nothing else is understood.
  if (argc > 1) return UnknownOption(argv[1]);
  Form1 form;
  form.show();
  return app.exec();
}
