#include "app/QtDialogs.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

namespace zuvar {

namespace {
QMessageBox::Icon ToQtIcon(TMsgIcon icon) {
  switch (icon) {
    case TMsgIcon::Warning:
      return QMessageBox::Warning;
    case TMsgIcon::Question:
      return QMessageBox::Question;
    case TMsgIcon::Error:
      return QMessageBox::Critical;
    case TMsgIcon::Information:
      return QMessageBox::Information;
    case TMsgIcon::None:
      break;
  }
  return QMessageBox::NoIcon;
}
}  // namespace

TMsgResult TQtDialogs::Message(QWidget* parent, const QString& text, const QString& caption,
                               TMsgIcon icon, TMsgButtons buttons) {
  QMessageBox box(ToQtIcon(icon), caption, text, QMessageBox::NoButton, parent);
  box.setWindowModality(Qt::ApplicationModal);
  if (buttons == TMsgButtons::YesNo) {
    box.addButton(QStringLiteral("Tak"), QMessageBox::YesRole);
    QAbstractButton* no = box.addButton(QStringLiteral("Nie"), QMessageBox::NoRole);
    box.exec();
    return box.clickedButton() == no || box.clickedButton() == nullptr ? TMsgResult::No
                                                                       : TMsgResult::Yes;
  }
  box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
  box.exec();
  return TMsgResult::Ok;
}

QString TQtDialogs::RunFileDialog(QWidget* parent, const TFileDialogRequest& request, bool save) {
  QFileDialog dialog(parent, request.Title);
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  // The overwrite question is the program's own.
  dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
  dialog.setNameFilters(request.Filters);
  dialog.setDefaultSuffix(request.DefaultSuffix);
  if (!request.FileName.isEmpty()) dialog.selectFile(request.FileName);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
  return dialog.selectedFiles().constFirst();
}

QString TQtDialogs::OpenFile(QWidget* parent, const TFileDialogRequest& request) {
  return RunFileDialog(parent, request, false);
}

QString TQtDialogs::SaveFile(QWidget* parent, const TFileDialogRequest& request) {
  return RunFileDialog(parent, request, true);
}

int TQtDialogs::Exec(QDialog& dialog) { return dialog.exec(); }

QAction* TQtDialogs::Popup(QMenu& menu, const QPoint& globalPos) { return menu.exec(globalPos); }

bool TQtDialogs::AskText(QWidget* parent, const QString& caption, const QString& prompt,
                         QString& value) {
  bool ok = false;
  const QString text =
      QInputDialog::getText(parent, caption, prompt, QLineEdit::Normal, value, &ok);
  if (ok) value = text;
  return ok;
}

bool TQtDialogs::Print(QWidget* parent, QPrinter& printer) {
  QPrintDialog dialog(&printer, parent);
  return dialog.exec() == QDialog::Accepted;
}

void TQtDialogs::PrinterSetup(QWidget* parent, QPrinter& printer) {
  QPageSetupDialog dialog(&printer, parent);
  dialog.exec();
}

}  // namespace zuvar
