#include "app/AboutBox.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace zuvar {

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("AboutBox"));
  setWindowTitle(QStringLiteral("O programie"));
  setModal(true);
  auto* layout = new QVBoxLayout(this);
  auto* title = new QLabel(QStringLiteral("<b>ZUVAR 32 Pro</b>"), this);
  title->setAlignment(Qt::AlignCenter);
  auto* text = new QLabel(
      QStringLiteral("Edytor graficzny i symulator schematów blokowych algorytmów\nWersja 2.0"),
      this);
  text->setAlignment(Qt::AlignCenter);
  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  layout->addWidget(title);
  layout->addWidget(text);
  layout->addWidget(buttons);
}

}  // namespace zuvar
