#pragma once

#include <QFrame>

#include "OutputLines.h"

class QPlainTextEdit;

namespace zuvar {

// The output panel: a read-only memo, yellow on black, that shows the lines the simulated
// algorithm writes. It follows its TOutputLines as they change.
class TFrame1 : public QFrame, private TOutputLines::Listener {
  Q_OBJECT
 public:
  explicit TFrame1(QWidget* parent = nullptr);
  ~TFrame1() override;

  TOutputLines& Lines() { return lines_; }
  QPlainTextEdit* Memo1;

 private:
  void OnTextAppended(std::string_view text) override;
  void OnLineAdded() override;
  void OnCleared() override;
  void ScrollToEnd();

  TOutputLines lines_;
};

}  // namespace zuvar
