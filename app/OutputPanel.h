#pragma once

#include <QFrame>
#include <QString>

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

  // Puts the output written since the last pass of the event loop into the memo now.
  void Flush();

 private:
  void OnTextAppended(std::string_view text) override;
  void OnLineAdded() override;
  void OnCleared() override;
  void ScheduleFlush();
  void ScrollToEnd();

  TOutputLines lines_;
  // Output not yet in the memo; line breaks are paragraph separators.
  QString pending_;
  bool flushPending_ = false;
};

}  // namespace zuvar
