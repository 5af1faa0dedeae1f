#include "app/LogListModel.h"

#include <algorithm>

namespace zuvar {

TLogListModel::TLogListModel(TLogLines& lines, QObject* parent)
    : QAbstractListModel(parent),
      lines_(lines),
      noticeShown_(lines.Dropped() > 0),
      shownDropped_(lines.Dropped()),
      shown_(lines.Size() - (lines.Dropped() > 0 ? 1 : 0)) {
  lines_.AddListener(this);
}

TLogListModel::~TLogListModel() { lines_.RemoveListener(this); }

int TLogListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(shown_) + NoticeRows();
}

// Between a change of the lines and the next Flush the rows the view knows of may already be
// dropped; they read as empty until then.
QVariant TLogListModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount()) return QVariant();
  const std::size_t row = static_cast<std::size_t>(index.row());
  std::size_t item = 0;
  if (!noticeShown_ || row > 0) {
    const std::size_t line = shownDropped_ + row - static_cast<std::size_t>(NoticeRows());
    if (line < lines_.Dropped()) return QString();
    item = line - lines_.Dropped() + (lines_.Dropped() > 0 ? 1 : 0);
    if (item >= lines_.Size()) return QString();
  }
  const std::string_view text = lines_.Line(item);
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The lines are already in the list when this is told. The view learns of them once the
// program returns to its event loop, in one insertion however many lines came meanwhile, so a
// run that logs every step does not lay the list out again per line.
void TLogListModel::OnLinesAppended(std::size_t, std::size_t count) {
  if (count == 0 || flushPending_) return;
  flushPending_ = true;
  QMetaObject::invokeMethod(this, &TLogListModel::Flush, Qt::QueuedConnection);
}

void TLogListModel::Flush() {
  flushPending_ = false;
  const bool changed = lines_.Dropped() != shownDropped_ || lines_.Size() != shown_ + NoticeRows();
  if (!changed) return;
  ForgetDropped();
  ShowNotice();
  InsertNewLines();
  emit linesAppended();
}

// The rows of lines dropped since the view last heard go first.
void TLogListModel::ForgetDropped() {
  const std::size_t dropped = lines_.Dropped() - shownDropped_;
  const std::size_t removed = std::min(dropped, shown_);
  if (removed > 0) {
    beginRemoveRows(QModelIndex(), NoticeRows(), NoticeRows() + static_cast<int>(removed) - 1);
    shown_ -= removed;
    shownDropped_ += removed;
    endRemoveRows();
  }
  shownDropped_ = lines_.Dropped();
}

void TLogListModel::ShowNotice() {
  if (lines_.Dropped() == 0) return;
  if (!noticeShown_) {
    beginInsertRows(QModelIndex(), 0, 0);
    noticeShown_ = true;
    endInsertRows();
  } else {
    emit dataChanged(index(0), index(0), {Qt::DisplayRole});
  }
}

void TLogListModel::InsertNewLines() {
  const std::size_t total = lines_.Size() - static_cast<std::size_t>(NoticeRows());
  if (total <= shown_) return;
  const int first = static_cast<int>(shown_) + NoticeRows();
  beginInsertRows(QModelIndex(), first, first + static_cast<int>(total - shown_) - 1);
  shown_ = total;
  endInsertRows();
}

void TLogListModel::OnCleared() {
  beginResetModel();
  noticeShown_ = lines_.Dropped() > 0;
  shownDropped_ = lines_.Dropped();
  shown_ = lines_.Size() - static_cast<std::size_t>(NoticeRows());
  endResetModel();
}

}  // namespace zuvar
