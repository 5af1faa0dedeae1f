#pragma once

#include <QStyle>
#include <QWidget>

class QTableView;
class QToolBar;
class QToolButton;

namespace zuvar {

class TInterpreter;
class TSimulationCommands;
class TVariablesModel;
class TZUVAR;

// The simulation window: the tool bar that drives a run (start, end, next step, run to the end,
// stop, real-time run, fold) and the grid of the run's variables. It stays on top of the
// program's other windows and cannot be closed while a run exists. The main window owns it as
// a Qt child.
class TForm3 : public QWidget {
  Q_OBJECT
 public:
  TForm3(TZUVAR& window, TSimulationCommands& commands);
  ~TForm3() override;

  QToolBar* ToolBar1;
  QToolButton* SpeedButton6;   // "Uruchom  symulację"
  QToolButton* SpeedButton7;   // "Zakończ symulację"
  QToolButton* SpeedButton8;   // "Następny krok - F8"
  QToolButton* SpeedButton9;   // "Wykonaj całość"
  QToolButton* SpeedButton10;  // "Zatrzymaj symulację"
  QToolButton* SpeedButton3;   // "Uruchom i wykonaj symulację w czasie rzeczywistym!"
  QToolButton* SpeedButton1;   // "Pokaż/ukryj zmienne"
  QTableView* StringGrid1;
  TVariablesModel* Variables;

  // The unfolded size (the form's Tag and SpeedButton1's Tag).
  int UnfoldedHeight = 0;
  int UnfoldedWidth = 0;
  // SpeedButton9's Tag: the run-all loop is asked to stop.
  bool StopRequested = false;

  void FormCreate();
  void SpeedButton6Click();
  void SpeedButton7Click();
  void SpeedButton8Click();
  void SpeedButton9Click();
  void SpeedButton10Click();
  void SpeedButton3Click();
  void SpeedButton1Click();

  // A run has started: the start button off, end, step and run-all on.
  void RunStarted(const TInterpreter& run);
  // The run is about to end: the grid keeps what it shows.
  void RunEnding();
  // The run's variables may have changed.
  void VariablesChanged() const;
  // Every button as in the design state (no run).
  void ResetButtons();

  static constexpr int MinimumWidth = 220;
  static constexpr int MinimumHeight = 54;
  // One displayed frame: the grid refresh and the run-all loop's message handling.
  static constexpr int kFrameMilliseconds = 16;

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QToolButton* AddButton(const char* name, const QString& hint, QStyle::StandardPixmap glyph,
                         bool enabled);
  void BuildToolBar();
  void BuildGrid();
  void FormShow();
  void Log(const char* line);
  void EndAfterFailure();
  bool GridWheel(QWheelEvent& event);
  void FocusThis();

  TZUVAR& window_;
  TSimulationCommands& commands_;
  // A stop request that had to run a step between two steps of the run-all loop, and failed.
  bool stopStepFailed_ = false;
};

}  // namespace zuvar
