#include "app/ZuvarApp.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QScreen>
#include <QTranslator>
#include <QWindow>
#include <clocale>

#include "app/AboutBox.h"
#include "app/LogWindow.h"
#include "app/MainWindow.h"
#include "app/PasswordDlg.h"
#include "app/PreviewWindow.h"
#include "app/SimulationCommands.h"
#include "app/SimulationWindow.h"
#include "app/SourceWindow.h"

namespace zuvar {

TZuvarApp::TZuvarApp(TDialogs& dialogs) : dialogs_(dialogs), host_(dialogs, Log) {}

// The windows go in the reverse order of their creation, the source and simulation windows
// with the main window that owns them; the log outlives them all.
TZuvarApp::~TZuvarApp() = default;

void TZuvarApp::PrepareProcess() {
  std::setlocale(LC_NUMERIC, "C");
  QLocale::setDefault(QLocale::c());
  QCoreApplication::setApplicationName(QStringLiteral("ZUVAR 32 Pro"));
}

// The texts of Qt's own dialogs and buttons ("Szukaj w:", "Anuluj"), when the system has
// Qt's Polish translation; without it they stay in English.
void TZuvarApp::InstallQtTranslations() {
  auto translator = std::make_unique<QTranslator>();
  if (!translator->load(QStringLiteral("qtbase_pl"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    return;
  if (QCoreApplication::installTranslator(translator.get()))
    qtTranslations_ = std::move(translator);
}

void TZuvarApp::Start() {
  InstallQtTranslations();
  mainWindow_ = std::make_unique<TZUVAR>(*this);
  // As Qt children of the main window (tool windows) they stay above it, and its menu
  // shortcuts keep working while one of them is active.
  sourceWindow_ = new TForm2(*mainWindow_);
  simulationWindow_ = new TForm3(*mainWindow_, mainWindow_->Simulation());
  mainWindow_->Simulation().SetWindow(simulationWindow_);
  aboutBox_ = std::make_unique<TAboutBox>();
  passwordDlg_ = std::make_unique<TPasswordDlg>();
  logWindow_ = std::make_unique<TForm5>(Log, dialogs_);
  previewWindow_ = std::make_unique<TForm6>();
  host_.SetWindows(mainWindow_.get(), logWindow_.get());
  host_.SetPasswordDlg(passwordDlg_.get());
  // The log window stays above the main window without being owned by it.
  mainWindow_->winId();
  logWindow_->winId();
  logWindow_->windowHandle()->setTransientParent(mainWindow_->windowHandle());
  // Without a window manager maximizing does nothing, so the window is given the screen first.
  if (QScreen* screen = QGuiApplication::primaryScreen())
    mainWindow_->setGeometry(screen->availableGeometry());
  mainWindow_->showMaximized();
}

}  // namespace zuvar
