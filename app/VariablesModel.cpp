#include "app/VariablesModel.h"

#include <QBrush>
#include <QColor>

#include "simulation/SimulationRun.h"

namespace zuvar {

namespace {
std::vector<TGridRow> TitleRows() { return {TGridRow{"Nazwa zmiennej", "Wartość"}, TGridRow{}}; }

QString FromUtf8(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
}  // namespace

TVariablesModel::TVariablesModel(QObject* parent)
    : QAbstractTableModel(parent), rows_(TitleRows()) {
  frame_.setSingleShot(true);
  frame_.setInterval(FrameMilliseconds);
  connect(&frame_, &QTimer::timeout, this, &TVariablesModel::Refresh);
}

TVariablesModel::~TVariablesModel() { Follow(nullptr); }

void TVariablesModel::Follow(TSimulationRun* run) {
  if (followed_ != nullptr) followed_->RemoveObserver(*this);
  followed_ = run;
  if (followed_ != nullptr) followed_->AddObserver(*this);
}

// A run that has started (a check never leaves Idle) is shown from its first state on.
void TVariablesModel::StateChanged(TRunState state) {
  if (run_ != nullptr || state == TRunState::Idle || followed_ == nullptr) return;
  const TInterpreter* run = followed_->Interpreter();
  if (run == nullptr) return;
  SetRun(run);
  MarkStale();
}

void TVariablesModel::VariablesChanged(const TInterpreter& run) {
  if (&run == run_) MarkStale();
}

// The run's variables are still there: the rows keep them.
void TVariablesModel::RunEnded(const TInterpreter& run) {
  if (&run == run_) SetRun(nullptr);
}

void TVariablesModel::SetRun(const TInterpreter* run) {
  if (run_ != nullptr && run == nullptr) Refresh();
  run_ = run;
  if (run_ == nullptr) {
    stale_ = false;
    frame_.stop();
  }
}

void TVariablesModel::MarkStale() {
  stale_ = true;
  if (!frame_.isActive()) frame_.start();
}

void TVariablesModel::Refresh() {
  if (!stale_) return;
  stale_ = false;
  frame_.stop();
  if (run_ == nullptr) return;
  ++refreshes_;
  Replace(VariablesGrid::Rows(*run_));
}

void TVariablesModel::Clear() {
  stale_ = false;
  frame_.stop();
  Replace(TitleRows());
}

void TVariablesModel::Replace(std::vector<TGridRow> rows) {
  if (rows.size() < 2) rows.resize(2);
  if (rows.size() == rows_.size()) {
    // Same shape: only the rows that changed are repainted, and nothing when none did.
    std::size_t first = 1;
    while (first < rows.size() && rows[first] == rows_[first]) ++first;
    std::size_t last = rows.size();
    while (last > first && rows[last - 1] == rows_[last - 1]) --last;
    const bool titles = !(rows[0] == rows_[0]);
    rows_.swap(rows);
    if (titles) emit headerDataChanged(Qt::Horizontal, 0, 1);
    if (first < last)
      emit dataChanged(index(static_cast<int>(first) - 1, 0), index(static_cast<int>(last) - 2, 1));
    return;
  }
  beginResetModel();
  rows_ = std::move(rows);
  endResetModel();
}

int TVariablesModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size()) - 1;
}

int TVariablesModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : 2;
}

QVariant TVariablesModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() + 1 >= static_cast<int>(rows_.size())) return {};
  const TGridRow& row = rows_[static_cast<std::size_t>(index.row()) + 1];
  if (role == Qt::DisplayRole) return FromUtf8(index.column() == 0 ? row.Name : row.Value);
  // The first column is the grid's fixed column.
  if (role == Qt::BackgroundRole && index.column() == 0) return QBrush(QColor(212, 208, 200));
  return {};
}

QVariant TVariablesModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 || section > 1)
    return QAbstractTableModel::headerData(section, orientation, role);
  return FromUtf8(section == 0 ? rows_[0].Name : rows_[0].Value);
}

}  // namespace zuvar
