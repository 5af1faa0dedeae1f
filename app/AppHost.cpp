#include "app/AppHost.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>

#include "app/Dialogs.h"
#include "app/LogListBox.h"
#include "app/LogWindow.h"
#include "app/MainWindow.h"
#include "app/PasswordDlg.h"
#include "editor/SchematView.h"
#include "project/LogLines.h"

namespace zuvar {

namespace {
QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
}  // namespace

// A dialog shows the canvas as the steps left it, even in the middle of a deferred frame.
void TAppHost::ShowCanvas() {
  const auto* window = qobject_cast<TZUVAR*>(mainWindow_);
  if (window == nullptr) return;
  if (TSchematView* canvas = window->Schemat()) canvas->FlushDeferred();
}

TMsgResult TAppHost::ShowMessage(std::string_view text, std::string_view caption, TMsgIcon icon,
                                 TMsgButtons buttons) {
  ShowCanvas();
  return dialogs_.Message(mainWindow_, FromUtf8(text), FromUtf8(caption), icon, buttons);
}

void TAppHost::AppendLog(std::string_view line) { log_.Append(line); }

void TAppHost::ScrollLogPage() {
  if (logWindow_ == nullptr) return;
  QScrollBar* bar = logWindow_->ListBox1->verticalScrollBar();
  bar->setValue(bar->value() + bar->pageStep());
}

void TAppHost::Beep() { QApplication::beep(); }

std::optional<std::string> TAppHost::ReadValue(std::string_view prompt) {
  ShowCanvas();
  if (passwordDlg_ != nullptr) {
    passwordDlg_->Label1->setText(FromUtf8(prompt));
    dialogs_.Exec(*passwordDlg_);
    const QString text = passwordDlg_->Password->text();
    if (text.isEmpty()) return std::nullopt;
    return text.toStdString();
  }
  QString value;
  while (dialogs_.AskText(mainWindow_, QStringLiteral("ZUVAR 32 Pro"), FromUtf8(prompt), value)) {
    if (!value.isEmpty()) return value.toStdString();
  }
  return std::nullopt;
}

}  // namespace zuvar
