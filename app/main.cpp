#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QIcon>
#include <cstdio>
#include <cstring>
#include <exception>

#include "app/MainWindow.h"
#include "app/QtDialogs.h"
#include "app/ZuvarApp.h"

namespace {

// Shows an exception that reached the top of the event loop, and goes on.
class TZuvarApplication : public QApplication {
 public:
  using QApplication::QApplication;
  zuvar::TDialogs* Dialogs = nullptr;

  bool notify(QObject* receiver, QEvent* event) override {
    try {
      return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
      if (Dialogs != nullptr)
        Dialogs->Message(nullptr, QString::fromUtf8(error.what()), QStringLiteral("ZUVAR 32 Pro"),
                         zuvar::TMsgIcon::Error, zuvar::TMsgButtons::Ok);
    }
    return false;
  }
};

// The optional project file named on the command line, as an absolute path.
QString StartFile(const QApplication& application) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      QStringLiteral("ZUVAR 32 Pro - edytor graficzny i symulator schematów blokowych algorytmów"));
  parser.addHelpOption();
  parser.addPositionalArgument(QStringLiteral("plik"),
                               QStringLiteral("Schemat blokowy do otwarcia (*.bin)."),
                               QStringLiteral("[plik]"));
  parser.process(application);
  const QStringList files = parser.positionalArguments();
  return files.isEmpty() ? QString() : QFileInfo(files.first()).absoluteFilePath();
}

// --help and --version are answered on standard output before the application object exists,
// so that they need no display. True when one of them was given.
bool AnswerWithoutDisplay(int argc, char* argv[]) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--") == 0) return false;
    if (std::strcmp(argv[i], "--version") == 0) {
      std::printf("zuvar %s\n", ZUVAR_VERSION);
      return true;
    }
    if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
      std::fputs(
          "Użycie: zuvar [opcje] [plik]\n"
          "ZUVAR 32 Pro - edytor graficzny i symulator schematów blokowych algorytmów\n\n"
          "Opcje:\n"
          "  -h, --help  Wyświetla tę pomoc.\n"
          "  --version   Wyświetla wersję programu.\n\n"
          "Argumenty:\n"
          "  plik        Schemat blokowy do otwarcia (*.bin).\n",
          stdout);
      return true;
    }
  }
  return false;
}

// The program's icon at the sizes built into it, for every window.
QIcon ProgramIcon() {
  QIcon icon;
  for (int size : {16, 32, 48, 64, 256})
    icon.addFile(QStringLiteral(":/icons/%1x%1/zuvar.png").arg(size), QSize(size, size));
  return icon;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (AnswerWithoutDisplay(argc, argv)) return std::fflush(stdout) == 0 ? 0 : 1;
  TZuvarApplication application(argc, argv);
  QApplication::setWindowIcon(ProgramIcon());
  QGuiApplication::setDesktopFileName(QStringLiteral("zuvar"));
  zuvar::TZuvarApp::PrepareProcess();
  zuvar::TQtDialogs dialogs;
  application.Dialogs = &dialogs;
  zuvar::TZuvarApp app(dialogs);
  app.Recovery.Folder = zuvar::TRecoverySettings::DefaultFolder();
  const QString startFile = StartFile(application);
  app.Start();
  app.MainWindow()->StartFile = startFile;
  const int result = application.exec();
  application.Dialogs = nullptr;
  return result;
}
