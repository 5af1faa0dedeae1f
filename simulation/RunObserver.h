#pragma once

#include "simulation/RunEvents.h"
#include "simulation/RunState.h"
#include "simulation/StepReport.h"

namespace zuvar {

class TInterpreter;
class TNewShape;

// What a run tells the user interface. The engine reports the run's own events; the run
// controller adds its state changes. Every method does nothing unless overridden, so an
// observer takes only what it needs; one that names the events it takes in Events() is not told
// the others at all, which spares a fast run a call per observer and step. A check (validation
// without a run) reports RunStarting, RunStarted when the diagram is valid, and RunEnded, while its
// state stays Idle.
class TRunObserver {
 public:
  virtual ~TRunObserver() = default;

  // The events this observer takes: those it overrides. Asked once, when it is added to a run.
  virtual TRunEvents Events() const { return TRunEvents::All(); }

  // A run is being prepared: from now until RunEnded the diagram is not to be edited. Comes
  // before the validation reports anything.
  virtual void RunStarting(const TInterpreter& /*run*/) {}
  // The diagram passed validation: the run may go on.
  virtual void RunStarted(const TInterpreter& /*run*/) {}
  // The run's variables may have changed (after a declaration or an expression statement, and
  // when the run starts).
  virtual void VariablesChanged(const TInterpreter& /*run*/) {}
  // A step has moved the execution to another block. Undoing the first step of a run gives no
  // block: none is executing then.
  virtual void ActiveBlockChanged(const TInterpreter& /*run*/, TNewShape* /*block*/) {}
  // A step shows the block executing and runs its line `line` (counted from 1), or 0 when the
  // step runs none of its lines: a block without code, or a stop on entering the block before
  // its first line.
  virtual void LineRun(const TInterpreter& /*run*/, TNewShape* /*block*/, int /*line*/) {}
  // A step has been run (or failed); the variables it changed are the run's Changes(). A step
  // that only cut an animation short, or found the algorithm already ended, is not told.
  virtual void StepDone(const TInterpreter& /*run*/, const TStepReport& /*step*/) {}
  // A step was undone: the run stands where it stood before that step (its variables and
  // block have been told already). The history that remains may have become empty.
  virtual void StepUndone(const TInterpreter& /*run*/) {}
  // The run ends: its variables are still as the run left them, and right after this the
  // diagram and the editor are given back.
  virtual void RunEnded(const TInterpreter& /*run*/) {}
  // The run controller moved to another state.
  virtual void StateChanged(TRunState /*state*/) {}
};

}  // namespace zuvar
