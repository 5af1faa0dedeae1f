#include "app/LogListModel.h"

namespace zuvar {

TLogListModel::TLogListModel(TLogLines& lines, QObject* parent)
    : QAbstractListModel(parent), lines_(lines), shown_(lines.Size()) {
  lines_.AddListener(this);
}

TLogListModel::~TLogListModel() { lines_.RemoveListener(this); }

int TLogListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(shown_);
}

QVariant TLogListModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount()) return QVariant();
  const std::string_view line = lines_.Line(static_cast<std::size_t>(index.row()));
  return QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size()));
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
  const std::size_t total = lines_.Size();
  if (total <= shown_) return;
  beginInsertRows(QModelIndex(), static_cast<int>(shown_), static_cast<int>(total - 1));
  shown_ = total;
  endInsertRows();
  emit linesAppended();
}

void TLogListModel::OnCleared() {
  beginResetModel();
  shown_ = lines_.Size();
  endResetModel();
}

}  // namespace zuvar
