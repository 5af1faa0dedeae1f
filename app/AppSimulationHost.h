#pragma once

#include "simulation/SimulationHost.h"

namespace zuvar {

class TZUVAR;

// How a run reaches the program's windows: locking the editing commands, the canvas's active
// block and scrolling, the animation's pauses and its travelling ball.
class TAppSimulationHost : public SimulationHost {
 public:
  explicit TAppSimulationHost(TZUVAR& window) : window_(window) {}

  void LockEditing() override;
  void UnlockEditing() override;
  void SetSheetEnabled(bool enabled) override;
  void HideToolBar() override;
  void SetActiveBlock(TSchemat& diagram, TNewShape* block) override;
  void ScrollIntoView(const TRect& area) override;
  void ShowVariables(const TInterpreter& interpreter) override;
  void Sleep(unsigned milliseconds) override;
  void BusyWait(unsigned milliseconds) override;
  void ProcessMessages() override;
  void ShowBall(const TRect& bounds) override;
  void RemoveBall() override;

 private:
  void SetEditingMenus(bool enabled);
  TZUVAR& window_;
};

}  // namespace zuvar
