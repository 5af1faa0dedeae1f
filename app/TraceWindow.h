#pragma once

#include <QString>
#include <QTimer>
#include <QWidget>

#include "simulation/RunObserver.h"

class QMenuBar;
class QTableView;

namespace zuvar {

class TDialogs;
class TSimulationRun;
class TTraceModel;
class TTraceRecorder;

// The trace window: a tool window with the table of the run's steps (step, block, line, code,
// the variables changed and the text written) and the menu "Plik" (export to a CSV file, close).
// While shown it follows the run: the table takes the new rows a few times a second and after
// every change of the run's state, and keeps the last row in view when it was there. The trace
// takes rows only while the window is shown (a minimized main window hides it, but that does not
// count): an unwatched run pays nothing for it. Closing only hides it. It observes the run
// controller from its making to its end, so it must go before the controller.
class TTraceWindow : public QWidget, public TRunObserver {
  Q_OBJECT
 public:
  TTraceWindow(TSimulationRun& run, TTraceRecorder& recorder, TDialogs& dialogs,
               QWidget* parent = nullptr);
  ~TTraceWindow() override;

  QMenuBar* MainMenu1;
  QTableView* Table;

  TTraceModel& Model() { return *model_; }
  // Takes the trace's new rows into the table now.
  void Follow();
  // Asks for a file name and writes the trace there as CSV; false when cancelled or failed.
  bool ExportClick();

  // How often the table looks for new rows while the window is shown.
  static constexpr int kFollowMilliseconds = 200;
  static constexpr const char* DefaultFileName = "sledzenie.csv";

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  TRunEvents Events() const override { return {TRunEvent::StateChanged}; }
  void StateChanged(TRunState state) override;
  void BuildMenu();
  void BuildTable();
  bool WriteTo(const QString& fileName);

  TSimulationRun& run_;
  TTraceRecorder& recorder_;
  TDialogs& dialogs_;
  TTraceModel* model_;
  QTimer follow_;
  QString fileName_;
};

}  // namespace zuvar
