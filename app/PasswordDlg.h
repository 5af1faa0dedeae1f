#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace zuvar {

// The value-input dialog of `read`: a prompt, one edit and OK. It cannot be left, by OK, Enter,
// Escape or its close box, until something has been typed.
class TPasswordDlg : public QDialog {
  Q_OBJECT
 public:
  explicit TPasswordDlg(QWidget* parent = nullptr);

  QLabel* Label1;
  QLineEdit* Password;
  QPushButton* OKBtn;

  void done(int result) override;

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void FormShow();
  void OKBtnClick();
  // True when the dialog may close now.
  bool FormClose();
};

}  // namespace zuvar
