#include "app/LogListBox.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

#include "app/LogListModel.h"

namespace zuvar {

TLogListBox::TLogListBox(TLogListModel& model, QWidget* parent)
    : QAbstractScrollArea(parent), model_(model) {
  setFocusPolicy(Qt::StrongFocus);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setBackgroundRole(QPalette::Base);
  viewport()->setBackgroundRole(QPalette::Base);
  viewport()->setAutoFillBackground(true);
  connect(&model_, &QAbstractItemModel::rowsInserted, this, &TLogListBox::RowsInserted);
  connect(&model_, &QAbstractItemModel::rowsRemoved, this, &TLogListBox::RowsRemoved);
  connect(&model_, &QAbstractItemModel::dataChanged, viewport(), qOverload<>(&QWidget::update));
  connect(&model_, &QAbstractItemModel::modelReset, this, &TLogListBox::RowsChanged);
  UpdateScrollRange();
}

QAbstractItemModel* TLogListBox::model() const { return &model_; }

int TLogListBox::RowCount() const { return model_.rowCount(); }

int TLogListBox::TopRow() const { return verticalScrollBar()->value(); }

int TLogListBox::RowHeight() const { return std::max(ItemHeight, fontMetrics().height()); }

int TLogListBox::VisibleRows() const { return std::max(1, viewport()->height() / RowHeight()); }

void TLogListBox::SetCurrentRow(int row) {
  const int rows = RowCount();
  current_ = rows == 0 ? -1 : std::clamp(row, 0, rows - 1);
  if (current_ >= 0) EnsureVisible(current_);
  viewport()->update();
}

void TLogListBox::scrollToBottom() {
  verticalScrollBar()->setValue(verticalScrollBar()->maximum());
}

// The selection stays on its line while rows come and go before it.
void TLogListBox::RowsInserted(const QModelIndex&, int first, int last) {
  if (current_ >= first) current_ += last - first + 1;
  RowsChanged();
}

void TLogListBox::RowsRemoved(const QModelIndex&, int first, int last) {
  if (current_ > last)
    current_ -= last - first + 1;
  else if (current_ >= first)
    current_ = -1;
  RowsChanged();
}

void TLogListBox::RowsChanged() {
  if (current_ >= RowCount()) current_ = -1;
  UpdateScrollRange();
  viewport()->update();
}

// The scroll bar counts rows: its maximum puts the last row at the bottom of the view.
void TLogListBox::UpdateScrollRange() {
  const int page = VisibleRows();
  QScrollBar* bar = verticalScrollBar();
  bar->setPageStep(page);
  bar->setSingleStep(1);
  bar->setRange(0, std::max(0, RowCount() - page));
}

void TLogListBox::EnsureVisible(int row) {
  QScrollBar* bar = verticalScrollBar();
  if (row < bar->value())
    bar->setValue(row);
  else if (row >= bar->value() + VisibleRows())
    bar->setValue(row - VisibleRows() + 1);
}

QString TLogListBox::TextOf(int row) const {
  return model_.data(model_.index(row), Qt::DisplayRole).toString();
}

void TLogListBox::paintEvent(QPaintEvent*) {
  QPainter painter(viewport());
  const int top = TopRow();
  const int last = std::min(RowCount() - 1, top + VisibleRows());
  const int width = viewport()->width();
  const int height = RowHeight();
  for (int row = top; row <= last; ++row) {
    const QRect rect(0, (row - top) * height, width, height);
    const bool selected = row == current_;
    if (selected) painter.fillRect(rect, palette().brush(QPalette::Highlight));
    painter.setPen(palette().color(selected ? QPalette::HighlightedText : QPalette::Text));
    painter.drawText(rect.adjusted(2, 0, 0, 0),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, TextOf(row));
  }
}

void TLogListBox::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  UpdateScrollRange();
}

void TLogListBox::scrollContentsBy(int, int) { viewport()->update(); }

// Another font may need other row heights, and so another number of rows in sight.
void TLogListBox::changeEvent(QEvent* event) {
  QAbstractScrollArea::changeEvent(event);
  if (event->type() == QEvent::FontChange) {
    UpdateScrollRange();
    viewport()->update();
  }
}

void TLogListBox::mousePressEvent(QMouseEvent* event) {
  const int row = TopRow() + static_cast<int>(event->position().y()) / RowHeight();
  if (row < RowCount()) SetCurrentRow(row);
}

void TLogListBox::keyPressEvent(QKeyEvent* event) {
  const int page = VisibleRows();
  switch (event->key()) {
    case Qt::Key_Up:
      SetCurrentRow(current_ - 1);
      break;
    case Qt::Key_Down:
      SetCurrentRow(current_ + 1);
      break;
    case Qt::Key_PageUp:
      SetCurrentRow(current_ - page);
      break;
    case Qt::Key_PageDown:
      SetCurrentRow(current_ + page);
      break;
    case Qt::Key_Home:
      SetCurrentRow(0);
      break;
    case Qt::Key_End:
      SetCurrentRow(RowCount() - 1);
      break;
    default:
      QAbstractScrollArea::keyPressEvent(event);
      return;
  }
  event->accept();
}

}  // namespace zuvar
