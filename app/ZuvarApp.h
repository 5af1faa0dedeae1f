#pragma once

#include <memory>

#include "app/AppHost.h"
#include "app/Options.h"
#include "app/RecoveryKeeper.h"
#include "project/LogLines.h"

class QTranslator;

namespace zuvar {

class TAboutBox;
class TDialogs;
class TForm2;
class TForm3;
class TForm5;
class TForm6;
class TPasswordDlg;
class TZUVAR;

// The application object: the options, the log, the host of the core and the program's
// windows, created in their start-up order and alive until the program ends.
class TZuvarApp {
 public:
  explicit TZuvarApp(TDialogs& dialogs);
  ~TZuvarApp();
  TZuvarApp(const TZuvarApp&) = delete;
  TZuvarApp& operator=(const TZuvarApp&) = delete;

  // Numbers with "." whatever the system's settings, and the application title.
  static void PrepareProcess();
  // Installs Qt's own Polish texts (common dialogs, standard buttons), creates the windows in
  // order and shows the main window maximized.
  void Start();

  TOptions Options;
  TLogLines Log;
  // Copies of an unsaved diagram; set before Start. Without a folder none are kept.
  TRecoverySettings Recovery;

  TDialogs& Dialogs() { return dialogs_; }
  TAppHost& AppHost() { return host_; }
  TZUVAR* MainWindow() const { return mainWindow_.get(); }
  TAboutBox* AboutBox() const { return aboutBox_.get(); }
  TForm5* LogWindow() const { return logWindow_.get(); }
  TForm2* SourceWindow() const { return sourceWindow_; }
  TForm3* SimulationWindow() const { return simulationWindow_; }
  TPasswordDlg* PasswordDlg() const { return passwordDlg_.get(); }
  TForm6* PreviewWindow() const { return previewWindow_.get(); }

 private:
  void InstallQtTranslations();

  TDialogs& dialogs_;
  // Installed while the application object lives; goes after the windows that use it.
  std::unique_ptr<QTranslator> qtTranslations_;
  TAppHost host_;
  std::unique_ptr<TZUVAR> mainWindow_;
  // Tool windows of the main window: their Qt parent, the main window, owns them.
  TForm2* sourceWindow_ = nullptr;
  TForm3* simulationWindow_ = nullptr;
  std::unique_ptr<TAboutBox> aboutBox_;
  std::unique_ptr<TPasswordDlg> passwordDlg_;
  std::unique_ptr<TForm5> logWindow_;
  std::unique_ptr<TForm6> previewWindow_;
};

}  // namespace zuvar
