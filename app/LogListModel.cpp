#include "LogListModel.h"

namespace zuvar {

TLogListModel::TLogListModel(TLogLines& lines, QObject* parent)
    : QAbstractListModel(parent), lines_(lines) {
  lines_.AddListener(this);
}

TLogListModel::~TLogListModel() { lines_.RemoveListener(this); }

int TLogListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(lines_.Size());
}

QVariant TLogListModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount()) return QVariant();
  return QString::fromStdString(lines_.Lines()[static_cast<std::size_t>(index.row())]);
}

// The lines are already in the list when this is told, so the rows are announced afterwards.
void TLogListModel::OnLinesAppended(std::size_t first, std::size_t count) {
  if (count == 0) return;
  beginInsertRows(QModelIndex(), static_cast<int>(first), static_cast<int>(first + count - 1));
  endInsertRows();
  emit linesAppended();
}

void TLogListModel::OnCleared() {
  beginResetModel();
  endResetModel();
}

}  // namespace zuvar
