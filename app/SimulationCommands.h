#pragma once

#include <QObject>
#include <QRect>
#include <memory>

#include "app/AppSimulationHost.h"

namespace zuvar {

class TForm3;
class TInterpreter;
class TSimulationEngine;
class TZUVAR;

// Run, real-time run and check, and the run in progress with the state of the simulation
// controls (start, end, next step, run to the end, stop, real-time run). The controls' state
// is what the "Symulacja" menu and the close request read.
class TSimulationCommands : public QObject {
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

  // The controls of the run.
  void Step();
  void RunToEnd();
  void End();

  // The simulation window drives the run once it exists; it detaches itself when it goes.
  void SetWindow(TForm3* form) { form_ = form; }
  TForm3* Window() const { return form_; }
  TSimulationEngine& Engine() { return *engine_; }
  // Ends the run (StopSimulation with the context freed); the grid keeps its last rows.
  void EndRun();
  // The run's variables may have changed.
  void VariablesChanged();

  bool Exists() const { return run_ != nullptr; }
  TInterpreter* Run() const { return run_.get(); }
  bool StartButtonEnabled() const;
  bool EndButtonEnabled() const;
  bool StepButtonEnabled() const;
  bool StopButtonEnabled() const;
  bool RealTimeButtonEnabled() const;

  bool WindowVisible() const;
  void SetWindowVisible(bool visible);

 private:
  bool Prepare();
  void ShowRunWindows();
  void ResetControls();
  void Log(const char* line);
  void Inform(const char* text);

  TZUVAR& window_;
  TForm3* form_ = nullptr;
  TAppSimulationHost ui_;
  std::unique_ptr<TSimulationEngine> engine_;
  std::unique_ptr<TInterpreter> run_;
  bool startEnabled_ = true;
  bool endEnabled_ = false;
  bool stepEnabled_ = false;
  bool runAllEnabled_ = false;
  bool stopEnabled_ = false;
  bool realTimeEnabled_ = true;
  bool stopRequested_ = false;
};

}  // namespace zuvar
