#pragma once

#include <QDialog>

class QLabel;
class QPixmap;
class QScrollArea;

namespace zuvar {

// The preview window: the picture of the whole sheet in a scroll box, shown maximized and
// modal. It lives as long as the program and keeps the last picture.
class TForm6 : public QDialog {
  Q_OBJECT
 public:
  explicit TForm6(QWidget* parent = nullptr);

  QScrollArea* ScrollBox = nullptr;
  // At (0, 0) in the scroll box, as large as its picture.
  QLabel* Image1 = nullptr;

  void SetPicture(const QPixmap& picture);
  // Opens maximized on the next show.
  void PrepareToShow();
};

}  // namespace zuvar
