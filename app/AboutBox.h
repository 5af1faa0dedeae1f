#pragma once

#include <QDialog>

namespace zuvar {

// The About box: the program's name and version with an OK button.
class TAboutBox : public QDialog {
  Q_OBJECT
 public:
  explicit TAboutBox(QWidget* parent = nullptr);
};

}  // namespace zuvar
