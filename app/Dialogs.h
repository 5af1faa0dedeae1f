#pragma once

#include <QString>
#include <QStringList>

#include "model/Host.h"

class QAction;
class QDialog;
class QMenu;
class QPoint;
class QPrinter;
class QWidget;

namespace zuvar {

// What a file dialog shows: its title, its filter entries ("Text (*.ext)"), the extension added
// to a name typed without one, and the file name it starts with.
struct TFileDialogRequest {
  QString Title;
  QStringList Filters;
  QString DefaultSuffix;
  QString FileName;
};

// The one seam through which the program shows every message box, file dialog and modal
// dialog. The program uses TQtDialogs; tests install their own answers.
class TDialogs {
 public:
  virtual ~TDialogs() = default;
  // Shows a modal message box and returns the button pressed.
  virtual TMsgResult Message(QWidget* parent, const QString& text, const QString& caption,
                             TMsgIcon icon, TMsgButtons buttons) = 0;
  // Shows an open or save dialog; returns the chosen file name, empty when cancelled.
  virtual QString OpenFile(QWidget* parent, const TFileDialogRequest& request) = 0;
  virtual QString SaveFile(QWidget* parent, const TFileDialogRequest& request) = 0;
  // Runs a dialog modally and returns its result (QDialog::Accepted or QDialog::Rejected).
  virtual int Exec(QDialog& dialog) = 0;
  // Shows a popup menu at a screen position; returns the chosen action or null.
  virtual QAction* Popup(QMenu& menu, const QPoint& globalPos) = 0;
  // Asks for a text value with a prompt; returns false when cancelled.
  virtual bool AskText(QWidget* parent, const QString& caption, const QString& prompt,
                       QString& value) = 0;
  // Shows the print dialog for the printer; false when it was cancelled. Without a print
  // dialog of its own an implementation cancels.
  virtual bool Print(QWidget* parent, QPrinter& printer) {
    (void)parent;
    (void)printer;
    return false;
  }
  // Shows the printer set-up dialog; the printer keeps what was chosen there.
  virtual void PrinterSetup(QWidget* parent, QPrinter& printer) {
    (void)parent;
    (void)printer;
  }
};

}  // namespace zuvar
