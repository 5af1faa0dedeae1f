#pragma once

#include "model/Host.h"

class QWidget;

namespace zuvar {

class TDialogs;
class TForm5;
class TPasswordDlg;
class TLogLines;

// The program's THost: message boxes through the dialogs seam, log lines into the log window's
// list, the system beep, and values asked for in a small dialog.
class TAppHost : public THost {
 public:
  TAppHost(TDialogs& dialogs, TLogLines& log) : dialogs_(dialogs), log_(log) {}

  void SetWindows(QWidget* mainWindow, TForm5* logWindow) {
    mainWindow_ = mainWindow;
    logWindow_ = logWindow;
  }
  void SetPasswordDlg(TPasswordDlg* dialog) { passwordDlg_ = dialog; }

  TMsgResult ShowMessage(std::string_view text, std::string_view caption, TMsgIcon icon,
                         TMsgButtons buttons) override;
  void AppendLog(std::string_view line) override;
  void ScrollLogPage() override;
  void Beep() override;
  std::optional<std::string> ReadValue(std::string_view prompt) override;

 private:
  void ShowCanvas();

  TDialogs& dialogs_;
  TLogLines& log_;
  QWidget* mainWindow_ = nullptr;
  TForm5* logWindow_ = nullptr;
  TPasswordDlg* passwordDlg_ = nullptr;
};

}  // namespace zuvar
