#include <QApplication>
#include <exception>

#include "QtDialogs.h"
#include "ZuvarApp.h"

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

}  // namespace

int main(int argc, char* argv[]) {
  TZuvarApplication application(argc, argv);
  zuvar::TZuvarApp::PrepareProcess();
  zuvar::TQtDialogs dialogs;
  application.Dialogs = &dialogs;
  zuvar::TZuvarApp app(dialogs);
  app.Start();
  const int result = application.exec();
  application.Dialogs = nullptr;
  return result;
}
