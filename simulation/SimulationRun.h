#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "simulation/Breakpoints.h"
#include "simulation/RunControls.h"
#include "simulation/RunHistory.h"
#include "simulation/RunObserver.h"
#include "simulation/RunState.h"
#include "simulation/SimulationEngine.h"

namespace zuvar {

class THost;
class TSimulationHost;
class TInterpreter;
class TOutputLines;
class TSchemat;
struct TSimulationOptions;

// The run of a diagram as every front end drives it: it owns the run's context and the state
// of the run, and offers start, one step, run to the end, stop and end, the check and the
// real-time run. Messages and log lines go through the THost, the canvas's part of a step
// through the TSimulationHost, and every event of the run to the observers.
class TSimulationRun {
 public:
  // How a run to the end came back.
  enum class TRunEnd {
    // The algorithm has ended: the state is Finished.
    Finished,
    // A step failed: the state is Finished.
    StepFailed,
    // A stop request ended the loop: the state is Ready.
    Stopped,
    // The run entered a block with a breakpoint: the state is Ready, the block's first line
    // not yet run.
    Breakpoint,
    // The keep-going test said no: the state is Ready.
    Halted,
    // The run was ended (and perhaps another one started) while the loop let the front end
    // work: the loop touched nothing afterwards.
    Ended,
    // Nothing was run: no run exists, or it cannot run to the end in its state.
    Refused,
  };

  TSimulationRun(THost& host, TSimulationHost& ui, TSimulationOptions& options);
  ~TSimulationRun();
  TSimulationRun(const TSimulationRun&) = delete;
  TSimulationRun& operator=(const TSimulationRun&) = delete;

  // TObservers are told in the order they were added; they must outlive the run or remove
  // themselves.
  void AddObserver(TRunObserver& observer);
  void RemoveObserver(TRunObserver& observer);

  TRunState State() const { return state_; }
  TRunControls Controls() const { return TRunControls::For(state_, CanUndo()); }
  // True while a context exists: during a run and during a check.
  bool Exists() const { return interpreter_ != nullptr; }
  TInterpreter* Interpreter() const { return interpreter_.get(); }
  TSimulationEngine& Engine() { return engine_; }
  // The diagram's breakpoints: a run to the end stops on entering a block that has one whose
  // condition holds (or that has none), as a stop request stops it; a condition that cannot be
  // evaluated stops it too, with a log line that says why. They outlast the runs; the front
  // end clears them with the diagram.
  TBreakpoints& Breakpoints() { return breakpoints_; }

  // Starts a run of the diagram (null: no diagram open) whose `write` goes to the given lines.
  // Nothing happens while a context exists. A diagram that may not run is reported, the run is
  // ended at once and the state stays Idle; true when the run is Ready.
  bool Start(TSchemat* diagram, TOutputLines* output);
  // One step. While a step is in progress this only cuts its animation short. A step that
  // fails or ends the algorithm leaves the run Finished.
  void Step();
  // Steps until the algorithm ends, a step fails, a stop is requested or keepGoing (asked
  // before every step; none: always) says no. betweenSteps (none: nothing) is called after
  // every step that went on; the front end lets pending window messages be processed there,
  // which may stop, step or end the run.
  TRunEnd RunToEnd(const std::function<bool()>& keepGoing = {},
                   const std::function<void()>& betweenSteps = {});
  // The stop request of a run to the end: inside a step it only cuts the running animation
  // short; between two steps it runs one more step. The loop stops after the step in progress.
  void Stop();
  // The real-time run of a run that exists: the real-time option is set for a run to the end,
  // the run is ended if it finished, and the option is put back as it was.
  TRunEnd RunInRealTime(const std::function<void()>& betweenSteps = {});
  // The end command: logs it and ends the run.
  void End();
  // Ends the run without a log line of its own (the program is closing).
  void Discard();
  // The step-back command: the run goes back to where it stood before its last recorded step
  // (variables, block and line, highlighted block, condition results, counters, output) and is
  // Ready. Every step is recorded, up to the history's limit (the oldest are forgotten); a
  // step made afterwards runs again, a `read` asking again. False when there is nothing to undo.
  bool StepBack();
  // The steps that can be undone; a run starts with none. A limit of 0 records nothing.
  TRunHistory& History() { return history_; }
  // Validates the diagram as a start does, says whether it may run, and ends the context.
  bool Check(TSchemat* diagram);

 private:
  // Tells each event to the observers that take it, in the order they were added.
  class TObservers : public TRunObserver {
   public:
    void Add(TRunObserver& observer);
    void Remove(TRunObserver& observer);
    void RunStarting(const TInterpreter& run) override;
    void RunStarted(const TInterpreter& run) override;
    void VariablesChanged(const TInterpreter& run) override;
    void ActiveBlockChanged(const TInterpreter& run, TNewShape* block) override;
    void LineRun(const TInterpreter& run, TNewShape* block, int line) override;
    void StepDone(const TInterpreter& run, const TStepReport& step) override;
    void RunEnded(const TInterpreter& run) override;
    void StateChanged(TRunState state) override;
    void StepUndone(const TInterpreter& run) override;

   private:
    // An observer may add another one, or remove itself, while it is told: the list is walked
    // by index.
    template <typename Call>
    void Tell(TRunEvent event, const Call& call) {
      const std::vector<TRunObserver*>& list = lists_[static_cast<std::size_t>(event)];
      for (std::size_t i = 0; i < list.size(); ++i) call(*list[i]);
    }

    std::array<std::vector<TRunObserver*>, TRunEvents::kCount> lists_;
  };

  bool Prepare(TSchemat* diagram);
  void Free();
  void PointAtFault(TSchemat* diagram);
  void SetState(TRunState state);
  int StepOnce(TInterpreter& run);
  bool CanUndo() const;
  void Log(const char* line);
  void Inform(const char* text);

  THost& host_;
  TSimulationOptions& options_;
  TObservers observers_;
  TSimulationEngine engine_;
  TBreakpoints breakpoints_;
  TRunHistory history_;
  std::unique_ptr<TInterpreter> interpreter_;
  TRunState state_ = TRunState::Idle;
  // Counts the contexts made, so that a loop can tell that its run has gone.
  std::uint64_t serial_ = 0;
  bool stopRequested_ = false;
  // A step of the run to the end in progress (its own, or one asked for meanwhile) failed.
  bool failed_ = false;
};

}  // namespace zuvar
