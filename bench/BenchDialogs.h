#pragma once

#include <QDialog>

#include "app/Dialogs.h"

namespace zuvar::bench {

// Answers every dialog of the program without a person: message boxes with `answer`, modal
// dialogs accepted, the open dialog with `openName`, every other file dialog cancelled.
class TBenchDialogs : public TDialogs {
 public:
  TMsgResult Message(QWidget*, const QString&, const QString&, TMsgIcon, TMsgButtons) override {
    return answer;
  }
  QString OpenFile(QWidget*, const TFileDialogRequest&) override { return openName; }
  QString SaveFile(QWidget*, const TFileDialogRequest&) override { return QString(); }
  int Exec(QDialog& dialog) override {
    dialog.accept();
    return dialog.result();
  }
  QAction* Popup(QMenu&, const QPoint&) override { return nullptr; }
  bool AskText(QWidget*, const QString&, const QString&, QString&) override { return false; }

  TMsgResult answer = TMsgResult::Yes;
  QString openName;
};

}  // namespace zuvar::bench
