#pragma once

#include <functional>
#include <string>
#include <vector>

#include "simulation/ActiveBlockHighlight.h"
#include "interpreter/Interpreter.h"
#include "model/NewShape.h"
#include "simulation/SimulationHost.h"

namespace zuvar::test {

// A simulation host that records every effect on the user interface as a short text, never
// waits, and can run a callback whenever the engine lets pending messages be processed (to
// request a nested step, as a key press during an animation would).
class RecordingSimulationHost : public SimulationHost {
 public:
  void LockEditing() override { events.push_back("lock"); }
  void UnlockEditing() override { events.push_back("unlock"); }
  void SetSheetEnabled(bool enabled) override {
    events.push_back(enabled ? "sheet on" : "sheet off");
  }
  void HideToolBar() override { events.push_back("hide toolbar"); }
  void SetActiveBlock(TSchemat& diagram, TNewShape* block) override {
    events.push_back("active " + (block ? std::to_string(block->Id) : std::string("none")));
    ActiveBlockHighlight::Apply(diagram, block);
  }
  void ScrollIntoView(const TRect&) override { ++scrolls; }
  void ShowVariables(const TInterpreter& interpreter) override {
    ++variableRefreshes;
    lastVariableCount = interpreter.VariableCount();
  }
  void Sleep(unsigned milliseconds) override { sleeps.push_back(milliseconds); }
  void BusyWait(unsigned milliseconds) override { waited += milliseconds; }
  void ProcessMessages() override {
    ++messageRounds;
    if (onProcessMessages) onProcessMessages();
  }
  void ShowBall(const TRect& bounds) override { balls.push_back(bounds); }
  void RemoveBall() override { ++ballsRemoved; }

  // Only the events of the lock, sheet, tool bar and active block calls.
  std::vector<std::string> events;
  std::vector<unsigned> sleeps;
  std::vector<TRect> balls;
  unsigned waited = 0;
  int scrolls = 0;
  int messageRounds = 0;
  int ballsRemoved = 0;
  int variableRefreshes = 0;
  std::size_t lastVariableCount = 0;
  std::function<void()> onProcessMessages;
};

}  // namespace zuvar::test
