#pragma once

#include <QAbstractTableModel>
#include <QTimer>
#include <vector>

#include "interpreter/VariablesGrid.h"
#include "simulation/RunObserver.h"

namespace zuvar {

class TInterpreter;
class TSimulationRun;

// The rows of the variables grid, read from the run when the view needs them. The model
// listens to the run: a change of the variables only marks it stale, and the rows are built
// again at most once per displayed frame, so a run never pays for widgets. It shows the run that
// started last, and keeps its rows when that run ends; a check or a run that could not start
// leaves it as it was. The title row is the grid's header; the first column is the fixed one.
class TVariablesModel : public QAbstractTableModel, public TRunObserver {
  Q_OBJECT
 public:
  explicit TVariablesModel(QObject* parent = nullptr);
  ~TVariablesModel() override;

  // The run whose runs are shown, or none.
  void Follow(TSimulationRun* run);

  // The run whose variables are shown, or none. Detaching keeps the rows last shown.
  void SetRun(const TInterpreter* run);
  // The variables may have changed: the rows are read again within one frame.
  void MarkStale();
  // Reads the rows now, if the model is stale.
  void Refresh();
  // Only the title row and one empty row.
  void Clear();
  bool Stale() const { return stale_; }
  // Number of times the rows were read from a run.
  int Refreshes() const { return refreshes_; }

  const std::vector<TGridRow>& Rows() const { return rows_; }

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;

  static constexpr int FrameMilliseconds = 16;

 private:
  TRunEvents Events() const override {
    return {TRunEvent::StateChanged, TRunEvent::VariablesChanged, TRunEvent::RunEnded};
  }
  void StateChanged(TRunState state) override;
  void VariablesChanged(const TInterpreter& run) override;
  void RunEnded(const TInterpreter& run) override;
  void Replace(std::vector<TGridRow> rows);

  TSimulationRun* followed_ = nullptr;
  const TInterpreter* run_ = nullptr;
  std::vector<TGridRow> rows_;
  QTimer frame_;
  bool stale_ = false;
  int refreshes_ = 0;
};

}  // namespace zuvar
