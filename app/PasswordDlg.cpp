#include "app/PasswordDlg.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace zuvar {

TPasswordDlg::TPasswordDlg(QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
  setObjectName(QStringLiteral("PasswordDlg"));
  setWindowTitle(QStringLiteral("Wprowadzanie wartości zmiennej"));
  setModal(true);
  setFixedSize(268, 93);
  Label1 = new QLabel(QStringLiteral("Podaj wartość zmiennej:"), this);
  Label1->setObjectName(QStringLiteral("Label1"));
  QFont bold = Label1->font();
  bold.setBold(true);
  Label1->setFont(bold);
  Label1->setGeometry(8, 9, 252, 16);
  Password = new QLineEdit(this);
  Password->setObjectName(QStringLiteral("Password"));
  Password->setGeometry(8, 27, 249, 21);
  OKBtn = new QPushButton(QStringLiteral("OK"), this);
  OKBtn->setObjectName(QStringLiteral("OKBtn"));
  OKBtn->setGeometry(182, 59, 75, 25);
  OKBtn->setDefault(true);
  connect(OKBtn, &QPushButton::clicked, this, &TPasswordDlg::OKBtnClick);
}

void TPasswordDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  FormShow();
}

void TPasswordDlg::FormShow() {
  Password->clear();
  Password->setFocus();
}

void TPasswordDlg::OKBtnClick() { accept(); }

bool TPasswordDlg::FormClose() {
  if (!Password->text().isEmpty()) return true;
  Password->setFocus();
  return false;
}

// Accept, reject (Escape) and the close box all end here; only the typed text counts.
void TPasswordDlg::done(int result) {
  if (FormClose()) QDialog::done(result);
}

void TPasswordDlg::closeEvent(QCloseEvent* event) {
  if (FormClose())
    QDialog::closeEvent(event);
  else
    event->ignore();
}

}  // namespace zuvar
