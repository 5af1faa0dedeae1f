#include "app/AboutBox.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#ifndef ZUVAR_VERSION
#error "ZUVAR_VERSION comes from the build (the project's version)"
#endif

namespace zuvar {

QString TAboutBox::LicenceNotice() {
  return QStringLiteral(
      "Ten program jest wolnym oprogramowaniem: możesz go rozpowszechniać i zmieniać na "
      "warunkach Powszechnej Licencji Publicznej GNU (GNU GPL) w wersji 3 albo (według "
      "twojego wyboru) dowolnej późniejszej.\n"
      "Program jest rozpowszechniany BEZ JAKIEJKOLWIEK GWARANCJI. Szczegóły w pliku LICENSE.");
}

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("AboutBox"));
  setWindowTitle(QStringLiteral("O programie"));
  setModal(true);
  auto* layout = new QVBoxLayout(this);
  auto* title = new QLabel(QStringLiteral("<b>ZUVAR 32 Pro</b>"), this);
  title->setAlignment(Qt::AlignCenter);
  auto* text =
      new QLabel(QStringLiteral("Edytor graficzny i symulator schematów blokowych algorytmów\n"
                                "Wersja %1")
                     .arg(QStringLiteral(ZUVAR_VERSION)),
                 this);
  text->setAlignment(Qt::AlignCenter);
  auto* licence = new QLabel(LicenceNotice(), this);
  licence->setObjectName(QStringLiteral("LicenceNotice"));
  licence->setAlignment(Qt::AlignCenter);
  licence->setWordWrap(true);
  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  layout->addWidget(title);
  layout->addWidget(text);
  layout->addWidget(licence);
  layout->addWidget(buttons);
}

}  // namespace zuvar
