#pragma once

#include <QAbstractTableModel>
#include <cstdint>
#include <string>

namespace zuvar {

class TTraceBuffer;

// The rows of a run's trace as a table model. It does not follow the trace by itself: Sync
// brings the rows shown up to the trace in one batch (the rows dropped from the front go, the
// new ones come), so that a fast run costs the view nothing between two looks.
class TTraceModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  explicit TTraceModel(const TTraceBuffer& rows, QObject* parent = nullptr);
  ~TTraceModel() override;

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  // Announces what changed in the trace since the last call; true when anything did.
  bool Sync();

 private:
  QString CellText(int row, int column) const;
  void Reset();

  const TTraceBuffer& rows_;
  // The rows the view knows of: their count and the trace's number of the first one.
  std::uint64_t generation_ = 0;
  std::uint64_t first_ = 0;
  int count_ = 0;
  mutable std::string cell_;
};

}  // namespace zuvar
