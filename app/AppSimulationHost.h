#pragma once

#include "model/Drawing.h"
#include "simulation/RunObserver.h"
#include "simulation/SimulationHost.h"

namespace zuvar {

class TSchematView;
class TZUVAR;

// How a run reaches the program's windows: the canvas's active block and scrolling, the
// animation's pauses and its travelling ball, and the one place where pending window messages
// are processed during a run. As an observer of the run it decides what a run locks: while a
// run exists the editing menus and the sheet are disabled and the source editor is read-only,
// and once it has started the main tool bar is hidden.
class TAppSimulationHost : public TSimulationHost, public TRunObserver {
 public:
  explicit TAppSimulationHost(TZUVAR& window) : window_(window) {}

  // TSimulationHost
  void SetActiveBlock(TSchemat& diagram, TNewShape* block) override;
  void ScrollIntoView(const TRect& area) override;
  void Sleep(unsigned milliseconds) override;
  void BusyWait(unsigned milliseconds) override;
  void ProcessMessages() override;
  void ShowBall(const TRect& bounds) override;
  void RemoveBall() override;

  // TRunObserver
  TRunEvents Events() const override {
    return {TRunEvent::RunStarting, TRunEvent::RunStarted, TRunEvent::RunEnded};
  }
  void RunStarting(const TInterpreter& run) override;
  void RunStarted(const TInterpreter& run) override;
  void RunEnded(const TInterpreter& run) override;

 private:
  void SetEditingMenus(bool enabled);
  void SetSheetEnabled(bool enabled);

  // The last area scrolled into view, on which canvas, its scroll position, size and zoom.
  struct TScrolled {
    const TSchematView* Canvas = nullptr;
    TRect Area;
    int Horz = 0;
    int Vert = 0;
    int Width = 0;
    int Height = 0;
    double Zoom = 1;
    bool operator==(const TScrolled&) const = default;
  };
  static TScrolled Scrolled(const TSchematView& canvas, const TRect& area);

  TZUVAR& window_;
  TScrolled scrolled_;
};

}  // namespace zuvar
