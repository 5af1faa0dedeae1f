#pragma once

#include <functional>
#include <string>
#include <vector>

#include "interpreter/Interpreter.h"
#include "model/NewShape.h"
#include "simulation/ActiveBlockHighlight.h"
#include "simulation/RunObserver.h"
#include "simulation/SimulationHost.h"

namespace zuvar::test {

// A simulation host and run observer that records every effect on the user interface and
// every event of a run as a short text, never waits, and can run a callback whenever the engine
// lets pending messages be processed (to request a nested step, as a key press during an
// animation would).
class TRecordingSimulationHost : public TSimulationHost, public TRunObserver {
 public:
  void RunStarting(const TInterpreter&) override { events.push_back("run starting"); }
  void RunStarted(const TInterpreter&) override { events.push_back("run started"); }
  void RunEnded(const TInterpreter& interpreter) override {
    events.push_back("run ended");
    variablesAtEnd = interpreter.VariableCount();
  }
  void ActiveBlockChanged(const TInterpreter&, TNewShape* block) override {
    executed.push_back(block);
  }
  void StateChanged(TRunState state) override { states.push_back(state); }
  void SetActiveBlock(TSchemat& diagram, TNewShape* block) override {
    events.push_back("active " + (block ? std::to_string(block->Id) : std::string("none")));
    ActiveBlockHighlight::Apply(diagram, block);
  }
  void ScrollIntoView(const TRect&) override { ++scrolls; }
  void VariablesChanged(const TInterpreter& interpreter) override {
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

  // Only the events of the run's start and end and the active block calls.
  std::vector<std::string> events;
  // The blocks that steps moved the execution to, in order.
  std::vector<TNewShape*> executed;
  std::vector<TRunState> states;
  std::size_t variablesAtEnd = 0;
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
