#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "interpreter/VariablesListener.h"
#include "simulation/OutputMark.h"

namespace zuvar {

class THost;
class TSimulationHost;
class TInterpreter;
class TRunObserver;
class TLink;
class TNewShape;
class TSchemat;
struct TSimulationOptions;

// Runs a diagram as a program: prepares and validates a run, advances it one step at a time
// (one code line, or the move from a finished block to the next one with the link animation)
// and ends it. Messages and log lines go through the THost, the canvas's part of a step through
// the TSimulationHost, and the events of the run (started, ended, variables changed, another
// block executed) to the observer. One engine serves every run of a front end; at most one run
// exists at a time.
class TSimulationEngine {
 public:
  TSimulationEngine(THost& host, TSimulationHost& ui, const TSimulationOptions& options);
  ~TSimulationEngine();
  TSimulationEngine(const TSimulationEngine&) = delete;
  TSimulationEngine& operator=(const TSimulationEngine&) = delete;

  // The one observer told of every event of a run (none: nobody is told).
  void SetObserver(TRunObserver* observer) { observer_ = observer; }

  // Starts a run on the diagram (null: no diagram open). Leaves StartError 0 when the run may
  // proceed, else 1, 2 or 3 after reporting why; the caller then ends the run at once.
  void PrepareSimulation(TInterpreter& interpreter, TSchemat* diagram);
  // Gives every field of the run its start value.
  void ResetInterpreter(TInterpreter& interpreter);
  // One step: 1 to go on, 0 when the step failed (the caller then ends the run). Finished = 1
  // after a step means that the algorithm has ended. A step requested while another one is in
  // progress (from within the animation's message processing) only sets StepInterrupt.
  int Step(TInterpreter& interpreter);
  // The animation of a link being passed: three blinks, then the travelling ball.
  void AnimateLink(TInterpreter& interpreter, TLink* link);
  // Ends a run and gives the diagram back; frees the context when asked.
  void StopSimulation(std::unique_ptr<TInterpreter>& interpreter, bool freeContext);

  // True while a step is in progress.
  bool Stepping() const { return stepping_; }

  // What the engine itself keeps of where a run stands, besides the context's fields.
  struct TPosition {
    // The continuation block reached by the last jump (it follows its own exit).
    TNewShape* JumpedTo = nullptr;
    // The block shown as executing (none before the first step).
    TNewShape* Shown = nullptr;
  };
  TPosition Position() const { return TPosition{jumpedTo_, shown_}; }
  // Puts the engine back at an earlier position of the run and shows it: the block shown then
  // is filled red again as the active block (none: the block active before the run is active
  // again), and the observer hears of the change of block.
  void RestorePosition(TInterpreter& interpreter, const TPosition& position);

  // Asked whenever a step moves the execution into another block (none: never): true stops
  // the step there, with the block shown but its first line not yet run, so that the next step
  // runs that line.
  void SetBreakTest(std::function<bool(TNewShape&)> test) { breakTest_ = std::move(test); }
  // Whether the last step stopped at a block because the break test said so.
  bool StoppedAtBreak() const { return stoppedAtBreak_; }

  // The block at which the last start that failed validation found its error (a faulty
  // connection, or the line of code the check pass refused); none when the error concerns the
  // diagram as a whole or the start did not fail.
  TNewShape* FaultBlock() const { return faultBlock_; }
  // Makes the block the canvas's active block and scrolls it into view.
  void PointAtBlock(TSchemat& diagram, TNewShape& block);
  // The line (from 1) of the block that a step standing at `line` runs, as LineRun tells it:
  // 0 when it runs none (the line is out of range, or the block runs no code: a continuation's
  // code is its label).
  static int LineRunAt(const TNewShape& block, int line);

 private:
  class TVariablesForwarder : public TVariablesListener {
   public:
    explicit TVariablesForwarder(TRunObserver*& observer) : observer_(observer) {}
    void OnVariablesChanged() override;
    const TInterpreter* Run = nullptr;

   private:
    TRunObserver*& observer_;
  };
  enum class TMove { Moved, Stayed, Failed };

  void ReportStartError(TInterpreter& interpreter, int error);
  void ValidateDiagram(TInterpreter& interpreter, TSchemat& diagram);
  int RunStep(TInterpreter& interpreter);
  TMove LeaveBlock(TInterpreter& interpreter);
  bool BreakAtCurrentBlock(TInterpreter& interpreter);
  TMove JumpToPartner(TInterpreter& interpreter, TNewShape& block);
  void EnterBlock(TInterpreter& interpreter, TNewShape* block, bool byJump);
  void ShowCurrentBlock(TInterpreter& interpreter);
  int ExecuteCurrentLine(TInterpreter& interpreter);
  void ReportFinished(TInterpreter& interpreter);
  void Log(std::string_view line);
  void LogAndBox(std::string_view logLine, std::string_view boxText);
  void RestoreHighlight(TInterpreter& interpreter);
  void ReportStep(TInterpreter& interpreter);

  THost& host_;
  TSimulationHost& ui_;
  const TSimulationOptions& options_;
  TRunObserver* observer_ = nullptr;
  TVariablesForwarder forwarder_;
  // The step in progress: a nested request only interrupts the running animation.
  bool stepping_ = false;
  // The continuation block that the last move reached by jumping from its partner: it follows
  // its own exit, while one reached through a link always jumps to its partner.
  TNewShape* jumpedTo_ = nullptr;
  // The block whose execution the observer was last told of.
  TNewShape* shown_ = nullptr;
  TNewShape* faultBlock_ = nullptr;
  std::function<bool(TNewShape&)> breakTest_;
  bool stoppedAtBreak_ = false;
  std::string logLine_;
  // What the step in progress ran and wrote, for the observer's StepDone.
  int32_t lineRun_ = 0;
  TOutputMark outputMark_;
  std::string written_;
};

}  // namespace zuvar
