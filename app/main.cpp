#include <QApplication>
#include <QMessageBox>
#include <exception>

#include "QtDialogs.h"
#include "ZuvarApp.h"

namespace {

// Shows an exception that reached the top of the event loop, and goes on.
class TZuvarApplication : public QApplication {
 public:
  using QApplication::QApplication;
  bool notify(QObject* receiver, QEvent* event) override {
    try {
      return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
      QMessageBox::critical(nullptr, QStringLiteral("ZUVAR 32 Pro"), QString::fromUtf8(error.what()));
    }
    return false;
  }
};

}  // namespace

int main(int argc, char* argv[]) {
  TZuvarApplication application(argc, argv);
  zuvar::TZuvarApp::PrepareProcess();
  zuvar::TQtDialogs dialogs;
  zuvar::TZuvarApp app(dialogs);
  app.Start();
  return application.exec();
}
