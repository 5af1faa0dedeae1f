#include "app/TraceModel.h"

#include "simulation/TraceBuffer.h"
#include "simulation/TraceColumns.h"

namespace zuvar {

TTraceModel::TTraceModel(const TTraceBuffer& rows, QObject* parent)
    : QAbstractTableModel(parent), rows_(rows) {
  generation_ = rows_.Generation();
  first_ = rows_.FirstKept();
  count_ = static_cast<int>(rows_.Size());
}

TTraceModel::~TTraceModel() = default;

int TTraceModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : count_; }

int TTraceModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : TraceColumns::kCount;
}

// A row the view still shows may have left the trace since the last Sync: it shows nothing.
QString TTraceModel::CellText(int row, int column) const {
  const std::uint64_t number = first_ + static_cast<std::uint64_t>(row);
  if (rows_.Generation() != generation_ || number < rows_.FirstKept() || number >= rows_.Added())
    return {};
  cell_.clear();
  TraceColumns::AppendCell(rows_.At(static_cast<std::size_t>(number - rows_.FirstKept())), column,
                           cell_);
  return QString::fromUtf8(cell_.data(), static_cast<qsizetype>(cell_.size()));
}

QVariant TTraceModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const int column = index.column();
  const bool number = column == TraceColumns::Step || column == TraceColumns::Line;
  if (role == Qt::TextAlignmentRole)
    return QVariant::fromValue(Qt::AlignVCenter | (number ? Qt::AlignRight : Qt::AlignLeft));
  if (role != Qt::DisplayRole && role != Qt::ToolTipRole) return {};
  QString text = CellText(index.row(), column);
  // A cell is one line: a line break written by the algorithm shows as the language writes it.
  if (role == Qt::DisplayRole) text.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
  if (role == Qt::ToolTipRole && text.isEmpty()) return {};
  return text;
}

QVariant TTraceModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  const std::string_view title = TraceColumns::Title(section);
  return QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size()));
}

void TTraceModel::Reset() {
  beginResetModel();
  generation_ = rows_.Generation();
  first_ = rows_.FirstKept();
  count_ = static_cast<int>(rows_.Size());
  endResetModel();
}

bool TTraceModel::Sync() {
  const std::uint64_t shownEnd = first_ + static_cast<std::uint64_t>(count_);
  if (rows_.Generation() != generation_ || rows_.FirstKept() >= shownEnd) {
    if (count_ == 0 && rows_.Empty() && rows_.Generation() == generation_) return false;
    Reset();
    return true;
  }
  const auto dropped = static_cast<int>(rows_.FirstKept() - first_);
  const auto added = static_cast<int>(rows_.Added() - shownEnd);
  if (dropped > 0) {
    beginRemoveRows(QModelIndex(), 0, dropped - 1);
    first_ += static_cast<std::uint64_t>(dropped);
    count_ -= dropped;
    endRemoveRows();
  }
  if (added > 0) {
    beginInsertRows(QModelIndex(), count_, count_ + added - 1);
    count_ += added;
    endInsertRows();
  }
  return dropped > 0 || added > 0;
}

}  // namespace zuvar
