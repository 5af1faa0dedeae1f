#include "app/AppHost.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>

#include "app/Dialogs.h"
#include "app/LogListBox.h"
#include "app/LogWindow.h"
#include "app/PasswordDlg.h"
#include "project/LogLines.h"

namespace zuvar {

namespace {
QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
}  // namespace

TMsgResult TAppHost::ShowMessage(std::string_view text, std::string_view caption, TMsgIcon icon,
                                 TMsgButtons buttons) {
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
