#pragma once

#include "simulation/RunObserver.h"
#include "simulation/SimulationHost.h"

namespace zuvar {

class TZUVAR;

// How a run reaches the program's windows: the canvas's active block and scrolling, the
// animation's pauses and its travelling ball, and the one place where pending window messages
// are processed during a run. As an observer of the run it decides what a run locks: while a
// run exists the editing menus and the sheet are disabled and the source editor is read-only,
// and once it has started the main tool bar is hidden.
class TAppSimulationHost : public SimulationHost, public TRunObserver {
 public:
  explicit TAppSimulationHost(TZUVAR& window) : window_(window) {}

  // SimulationHost
  void SetActiveBlock(TSchemat& diagram, TNewShape* block) override;
  void ScrollIntoView(const TRect& area) override;
  void Sleep(unsigned milliseconds) override;
  void BusyWait(unsigned milliseconds) override;
  void ProcessMessages() override;
  void ShowBall(const TRect& bounds) override;
  void RemoveBall() override;

  // TRunObserver
  void RunStarting(const TInterpreter& run) override;
  void RunStarted(const TInterpreter& run) override;
  void RunEnded(const TInterpreter& run) override;

 private:
  void SetEditingMenus(bool enabled);
  void SetSheetEnabled(bool enabled);
  TZUVAR& window_;
};

}  // namespace zuvar
