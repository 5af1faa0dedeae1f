#include "app/StronaSizer.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <algorithm>

#include "app/Dialogs.h"
#include "export/SheetSizeRules.h"

namespace zuvar {

TStronaSizer::TStronaSizer(TDialogs& dialogs, QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint), dialogs_(dialogs) {
  setObjectName(QStringLiteral("StronaSizer"));
  setWindowTitle(QStringLiteral("ZUVAR 32 Pro - Ustalenie rozmiaru płótna"));
  setModal(true);
  resize(321, 97);
  auto* layout = new QGridLayout(this);
  auto* digits =
      new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this);
  EditSzer = new QLineEdit(QStringLiteral("0"), this);
  EditSzer->setObjectName(QStringLiteral("EditSzer"));
  EditSzer->setValidator(digits);
  EditSzer->setMaxLength(TSheetSizeRules::MaximumDigits);
  EditWys = new QLineEdit(QStringLiteral("0"), this);
  EditWys->setObjectName(QStringLiteral("EditWys"));
  EditWys->setValidator(digits);
  EditWys->setMaxLength(TSheetSizeRules::MaximumDigits);
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
  return TSheetSizeRules::FieldValue(field->text().toStdString());
}

void TStronaSizer::SetSize(int32_t width, int32_t height) {
  EditSzer->setText(QString::number(std::clamp(width, 0, TSheetSizeRules::MaximumSize)));
  EditWys->setText(QString::number(std::clamp(height, 0, TSheetSizeRules::MaximumSize)));
}

bool TStronaSizer::Validate() {
  for (QLineEdit* field : {EditSzer, EditWys}) {
    if (field->text().isEmpty()) field->setText(QStringLiteral("0"));
  }
  const TSheetSizeFault fault =
      TSheetSizeRules::Check(EditSzer->text().toStdString(), EditWys->text().toStdString());
  if (fault == TSheetSizeFault::None) return true;
  dialogs_.Message(this, QString::fromUtf8(TSheetSizeRules::RefusalText),
                   QString::fromUtf8(TSheetSizeRules::RefusalCaption), TMsgIcon::None,
                   TMsgButtons::Ok);
  (fault == TSheetSizeFault::Width ? EditSzer : EditWys)->setFocus();
  return false;
}

void TStronaSizer::accept() {
  if (Validate()) QDialog::accept();
}

}  // namespace zuvar
