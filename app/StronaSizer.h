#pragma once

#include <QDialog>
#include <cstdint>

class QLineEdit;

namespace zuvar {

class TDialogs;

// The canvas-size dialog: a width and a height field that accept digits only. OK (or Enter)
// accepts after checking that neither value is below 100; Anuluj (or Esc) cancels.
class TStronaSizer : public QDialog {
  Q_OBJECT
 public:
  TStronaSizer(TDialogs& dialogs, QWidget* parent = nullptr);

  QLineEdit* EditSzer;
  QLineEdit* EditWys;

  // The field's value; an empty field counts as 0.
  static int FieldValue(const QLineEdit* field);
  // Fills both fields; a value longer than a field holds becomes the largest size.
  void SetSize(int32_t width, int32_t height);

  void accept() override;

 private:
  bool Validate();
  TDialogs& dialogs_;
};

}  // namespace zuvar
