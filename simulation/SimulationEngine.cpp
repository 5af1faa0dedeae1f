#include "simulation/SimulationEngine.h"

#include <string>

#include "interpreter/Builtins.h"
#include "interpreter/Interpreter.h"
#include "interpreter/StatementInterpreter.h"
#include "model/Host.h"
#include "model/Schemat.h"
#include "simulation/ActiveBlockHighlight.h"
#include "simulation/CodeCheck.h"
#include "simulation/ConnectionCheck.h"
#include "simulation/CriticalFault.h"
#include "simulation/LinkAnimation.h"
#include "simulation/RunObserver.h"
#include "simulation/SimulationHost.h"
#include "simulation/SimulationOptions.h"

namespace zuvar {

namespace {

// Clears the step-in-progress flag on every way out of a step.
class TStepGuard {
 public:
  explicit TStepGuard(bool& flag) : flag_(flag) { flag_ = true; }
  ~TStepGuard() { flag_ = false; }
  TStepGuard(const TStepGuard&) = delete;
  TStepGuard& operator=(const TStepGuard&) = delete;

 private:
  bool& flag_;
};

bool IsInterpreted(TNewShapeType shape) {
  return shape == nstCalc || shape == nstInOut || shape == nstChoice;
}

std::string Quoted(std::string_view text) {
  std::string quoted;
  quoted.reserve(text.size() + 2);
  quoted += '"';
  quoted += text;
  quoted += '"';
  return quoted;
}

constexpr std::string_view kFinished = "Symulacja algorytmu została wykonana";

}  // namespace

void TSimulationEngine::TVariablesForwarder::OnVariablesChanged() {
  if (Run && observer_) observer_->VariablesChanged(*Run);
}

TSimulationEngine::TSimulationEngine(THost& host, TSimulationHost& ui,
                                     const TSimulationOptions& options)
    : host_(host), ui_(ui), options_(options), forwarder_(observer_) {}

TSimulationEngine::~TSimulationEngine() = default;

void TSimulationEngine::Log(std::string_view line) {
  host_.AppendLog(line);
  host_.ScrollLogPage();
}

void TSimulationEngine::LogAndBox(std::string_view logLine, std::string_view boxText) {
  Log(logLine);
  host_.ShowMessage(Quoted(boxText), "DAVERO", TMsgIcon::None, TMsgButtons::Ok);
}

void TSimulationEngine::ResetInterpreter(TInterpreter& interpreter) {
  interpreter.CurrentBlock = nullptr;
  interpreter.Diagram = nullptr;
  interpreter.SavedActiveBlock = nullptr;
  interpreter.ClearVariables();
  interpreter.OutputLines = nullptr;
  interpreter.Faulted = 0;
  interpreter.StepInterrupt = 0;
  interpreter.Finished = 0;
  interpreter.Checking = 0;
  interpreter.StartError = 0;
  interpreter.Line = 0;
  interpreter.StatementCount = 0;
  interpreter.BlockStatementCount = 0;
  interpreter.AnimationDelay = 5;
  interpreter.InputEnded = false;
}

void TSimulationEngine::PrepareSimulation(TInterpreter& interpreter, TSchemat* diagram) {
  interpreter.Token.clear();
  interpreter.TokenMessage.clear();
  if (observer_) observer_->RunStarting(interpreter);
  Builtins::FillBuiltinFunctions(interpreter);
  ResetInterpreter(interpreter);
  jumpedTo_ = nullptr;
  shown_ = nullptr;
  faultBlock_ = nullptr;
  forwarder_.Run = &interpreter;
  interpreter.VariablesListener = &forwarder_;
  interpreter.ShowArrayIndexesSeparately = options_.ShowArrayIndices;
  if (!diagram) {
    ReportStartError(interpreter, 1);
    return;
  }
  interpreter.Diagram = diagram;
  interpreter.StatementCount = 0;
  interpreter.SavedActiveBlock = diagram->ActiveBlock;
  ValidateDiagram(interpreter, *diagram);
  if (interpreter.StartError != 0) return;
  interpreter.ShowVariables();
  if (observer_) observer_->RunStarted(interpreter);
}

void TSimulationEngine::ValidateDiagram(TInterpreter& interpreter, TSchemat& diagram) {
  TConnectionCheck connections(interpreter, diagram, host_);
  if (!connections.CheckConnections()) {
    faultBlock_ = connections.FaultBlock();
    ReportStartError(interpreter, 2);
    return;
  }
  TNewShape* start = interpreter.CurrentBlock;
  if (!TCodeCheck(interpreter, diagram, host_, options_).CheckCode()) {
    // The pass stops at the block whose line it refused.
    faultBlock_ = interpreter.CurrentBlock;
    ReportStartError(interpreter, 3);
    return;
  }
  if (options_.CheckCodeBeforeRun) {
    // The pass declared variables and moved the position; the run begins afresh at the start
    // block, so that its declarations are not refused as redeclarations.
    interpreter.ClearVariables();
    interpreter.CurrentBlock = start;
    interpreter.Line = 0;
  }
}

void TSimulationEngine::PointAtBlock(TSchemat& diagram, TNewShape& block) {
  ui_.SetActiveBlock(diagram, &block);
  ui_.ScrollIntoView(TRect{block.Left, block.Top, block.Width, block.Height});
}

void TSimulationEngine::ReportStartError(TInterpreter& interpreter, int error) {
  interpreter.StartError = error;
  std::string_view text;
  std::string_view caption = "Informacja";
  if (error == 1) {
    text = "Brak schematu do wykonania!";
    caption = "Błąd podczas uruchamiania symulacji";
  } else if (error == 2) {
    text = "Wykryto błędne połączenia bloków w schemacie!";
  } else {
    text = "Wykryto błędy w kodzie źródłowym!";
  }
  host_.AppendLog(text);
  if (error == 1) host_.ScrollLogPage();
  host_.ShowMessage(text, caption, TMsgIcon::None, TMsgButtons::Ok);
}

int TSimulationEngine::Step(TInterpreter& interpreter) {
  if (stepping_) {
    interpreter.StepInterrupt = 1;
    return 1;
  }
  TStepGuard guard(stepping_);
  stoppedAtBreak_ = false;
  interpreter.ShowArrayIndexesSeparately = options_.ShowArrayIndices;
  interpreter.ForgetChanges();
  lineRun_ = 0;
  if (observer_) outputMark_.Take(interpreter.OutputLines);
  const int result = RunStep(interpreter);
  ReportStep(interpreter);
  return result;
}

// Tells the observer what the step did; a step that found no block to run is not told.
void TSimulationEngine::ReportStep(TInterpreter& interpreter) {
  if (!observer_ || !interpreter.CurrentBlock) return;
  outputMark_.TextSince(interpreter.OutputLines, written_);
  observer_->StepDone(interpreter, TStepReport{interpreter.CurrentBlock, lineRun_, written_});
}

int TSimulationEngine::RunStep(TInterpreter& interpreter) {
  if (!interpreter.CurrentBlock) {
    if (interpreter.Line >= 1) {
      const std::string_view done = "Algorytm został już wykonany i zakończony!";
      LogAndBox(done, done);
      return 1;
    }
    interpreter.CurrentBlock = interpreter.Diagram ? interpreter.Diagram->FirstBlock : nullptr;
    interpreter.BlockStatementCount = 0;
    jumpedTo_ = nullptr;
  }
  if (interpreter.CurrentBlock && interpreter.CurrentBlock->Shape == nstStop) {
    ReportFinished(interpreter);
    return 1;
  }
  if (interpreter.CurrentBlock) {
    ++interpreter.Line;
    if (interpreter.Line > static_cast<int32_t>(interpreter.CurrentBlock->Code.size())) {
      interpreter.Line = 1;
      const TMove move = LeaveBlock(interpreter);
      if (move == TMove::Failed) return 0;
      if (move == TMove::Moved && BreakAtCurrentBlock(interpreter)) return 1;
    }
  }
  if (!interpreter.CurrentBlock) {
    LogAndBox("Brak bloku do interpretacji - wewnetrzny błąd programu",
              "Brak bloku do interpretacji!");
    interpreter.Finished = 1;
    return 1;
  }
  ShowCurrentBlock(interpreter);
  return ExecuteCurrentLine(interpreter);
}

// A stop on entering a block: the block is shown as executing, but a block that runs code is
// put before its first line, so that the next step runs that line instead of moving on.
bool TSimulationEngine::BreakAtCurrentBlock(TInterpreter& interpreter) {
  TNewShape& block = *interpreter.CurrentBlock;
  if (!breakTest_ || !breakTest_(block)) return false;
  const bool runsCode =
      block.Shape == nstCalc || block.Shape == nstInOut || block.Shape == nstChoice;
  if (runsCode) interpreter.Line = 0;
  ShowCurrentBlock(interpreter);
  stoppedAtBreak_ = true;
  return true;
}

TSimulationEngine::TMove TSimulationEngine::LeaveBlock(TInterpreter& interpreter) {
  TNewShape& block = *interpreter.CurrentBlock;
  if (block.Shape == nstChoice) {
    const bool taken = block.ConditionResult == 1;
    AnimateLink(interpreter, taken ? block.OutLink.get() : block.OutLinkFalse.get());
    TNewShape* target = taken ? block.BlockLink : block.BlockLinkFalse;
    if (!target) return TMove::Stayed;
    EnterBlock(interpreter, target, false);
    return TMove::Moved;
  }
  // A continuation block reached through a link continues at its partner even when it has an
  // exit of its own; the partner reached by that jump follows its own exit.
  const bool jumps = block.Shape == nstContinuum && (&block != jumpedTo_ || !block.BlockLink);
  if (jumps) return JumpToPartner(interpreter, block);
  if (block.BlockLink) {
    AnimateLink(interpreter, block.OutLink.get());
    EnterBlock(interpreter, block.BlockLink, false);
    return TMove::Moved;
  }
  LogAndBox("Brak wyjść - proces został zatrzymany! - wewnętrzny błąd programu",
            "Brak wyjść - proces został zatrzymany!");
  interpreter.Finished = 1;
  return TMove::Failed;
}

TSimulationEngine::TMove TSimulationEngine::JumpToPartner(TInterpreter& interpreter,
                                                          TNewShape& block) {
  for (TNewShape* other = interpreter.Diagram->FirstBlock; other; other = other->Next) {
    if (other != &block && other->Shape == nstContinuum && other->Caption == block.Caption) {
      EnterBlock(interpreter, other, true);
      return TMove::Moved;
    }
  }
  LogAndBox("Brak kontynuacji - wewnętrzny błąd programu", "Brak kontynuacji!");
  return TMove::Failed;
}

void TSimulationEngine::EnterBlock(TInterpreter& interpreter, TNewShape* block, bool byJump) {
  interpreter.CurrentBlock = block;
  interpreter.BlockStatementCount = 0;
  jumpedTo_ = byJump ? block : nullptr;
}

void TSimulationEngine::ShowCurrentBlock(TInterpreter& interpreter) {
  TNewShape& block = *interpreter.CurrentBlock;
  // A block that the last step showed is still the active one, filled red: making it active
  // again would only take its fill back and forth.
  const bool shownAlready = &block == shown_ && interpreter.Diagram &&
                            interpreter.Diagram->ActiveBlock == &block &&
                            block.Brush == TBrush::Solid(clRed);
  if (!shownAlready) {
    if (interpreter.Diagram) ui_.SetActiveBlock(*interpreter.Diagram, &block);
    block.SetBrush(TBrush::Solid(clRed));
  }
  if (&block != shown_) {
    shown_ = &block;
    if (observer_) observer_->ActiveBlockChanged(interpreter, &block);
  }
  ui_.ScrollIntoView(TRect{block.Left, block.Top, block.Width, block.Height});
  const auto line = static_cast<std::size_t>(interpreter.Line);
  const bool runsLine = !block.Code.empty() && line >= 1 && line <= block.Code.size();
  if (runsLine) {
    // One buffer for every step: the line is built at each step of a run.
    logLine_.assign("interpretacja kodu: \"");
    logLine_ += block.Code[line - 1];
    logLine_ += '"';
    Log(logLine_);
  }
  if (observer_) observer_->LineRun(interpreter, &block, LineRunAt(block, interpreter.Line));
}

int TSimulationEngine::LineRunAt(const TNewShape& block, int line) {
  const bool inRange = line >= 1 && static_cast<std::size_t>(line) <= block.Code.size();
  return inRange && IsInterpreted(block.Shape) ? line : 0;
}

void TSimulationEngine::RestorePosition(TInterpreter& interpreter, const TPosition& position) {
  jumpedTo_ = position.JumpedTo;
  if (position.Shown == shown_ || !interpreter.Diagram) return;
  TSchemat& diagram = *interpreter.Diagram;
  shown_ = position.Shown;
  if (shown_) {
    ui_.SetActiveBlock(diagram, shown_);
    shown_->SetBrush(TBrush::Solid(clRed));
    ui_.ScrollIntoView(TRect{shown_->Left, shown_->Top, shown_->Width, shown_->Height});
  } else {
    ui_.SetActiveBlock(diagram, interpreter.SavedActiveBlock);
  }
  if (observer_) observer_->ActiveBlockChanged(interpreter, shown_);
}

int TSimulationEngine::ExecuteCurrentLine(TInterpreter& interpreter) {
  TNewShape& block = *interpreter.CurrentBlock;
  if (!IsInterpreted(block.Shape)) {
    if (block.Shape == nstStop) ReportFinished(interpreter);
    return 1;
  }
  const auto line = static_cast<std::size_t>(interpreter.Line);
  if (line >= 1 && line <= block.Code.size()) lineRun_ = interpreter.Line;
  try {
    return ExecuteLine(interpreter);
  } catch (...) {
    CriticalFault::Report(host_, true);
    interpreter.Faulted = 1;
    return 0;
  }
}

void TSimulationEngine::ReportFinished(TInterpreter& interpreter) {
  LogAndBox(kFinished, kFinished);
  interpreter.Finished = 1;
}

void TSimulationEngine::AnimateLink(TInterpreter& interpreter, TLink* link) {
  if (options_.RealTime || !link) return;
  TLinkAnimation(interpreter, *link, ui_, options_.Bubble, options_.Speed).Run();
}

void TSimulationEngine::RestoreHighlight(TInterpreter& interpreter) {
  TSchemat& diagram = *interpreter.Diagram;
  for (TNewShape* b = diagram.FirstBlock; b; b = b->Next) {
    if (!b->Brush.Clear && b->Brush.Color == clRed) ui_.SetActiveBlock(diagram, b);
  }
}

void TSimulationEngine::StopSimulation(std::unique_ptr<TInterpreter>& interpreter,
                                       bool freeContext) {
  if (!interpreter) return;
  TInterpreter& run = *interpreter;
  if (run.Diagram) {
    RestoreHighlight(run);
    run.CurrentBlock = nullptr;
    run.BlockStatementCount = 0;
  }
  // Told while the variables are still there, so that the grid can keep them.
  if (observer_) observer_->RunEnded(run);
  // The variables are freed even after a critical fault: they are plain values owned by the
  // context, so freeing them cannot be disturbed by whatever went wrong in the interpretation.
  run.ClearVariables();
  if (run.SavedActiveBlock && run.Diagram) ui_.SetActiveBlock(*run.Diagram, run.SavedActiveBlock);
  run.Token.clear();
  run.TokenMessage.clear();
  if (forwarder_.Run == &run) {
    run.VariablesListener = nullptr;
    forwarder_.Run = nullptr;
  }
  jumpedTo_ = nullptr;
  shown_ = nullptr;
  if (freeContext) interpreter.reset();
}

}  // namespace zuvar
