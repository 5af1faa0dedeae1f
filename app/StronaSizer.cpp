#include "StronaSizer.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

#include "Dialogs.h"

namespace zuvar {

TStronaSizer::TStronaSizer(TDialogs& dialogs, QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint), dialogs_(dialogs) {
  setObjectName(QStringLiteral("StronaSizer"));
  setWindowTitle(QStringLiteral("ZUVAR 32 Pro - Ustalenie rozmiaru płótna"));
  setModal(true);
  resize(321, 97);
  auto* layout = new QGridLayout(this);
  auto* digits = new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this);
  EditSzer = new QLineEdit(QStringLiteral("0"), this);
  EditSzer->setObjectName(QStringLiteral("EditSzer"));
  EditSzer->setValidator(digits);
  EditWys = new QLineEdit(QStringLiteral("0"), this);
  EditWys->setObjectName(QStringLiteral("EditWys"));
  EditWys->setValidator(digits);
  layout->addWidget(new QLabel(QStringLiteral("Podaj szerokość obszaru roboczego:"), this), 0, 0);
  layout->addWidget(EditSzer, 0, 1);
  layout->addWidget(new QLabel(QStringLiteral("Podaj wysokość obszaru roboczego:"), this), 1, 0);
  layout->addWidget(EditWys, 1, 1);
  auto* cancel = new QPushButton(QStringLiteral("Anuluj"), this);
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setDefault(true);
  layout->addWidget(cancel, 2, 0, Qt::AlignLeft);
  layout->addWidget(ok, 2, 1, Qt::AlignRight);
  connect(ok, &QPushButton::clicked, this, &TStronaSizer::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

int TStronaSizer::FieldValue(const QLineEdit* field) {
  bool ok = false;
  const int value = field->text().toInt(&ok);
  return ok ? value : 0;
}

bool TStronaSizer::Validate() {
  for (QLineEdit* field : {EditSzer, EditWys}) {
    if (field->text().isEmpty()) field->setText(QStringLiteral("0"));
  }
  for (QLineEdit* field : {EditSzer, EditWys}) {
    if (FieldValue(field) < 100) {
      dialogs_.Message(this, QStringLiteral("Nie przeginaj! Jaki to ma sens?"),
                       QStringLiteral("Czy wiesz co robisz?!"), TMsgIcon::None, TMsgButtons::Ok);
      field->setFocus();
      return false;
    }
  }
  return true;
}

void TStronaSizer::accept() {
  if (Validate()) QDialog::accept();
}

}  // namespace zuvar
