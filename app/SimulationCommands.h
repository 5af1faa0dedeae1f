#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QRect>

#include "app/AppSimulationHost.h"
#include "app/CurrentLineView.h"
#include "simulation/RunControls.h"
#include "simulation/RunObserver.h"
#include "simulation/SimulationRun.h"
#include "simulation/TraceRecorder.h"

namespace zuvar {

class TForm3;
class TInterpreter;
class TZUVAR;

// The main window's simulation commands (run, real-time run, check, end, stop, the step key)
// and the simulation window's buttons, all driving the one run. What each command may do now
// follows from the run's state; the run's events lock and refresh the windows.
class TSimulationCommands : public QObject, public TRunObserver {
  Q_OBJECT
 public:
  explicit TSimulationCommands(TZUVAR& window);
  ~TSimulationCommands() override;

  void Wykonanie1Click();
  void SpeedButton3Click();
  void SpeedButton18Click();
  void Zakocz1Click();
  void Zatrzymaj1Click();
  void Steep1Click();

  // One step; a step that ends the algorithm or fails ends the run.
  void Step();
  // "Krok wstecz": undoes the last step of the run.
  void StepBack();
  // Runs to the end, letting the windows work once per displayed frame; a run that finished
  // or failed is ended, a stopped one stays.
  void RunToEnd();
  // Ends the run without a log line of its own (closing the program).
  void End();

  // The simulation window shows the run once it exists; it detaches itself when it goes.
  void SetWindow(TForm3* form) { form_ = form; }
  TForm3* Window() const { return form_; }
  TSimulationRun& Controller() { return run_; }
  // The trace of the last run, recorded whether or not its window is shown.
  TTraceRecorder& Trace() { return trace_; }

  bool Exists() const { return run_.Exists(); }
  TInterpreter* Run() const { return run_.Interpreter(); }
  TRunControls Controls() const { return run_.Controls(); }
  // Off while a step or a run to the end is in progress: the program may not close then.
  bool RealTimeButtonEnabled() const { return Controls().RealTime; }

  bool WindowVisible() const;
  void SetWindowVisible(bool visible);

  // One displayed frame: the run to the end lets the windows work this often. Twenty-five
  // frames a second follow the run smoothly and keep the buttons at hand; painting every
  // window sixty times a second took a quarter of a fast run's time.
  static constexpr int kFrameMilliseconds = 40;

 private:
  TRunEvents Events() const override { return {TRunEvent::StateChanged, TRunEvent::StepUndone}; }
  void StateChanged(TRunState state) override;
  void StepUndone(const TInterpreter& run) override;
  void ShowRunWindows();
  void SetRealTimeMark(bool checked);
  void BeginFrames();
  void BetweenSteps();
  void FocusWindow();
  // Lets the canvas raise and scroll to the active block once per frame (a real-time run) or
  // at every step again, applying what it deferred.
  void DeferCanvas(bool deferred);
  // Defers the canvas's work for as long as it lives: for the run to the end in real time.
  struct TCanvasDeferral {
    TSimulationCommands& commands;
    explicit TCanvasDeferral(TSimulationCommands& owner, bool deferred);
    ~TCanvasDeferral();
    TCanvasDeferral(const TCanvasDeferral&) = delete;
    TCanvasDeferral& operator=(const TCanvasDeferral&) = delete;
  };

  TZUVAR& window_;
  TForm3* form_ = nullptr;
  bool canvasDeferred_ = false;
  TAppSimulationHost ui_;
  TCurrentLineView currentLine_;
  // Declared before the run, which tells it of the run's end when it goes.
  TTraceRecorder trace_;
  TSimulationRun run_;
  // The frame of the run to the end in progress, and its steps since the clock was last read.
  QElapsedTimer frame_;
  unsigned steps_ = 0;
};

}  // namespace zuvar
