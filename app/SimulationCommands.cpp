#include "app/SimulationCommands.h"

#include <QAction>
#include <QSignalBlocker>

#include "app/LogWindow.h"
#include "app/MainWindow.h"
#include "app/OutputPanel.h"
#include "app/SimulationWindow.h"
#include "app/ZuvarApp.h"
#include "editor/SchematView.h"
#include "interpreter/Interpreter.h"

namespace zuvar {

TSimulationCommands::TSimulationCommands(TZUVAR& window)
    : window_(window),
      ui_(window),
      currentLine_(window),
      run_(window.App().AppHost(), ui_, window.App().Options.Simulation) {
  run_.AddObserver(ui_);
  run_.AddObserver(currentLine_);
  run_.AddObserver(*this);
  run_.AddObserver(trace_);
  // The trace window turns the recording on while it is shown.
  trace_.SetRecording(false);
}

TSimulationCommands::~TSimulationCommands() {
  run_.Discard();
  run_.RemoveObserver(*this);
}

void TSimulationCommands::StateChanged(TRunState state) {
  window_.Menu.Wykonanie1->setEnabled(TRunControls::For(state).Start);
  window_.Menu.Krokwstecz1->setEnabled(Controls().StepBack);
}

// The run's state may stay Ready while the history runs out.
void TSimulationCommands::StepUndone(const TInterpreter& /*run*/) {
  window_.Menu.Krokwstecz1->setEnabled(Controls().StepBack);
}

bool TSimulationCommands::WindowVisible() const { return form_ != nullptr && form_->isVisible(); }

void TSimulationCommands::SetWindowVisible(bool visible) {
  if (form_ != nullptr) form_->setVisible(visible);
}

void TSimulationCommands::FocusWindow() {
  if (form_ != nullptr) form_->Focus();
}

// ---- commands -------------------------------------------------------------------------------

void TSimulationCommands::Wykonanie1Click() {
  if (run_.Exists()) return;
  TSchematView* canvas = window_.Schemat();
  if (!run_.Start(canvas != nullptr ? &canvas->Document() : nullptr, &window_.Frame1->Lines()))
    return;
  ShowRunWindows();
}

void TSimulationCommands::ShowRunWindows() {
  window_.Menu.Interpretator1->setChecked(true);
  if (form_ != nullptr) {
    form_->show();
    form_->raise();
    form_->activateWindow();
  }
  window_.Menu.Standardowewyjcie1->setChecked(true);
  window_.SetOutputVisible(true);
  if (window_.OutputHeight() <= 1) window_.SetOutputHeight(82);
  TForm5* log = window_.App().LogWindow();
  if (log != nullptr && !log->HiddenOnce()) {
    window_.Menu.PlikLog1->setChecked(true);
    log->show();
  }
}

// The check mark follows the option that the run sets and puts back; the mark's own handler
// would set the option, so it is kept out meanwhile.
void TSimulationCommands::SetRealTimeMark(bool checked) {
  const QSignalBlocker blocker(window_.Menu.Trybrzeczywisty1);
  window_.Menu.Trybrzeczywisty1->setChecked(checked);
}

void TSimulationCommands::SpeedButton3Click() {
  Wykonanie1Click();
  if (!Controls().RealTime) return;  // no run, or one that is stepping already
  SetRealTimeMark(true);
  BeginFrames();
  const TCanvasDeferral deferral(*this, true);
  run_.RunInRealTime([this] { BetweenSteps(); });
  SetRealTimeMark(window_.App().Options.Simulation.RealTime);
}

void TSimulationCommands::SpeedButton18Click() {
  TSchematView* canvas = window_.Schemat();
  run_.Check(canvas != nullptr ? &canvas->Document() : nullptr);
}

void TSimulationCommands::Zakocz1Click() {
  if (Controls().End) run_.End();
}

void TSimulationCommands::Zatrzymaj1Click() { run_.Stop(); }

void TSimulationCommands::Steep1Click() { Step(); }

void TSimulationCommands::Step() {
  if (!Controls().Step) return;
  run_.Step();
  if (run_.State() == TRunState::Finished)
    run_.End();
  else
    FocusWindow();
}

void TSimulationCommands::StepBack() {
  if (!Controls().StepBack) return;
  run_.StepBack();
  FocusWindow();
}

void TSimulationCommands::RunToEnd() {
  if (!Controls().RunToEnd) return;
  BeginFrames();
  const TCanvasDeferral deferral(*this, window_.App().Options.Simulation.RealTime);
  const TSimulationRun::TRunEnd end = run_.RunToEnd({}, [this] { BetweenSteps(); });
  if (end != TSimulationRun::TRunEnd::Ended && run_.State() == TRunState::Finished) run_.End();
}

void TSimulationCommands::End() { run_.Discard(); }

// ---- frames of a run to the end ---------------------------------------------------------------

void TSimulationCommands::BeginFrames() {
  steps_ = 0;
  frame_.start();
}

// Pending messages are handled once per displayed frame rather than after every step: the
// buttons and keys stay as usable, and a fast run does not repaint the windows per step. The
// clock is read every few steps only: reading it can cost more than a fast step, and a slow
// step (an animated link) handles the messages itself while it waits.
void TSimulationCommands::BetweenSteps() {
  constexpr unsigned kStepsPerClockReading = 16;
  const TInterpreter* run = run_.Interpreter();
  const bool finished = run != nullptr && run->Finished;
  if (!finished && (++steps_ % kStepsPerClockReading != 0 || frame_.elapsed() < kFrameMilliseconds))
    return;
  // The windows' messages see the canvas as the steps left it, and act on it directly.
  const bool deferred = canvasDeferred_;
  DeferCanvas(false);
  FocusWindow();
  ui_.ProcessMessages();
  DeferCanvas(deferred);
  frame_.restart();
}

void TSimulationCommands::DeferCanvas(bool deferred) {
  canvasDeferred_ = deferred;
  if (TSchematView* canvas = window_.Schemat()) canvas->SetDeferred(deferred);
}

TSimulationCommands::TCanvasDeferral::TCanvasDeferral(TSimulationCommands& owner, bool deferred)
    : commands(owner) {
  commands.DeferCanvas(deferred);
}

TSimulationCommands::TCanvasDeferral::~TCanvasDeferral() { commands.DeferCanvas(false); }

}  // namespace zuvar
