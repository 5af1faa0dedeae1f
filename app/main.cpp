#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QIcon>
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
  parser.addPositionalArgument(QStringLiteral("plik"), QStringLiteral("Schemat blokowy do otwarcia (*.bin)."),
                               QStringLiteral("[plik]"));
  parser.process(application);
  const QStringList files = parser.positionalArguments();
  return files.isEmpty() ? QString() : QFileInfo(files.first()).absoluteFilePath();
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
  TZuvarApplication application(argc, argv);
  QApplication::setWindowIcon(ProgramIcon());
  QGuiApplication::setDesktopFileName(QStringLiteral("zuvar"));
  zuvar::TZuvarApp::PrepareProcess();
  zuvar::TQtDialogs dialogs;
  application.Dialogs = &dialogs;
  zuvar::TZuvarApp app(dialogs);
  const QString startFile = StartFile(application);
  app.Start();
  app.MainWindow()->StartFile = startFile;
  const int result = application.exec();
  application.Dialogs = nullptr;
  return result;
}
