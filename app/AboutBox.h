#pragma once

#include <QDialog>

namespace zuvar {

// The About box: the program's name, its version as built and its licence notice, with an
// OK button.
class TAboutBox : public QDialog {
  Q_OBJECT
 public:
  explicit TAboutBox(QWidget* parent = nullptr);

  // The short notice of the GNU GPL, version 3 or later, under which the program is shipped.
  static QString LicenceNotice();
};

}  // namespace zuvar
