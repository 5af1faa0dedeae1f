#include "simulation/SimulationRun.h"

#include <algorithm>
#include <string>

#include "interpreter/Interpreter.h"
#include "model/Host.h"
#include "model/Schemat.h"
#include "simulation/SimulationOptions.h"

namespace zuvar {

// ---- observers ------------------------------------------------------------------------------

void TSimulationRun::TObservers::Add(TRunObserver& observer) {
  const TRunEvents events = observer.Events();
  for (std::size_t i = 0; i < lists_.size(); ++i)
    if (events.Has(static_cast<TRunEvent>(i))) lists_[i].push_back(&observer);
}

void TSimulationRun::TObservers::Remove(TRunObserver& observer) {
  for (std::vector<TRunObserver*>& list : lists_) std::erase(list, &observer);
}

void TSimulationRun::TObservers::RunStarting(const TInterpreter& run) {
  Tell(TRunEvent::RunStarting, [&](TRunObserver& o) { o.RunStarting(run); });
}
void TSimulationRun::TObservers::RunStarted(const TInterpreter& run) {
  Tell(TRunEvent::RunStarted, [&](TRunObserver& o) { o.RunStarted(run); });
}
void TSimulationRun::TObservers::VariablesChanged(const TInterpreter& run) {
  Tell(TRunEvent::VariablesChanged, [&](TRunObserver& o) { o.VariablesChanged(run); });
}
void TSimulationRun::TObservers::ActiveBlockChanged(const TInterpreter& run, TNewShape* block) {
  Tell(TRunEvent::ActiveBlockChanged, [&](TRunObserver& o) { o.ActiveBlockChanged(run, block); });
}
void TSimulationRun::TObservers::LineRun(const TInterpreter& run, TNewShape* block, int line) {
  Tell(TRunEvent::LineRun, [&](TRunObserver& o) { o.LineRun(run, block, line); });
}
void TSimulationRun::TObservers::StepDone(const TInterpreter& run, const TStepReport& step) {
  Tell(TRunEvent::StepDone, [&](TRunObserver& o) { o.StepDone(run, step); });
}
void TSimulationRun::TObservers::RunEnded(const TInterpreter& run) {
  Tell(TRunEvent::RunEnded, [&](TRunObserver& o) { o.RunEnded(run); });
}
void TSimulationRun::TObservers::StateChanged(TRunState state) {
  Tell(TRunEvent::StateChanged, [&](TRunObserver& o) { o.StateChanged(state); });
}
void TSimulationRun::TObservers::StepUndone(const TInterpreter& run) {
  Tell(TRunEvent::StepUndone, [&](TRunObserver& o) { o.StepUndone(run); });
}

// ---- the run --------------------------------------------------------------------------------

TSimulationRun::TSimulationRun(THost& host, TSimulationHost& ui, TSimulationOptions& options)
    : host_(host), options_(options), engine_(host, ui, options) {
  engine_.SetObserver(&observers_);
}

TSimulationRun::~TSimulationRun() {
  if (interpreter_) engine_.StopSimulation(interpreter_, true);
}

void TSimulationRun::AddObserver(TRunObserver& observer) { observers_.Add(observer); }

void TSimulationRun::RemoveObserver(TRunObserver& observer) { observers_.Remove(observer); }

void TSimulationRun::Log(const char* line) { host_.AppendLog(line); }

void TSimulationRun::Inform(const char* text) {
  host_.ShowMessage(text, "Informacja", TMsgIcon::Information, TMsgButtons::Ok);
}

void TSimulationRun::SetState(TRunState state) {
  if (state == state_) return;
  state_ = state;
  observers_.StateChanged(state);
}

// A fresh context for the diagram, prepared and validated; true when it may run.
bool TSimulationRun::Prepare(TSchemat* diagram) {
  interpreter_ = std::make_unique<TInterpreter>(host_);
  history_.Clear();
  ++serial_;
  stopRequested_ = false;
  failed_ = false;
  engine_.PrepareSimulation(*interpreter_, diagram);
  return interpreter_->StartError == 0;
}

void TSimulationRun::Free() {
  history_.Clear();
  engine_.StopSimulation(interpreter_, true);
  interpreter_.reset();
  ++serial_;
  stopRequested_ = false;
  failed_ = false;
  SetState(TRunState::Idle);
}

bool TSimulationRun::Start(TSchemat* diagram, TOutputLines* output) {
  if (interpreter_) return false;
  Log("Uruchomienie symulacji");
  if (!Prepare(diagram)) {
    Log("Uruchomienie symulacji anulowano");
    Free();
    PointAtFault(diagram);
    return false;
  }
  interpreter_->OutputLines = output;
  SetState(TRunState::Ready);
  return true;
}

int TSimulationRun::StepOnce(TInterpreter& run) {
  // A request inside a step only interrupts that step: there is nothing to record.
  const bool records = !engine_.Stepping();
  if (records) history_.BeginStep(run, engine_.Position());
  const int result = engine_.Step(run);
  if (records) history_.EndStep(run);
  if (result == 0) failed_ = true;
  return result;
}

// After a critical fault the run's state cannot be trusted, so it cannot be taken back either.
bool TSimulationRun::CanUndo() const {
  return interpreter_ && !interpreter_->Faulted && !history_.Empty();
}

bool TSimulationRun::StepBack() {
  if (!interpreter_ || !Controls().StepBack) return false;
  Log("Krok wstecz");
  TInterpreter& run = *interpreter_;
  engine_.RestorePosition(run, history_.Undo(run));
  failed_ = false;
  run.ShowVariables();
  SetState(TRunState::Ready);
  observers_.StepUndone(run);
  return true;
}

void TSimulationRun::Step() {
  if (!interpreter_ || !Controls().Step) return;
  TInterpreter& run = *interpreter_;
  if (engine_.Stepping()) {
    engine_.Step(run);  // only cuts the running animation short
    return;
  }
  // A step between two steps of a run to the end leaves that run's state as it is.
  const TRunState resume = state_;
  if (state_ == TRunState::Ready) SetState(TRunState::Stepping);
  const int result = StepOnce(run);
  if (result == 0 || run.Finished)
    SetState(TRunState::Finished);
  else
    SetState(resume);
}

TSimulationRun::TRunEnd TSimulationRun::RunToEnd(const std::function<bool()>& keepGoing,
                                                 const std::function<void()>& betweenSteps) {
  if (!interpreter_ || !Controls().RunToEnd) return TRunEnd::Refused;
  Log("Wykonanie całego algorytmu");
  TInterpreter& run = *interpreter_;
  const std::uint64_t serial = serial_;
  stopRequested_ = false;
  failed_ = false;
  SetState(TRunState::RunningToEnd);
  TRunEnd end = TRunEnd::Halted;
  engine_.SetBreakTest([this, &run](TNewShape& block) {
    std::string error;
    const bool stop = breakpoints_.StopsAt(run, block, error);
    if (!error.empty()) host_.AppendLog(error);
    return stop;
  });
  struct BreakTestReset {
    TSimulationEngine& engine;
    ~BreakTestReset() { engine.SetBreakTest({}); }
  } reset{engine_};
  for (;;) {
    if (keepGoing && !keepGoing()) break;
    if (StepOnce(run) == 0) break;
    if (engine_.StoppedAtBreak()) {
      Log("Zatrzymanie wykonywania algorytmu w punkcie zatrzymania");
      end = TRunEnd::Breakpoint;
      break;
    }
    if (betweenSteps) {
      betweenSteps();
      if (serial != serial_) return TRunEnd::Ended;
    }
    // A step or a stop requested meanwhile may have ended the algorithm or failed.
    if (failed_ || state_ == TRunState::Finished) break;
    if (stopRequested_) {
      end = TRunEnd::Stopped;
      break;
    }
    if (run.Finished) break;
  }
  stopRequested_ = false;
  if (failed_)
    end = TRunEnd::StepFailed;
  else if (run.Finished)
    end = TRunEnd::Finished;
  SetState(failed_ || run.Finished ? TRunState::Finished : TRunState::Ready);
  return end;
}

void TSimulationRun::Stop() {
  if (!interpreter_ || !Controls().Stop) return;
  Log("Zatrzymanie wykonywania algorytmu");
  // Inside a step this only cuts the running animation short; between two steps it runs one.
  StepOnce(*interpreter_);
  stopRequested_ = true;
}

TSimulationRun::TRunEnd TSimulationRun::RunInRealTime(const std::function<void()>& betweenSteps) {
  if (!interpreter_) return TRunEnd::Refused;
  const bool remembered = options_.RealTime;
  options_.RealTime = true;
  const TRunEnd end = RunToEnd({}, betweenSteps);
  if (interpreter_ && state_ == TRunState::Finished) End();
  options_.RealTime = remembered;
  return end;
}

void TSimulationRun::End() {
  if (!interpreter_ || engine_.Stepping()) return;
  Log("Zakończenie symulacji");
  Free();
}

void TSimulationRun::Discard() {
  if (!interpreter_ || engine_.Stepping()) return;
  Free();
}

bool TSimulationRun::Check(TSchemat* diagram) {
  if (interpreter_) {
    Inform("Symulacja jest już uruchomiona....");
    return false;
  }
  Log("Sprawdzenie połączeń bloków w schemacie");
  if (!diagram) {
    Log("Brak schematu do przeprowadzenia kontroli!");
    Inform("Brak schematu do przeprowadzenia kontroli!");
    return false;
  }
  const bool valid = Prepare(diagram);
  if (valid) {
    Log("Schemat blokowy wydaje się być poprawnie zaprojektowany!");
    Inform("Schemat blokowy wydaje się być poprawnie zaprojektowany!");
  }
  Free();
  PointAtFault(diagram);
  return valid;
}

// After a start or check that validation refused, once the diagram has been given back: the
// block where the error was found becomes the active block, in view, so the user sees where.
void TSimulationRun::PointAtFault(TSchemat* diagram) {
  TNewShape* block = engine_.FaultBlock();
  if (!diagram || !block) return;
  for (TNewShape* b = diagram->FirstBlock; b; b = b->Next) {
    if (b == block) {
      engine_.PointAtBlock(*diagram, *block);
      return;
    }
  }
}

}  // namespace zuvar
