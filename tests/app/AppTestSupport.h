#pragma once

#include <QAction>
#include <QDialog>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

#include "app/Dialogs.h"
#include "app/MainWindow.h"
#include "app/ZuvarApp.h"
#include "editor/SchematView.h"

namespace zuvar::test {

// The whole content of a file, empty when it cannot be read.
inline QByteArray ReadAll(const QString& name) {
  QFile file(name);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Answers every message box and dialog of the program without a person, and keeps what was
// shown in order.
class TFakeDialogs : public TDialogs {
 public:
  struct Shown {
    QString text, caption;
    TMsgIcon icon;
    TMsgButtons buttons;
  };

  TMsgResult Message(QWidget*, const QString& text, const QString& caption, TMsgIcon icon,
                     TMsgButtons buttons) override {
    messages.push_back({text, caption, icon, buttons});
    if (buttons == TMsgButtons::Ok) return TMsgResult::Ok;
    if (answers.empty()) return TMsgResult::No;
    const TMsgResult answer = answers.front();
    answers.pop_front();
    return answer;
  }
  QString OpenFile(QWidget*, const TFileDialogRequest& request) override {
    openRequests.push_back(request);
    return Next(openNames);
  }
  QString SaveFile(QWidget*, const TFileDialogRequest& request) override {
    saveRequests.push_back(request);
    return Next(saveNames);
  }
  int Exec(QDialog& dialog) override {
    execTitles.push_back(dialog.windowTitle());
    if (exec) return exec(dialog);
    dialog.accept();
    return dialog.result();
  }
  QAction* Popup(QMenu&, const QPoint&) override { return nullptr; }
  // Answers from texts in order; cancelled when none is left.
  bool AskText(QWidget*, const QString& caption, const QString& prompt, QString& value) override {
    textQuestions.push_back({prompt, caption, TMsgIcon::None, TMsgButtons::Ok});
    textShown.push_back(value);
    if (texts.empty()) return false;
    value = texts.front();
    texts.pop_front();
    return true;
  }
  // Cancelled unless the test answers it.
  bool Print(QWidget*, QPrinter& printer) override { return print ? print(printer) : false; }
  void PrinterSetup(QWidget*, QPrinter&) override { ++printerSetups; }

  std::vector<Shown> messages;
  std::deque<TMsgResult> answers;
  std::deque<QString> openNames, saveNames;
  std::deque<QString> texts;
  // The text questions asked (prompt as text) and the value each offered.
  std::vector<Shown> textQuestions;
  std::vector<QString> textShown;
  std::vector<TFileDialogRequest> openRequests, saveRequests;
  std::vector<QString> execTitles;
  std::function<int(QDialog&)> exec;
  std::function<bool(QPrinter&)> print;
  int printerSetups = 0;

 private:
  static QString Next(std::deque<QString>& names) {
    if (names.empty()) return QString();
    QString name = names.front();
    names.pop_front();
    return name;
  }
};

// The program started as main() starts it, with its first paint done.
class AppFixture {
 public:
  // recovery: where the program keeps copies of unsaved diagrams (none by default);
  // startAnswers: the answers to the questions asked while the program starts.
  explicit AppFixture(TRecoverySettings recovery = {}, std::deque<TMsgResult> startAnswers = {})
      : app(std::make_unique<TZuvarApp>(dialogs)) {
    TZuvarApp::PrepareProcess();
    app->Recovery = std::move(recovery);
    dialogs.answers = std::move(startAnswers);
    app->Start();
    if (!QTest::qWaitForWindowExposed(Window())) qWarning("main window not exposed");
    for (int i = 0; i < 50 && Window()->FirstPaint; ++i) QTest::qWait(10);
    QCoreApplication::processEvents();
  }

  TZUVAR* Window() const { return app->MainWindow(); }
  TMainMenu& Menu() const { return Window()->Menu; }
  TSchematView* Canvas() const { return Window()->Schemat(); }
  std::vector<std::string> Log() const { return app->Log.Lines(); }
  bool Logged(const std::string& line) const {
    for (const std::string& l : Log())
      if (l == line) return true;
    return false;
  }
  QString Path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

  // A new diagram through the New command, with the canvas-size dialog accepted as preset.
  void NewDiagram() {
    dialogs.answers.push_back(TMsgResult::Yes);
    Menu().Nowy1->trigger();
    dialogs.answers.clear();
  }
  TNewShape* AddBlock(TNewShapeType type, int left, int top) {
    TNewShape* block = Canvas()->Document().AddBlock(type);
    block->MoveTo(left, top);
    Canvas()->LayoutBlock(*block);
    return block;
  }
  // A new diagram of a start block linked to a stop block, to be run in real time; returns
  // the start block.
  TNewShape* NewStartToStop() {
    NewDiagram();
    TNewShape* start = AddBlock(nstStart, 100, 50);
    TNewShape* stop = AddBlock(nstStop, 100, 200);
    start->ExitSide = 4;
    start->EntrySide = 1;
    start->SetBlockLink(stop);
    app->Options.Simulation.RealTime = true;  // no animation pauses
    return start;
  }

  QTemporaryDir dir;
  TFakeDialogs dialogs;
  std::unique_ptr<TZuvarApp> app;
};

}  // namespace zuvar::test
