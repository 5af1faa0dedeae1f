#include "app/PreviewWindow.h"

#include <QLabel>
#include <QPixmap>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

namespace zuvar {

TForm6::TForm6(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("Form6"));
  setWindowTitle(QStringLiteral("ZUVAR 32 Pro - podgląd schematu blokowego"));
  setModal(true);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  ScrollBox = new QScrollArea(this);
  ScrollBox->setObjectName(QStringLiteral("ScrollBox"));
  ScrollBox->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  // The picture keeps its own size; the scroll bars move it while they are dragged.
  ScrollBox->setWidgetResizable(false);
  ScrollBox->horizontalScrollBar()->setTracking(true);
  ScrollBox->verticalScrollBar()->setTracking(true);
  Image1 = new QLabel;
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Image1->setContentsMargins(0, 0, 0, 0);
  ScrollBox->setWidget(Image1);
  layout->addWidget(ScrollBox);
}

void TForm6::SetPicture(const QPixmap& picture) {
  Image1->setPixmap(picture);
  Image1->resize(picture.size());
  Image1->move(0, 0);
}

void TForm6::PrepareToShow() { setWindowState(windowState() | Qt::WindowMaximized); }

}  // namespace zuvar
