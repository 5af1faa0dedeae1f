#pragma once

#include <QAbstractScrollArea>

class QAbstractItemModel;
class QModelIndex;

namespace zuvar {

class TLogListModel;

// The list of log lines: one text row of fixed height per line, drawn straight from the model
// for the rows in sight only. Appending, scrolling and painting cost the same with a million
// lines as with ten, where a general item view lays every row out again after each insertion.
class TLogListBox : public QAbstractScrollArea {
  Q_OBJECT
 public:
  // The row height at design; a font taller than that gets rows of its own height, so that no
  // descender is cut off.
  static constexpr int ItemHeight = 13;

  explicit TLogListBox(TLogListModel& model, QWidget* parent = nullptr);

  QAbstractItemModel* model() const;
  int RowCount() const;
  // The selected row, -1 when none.
  int CurrentRow() const { return current_; }
  void SetCurrentRow(int row);
  // The first row in sight and how many rows fit wholly into the view.
  int TopRow() const;
  int RowHeight() const;
  int VisibleRows() const;
  void scrollToBottom();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  void changeEvent(QEvent* event) override;

 private:
  void RowsInserted(const QModelIndex& parent, int first, int last);
  void RowsRemoved(const QModelIndex& parent, int first, int last);
  void RowsChanged();
  void UpdateScrollRange();
  void EnsureVisible(int row);
  QString TextOf(int row) const;

  TLogListModel& model_;
  int current_ = -1;
};

}  // namespace zuvar
