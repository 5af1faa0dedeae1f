#pragma once

#include <QAbstractListModel>

#include "project/LogLines.h"

namespace zuvar {

// The log lines as a list model for the log window's list view. Once the log drops its oldest
// lines, the first row is the notice that says how many.
class TLogListModel : public QAbstractListModel, private TLogLines::Listener {
  Q_OBJECT
 public:
  explicit TLogListModel(TLogLines& lines, QObject* parent = nullptr);
  ~TLogListModel() override;

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;

 public:
  // Announces the lines appended and dropped since the last call (also run from the event
  // loop).
  void Flush();

 signals:
  void linesAppended();

 private:
  void OnLinesAppended(std::size_t first, std::size_t count) override;
  void OnCleared() override;
  void ForgetDropped();
  void ShowNotice();
  void InsertNewLines();
  int NoticeRows() const { return noticeShown_ ? 1 : 0; }

  TLogLines& lines_;
  // What the view knows of: whether the notice row is there, how many lines had been dropped
  // before its first line row, and how many line rows follow the notice. Changes beyond them
  // are announced by Flush.
  bool noticeShown_ = false;
  std::size_t shownDropped_ = 0;
  std::size_t shown_ = 0;
  bool flushPending_ = false;
};

}  // namespace zuvar
