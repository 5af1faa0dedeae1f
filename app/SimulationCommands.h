#pragma once

#include <QObject>
#include <QRect>
#include <memory>

#include "AppSimulationHost.h"

namespace zuvar {

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
  void Zakocz1Click() { End(); }
  void Zatrzymaj1Click();
  void Steep1Click();

  // The controls of the run.
  void Step();
  void RunToEnd();
  void End();

  bool Exists() const { return run_ != nullptr; }
  TInterpreter* Run() const { return run_.get(); }
  bool StartButtonEnabled() const { return startEnabled_; }
  bool EndButtonEnabled() const { return endEnabled_; }
  bool StepButtonEnabled() const { return stepEnabled_; }
  bool StopButtonEnabled() const { return stopEnabled_; }
  bool RealTimeButtonEnabled() const { return realTimeEnabled_; }

  // The simulation window joins here; until then it is neither shown nor placed.
  bool WindowVisible() const { return false; }
  void SetWindowVisible(bool) {}
  void PlaceWindow(const QRect&, int) {}

 private:
  bool Prepare();
  void ShowRunWindows();
  void ResetControls();
  void Log(const char* line);
  void Inform(const char* text);

  TZUVAR& window_;
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
