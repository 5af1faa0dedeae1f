#pragma once

#include <QStyle>
#include <QWidget>

#include "simulation/RunControls.h"
#include "simulation/RunObserver.h"

class QTableView;
class QToolBar;
class QLabel;
class QSlider;
class QToolButton;

namespace zuvar {

class TSimulationCommands;
class TVariablesModel;
class TZUVAR;

// The simulation window: the tool bar that drives a run (start, end, next step, run to the end,
// stop, real-time run, fold) and the grid of the run's variables. The buttons follow the run's
// state; the grid follows the run itself. It stays on top of the program's other windows and
// cannot be closed while a run exists. The main window owns it as
// a Qt child.
class TForm3 : public QWidget, public TRunObserver {
  Q_OBJECT
 public:
  TForm3(TZUVAR& window, TSimulationCommands& commands);
  ~TForm3() override;

  QToolBar* ToolBar1;
  QToolButton* SpeedButton6;   // "Uruchom  symulację"
  QToolButton* SpeedButton7;   // "Zakończ symulację"
  QToolButton* SpeedButton11;  // "Krok wstecz - Shift+F8"
  QToolButton* SpeedButton8;   // "Następny krok - F8"
  QToolButton* SpeedButton9;   // "Wykonaj całość"
  QToolButton* SpeedButton10;  // "Zatrzymaj symulację"
  QToolButton* SpeedButton3;   // "Uruchom i wykonaj symulację w czasie rzeczywistym!"
  QToolButton* SpeedButton1;   // "Pokaż/ukryj zmienne"
  QTableView* StringGrid1;
  TVariablesModel* Variables;
  // The pace of the animation, in a row of its own under the tool bar: from four times slower
  // to sixteen times faster than the normal pace, in steps of two.
  QWidget* SpeedRow;
  QSlider* Tempo1;
  QLabel* TempoLabel1;

  // The unfolded size (the form's Tag and SpeedButton1's Tag).
  int UnfoldedHeight = 0;
  int UnfoldedWidth = 0;

  void FormCreate();
  void SpeedButton6Click();
  void SpeedButton7Click();
  void SpeedButton8Click();
  void SpeedButton11Click();
  void SpeedButton9Click();
  void SpeedButton10Click();
  void SpeedButton3Click();
  void SpeedButton1Click();

  // Gives this window the focus if it is shown.
  void Focus();
  // The tool bar is enabled only while a diagram exists.
  void SetDiagramExists(bool exists);

  static constexpr int MinimumWidth = 220;
  static constexpr int MinimumHeight = 54;
  static constexpr int DesignButtonWidth = 33;
  static constexpr int MinimumButtonWidth = 22;
  static constexpr int ButtonHeight = 24;

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  TRunEvents Events() const override { return {TRunEvent::StateChanged, TRunEvent::StepUndone}; }
  void StateChanged(TRunState state) override;
  void StepUndone(const TInterpreter& run) override;
  void ApplyControls(const TRunControls& controls);
  QToolButton* AddButton(const char* name, const QString& hint, QStyle::StandardPixmap glyph);
  void BuildToolBar();
  void FitButtonsToMinimumWidth();
  void BuildGrid();
  void BuildSpeedRow();
  void SpeedChanged(int speed);
  void FormShow();
  bool GridWheel(QWheelEvent& event);

  TZUVAR& window_;
  TSimulationCommands& commands_;
};

}  // namespace zuvar
