#pragma once

#include "app/Dialogs.h"

namespace zuvar {

// The real dialogs: Qt message boxes and file dialogs, application-modal.
class TQtDialogs : public TDialogs {
 public:
  TMsgResult Message(QWidget* parent, const QString& text, const QString& caption, TMsgIcon icon,
                     TMsgButtons buttons) override;
  QString OpenFile(QWidget* parent, const TFileDialogRequest& request) override;
  QString SaveFile(QWidget* parent, const TFileDialogRequest& request) override;
  int Exec(QDialog& dialog) override;
  QAction* Popup(QMenu& menu, const QPoint& globalPos) override;
  bool AskText(QWidget* parent, const QString& caption, const QString& prompt,
               QString& value) override;
  bool Print(QWidget* parent, QPrinter& printer) override;
  void PrinterSetup(QWidget* parent, QPrinter& printer) override;

 private:
  static QString RunFileDialog(QWidget* parent, const TFileDialogRequest& request, bool save);
};

}  // namespace zuvar
