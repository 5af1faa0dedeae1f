#pragma once

#include <QAbstractListModel>

#include "project/LogLines.h"

namespace zuvar {

// The log lines as a list model for the log window's list view.
class TLogListModel : public QAbstractListModel, private TLogLines::Listener {
  Q_OBJECT
 public:
  explicit TLogListModel(TLogLines& lines, QObject* parent = nullptr);
  ~TLogListModel() override;

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;

 public:
  // Announces the lines appended since the last call (also run from the event loop).
  void Flush();

 signals:
  void linesAppended();

 private:
  void OnLinesAppended(std::size_t first, std::size_t count) override;
  void OnCleared() override;

  TLogLines& lines_;
  // The rows the view knows of; lines beyond them are announced by Flush.
  std::size_t shown_ = 0;
  bool flushPending_ = false;
};

}  // namespace zuvar
