#include "cli/Runner.h"

#include <cstdio>

#include "cli/ExitStatus.h"
#include "model/FixedWidthMeasurer.h"
#include "interpreter/Interpreter.h"
#include "cli/InterruptFlag.h"
#include "model/OutputLines.h"
#include "cli/OutputStreamer.h"
#include "project/ProjectFile.h"
#include "model/Schemat.h"
#include "simulation/SimulationEngine.h"

namespace zuvar {

Runner::Runner(const TRunArguments& arguments)
    : arguments_(arguments), input_(0), host_(input_, stderr, arguments.PrintLog) {
  options_.CheckCodeBeforeRun = arguments.CheckCode;
  options_.ShowArrayIndices = arguments.ArrayIndices;
  engine_ = std::make_unique<TSimulationEngine>(host_, host_, options_);
}

Runner::~Runner() = default;

int Runner::Run() {
  if (arguments_.Resave) return Resave();
  TSchemat diagram;
  if (!Load(diagram)) return kExitNotStarted;
  return arguments_.CheckOnly ? Check(diagram) : Execute(diagram);
}

int Runner::Resave() {
  TSchemat diagram;
  if (!ReadProjectFile(arguments_.File, diagram, host_)) return kExitNotStarted;
  return WriteProjectFile(arguments_.ResaveTarget, diagram, host_) ? kExitStopReached
                                                                   : kExitNotStarted;
}

bool Runner::Load(TSchemat& diagram) {
  if (!ReadProjectFile(arguments_.File, diagram, host_)) return false;
  // Painting brings every caption up to date from the block's code before anything is run in
  // the desktop program; continuation blocks are paired by these captions.
  diagram.LayoutAll(FixedWidthMeasurer());
  return true;
}

int Runner::Check(TSchemat& diagram) {
  host_.AppendLog("Sprawdzenie połączeń bloków w schemacie");
  auto interpreter = std::make_unique<TInterpreter>(host_);
  engine_->PrepareSimulation(*interpreter, &diagram);
  const bool valid = interpreter->StartError == 0;
  if (valid) {
    const char* text = "Schemat blokowy wydaje się być poprawnie zaprojektowany!";
    host_.AppendLog(text);
    host_.ShowMessage(text, "Informacja", TMsgIcon::None, TMsgButtons::Ok);
  }
  engine_->StopSimulation(interpreter, true);
  return valid ? kExitStopReached : kExitNotStarted;
}

int Runner::Execute(TSchemat& diagram) {
  host_.AppendLog("Uruchomienie symulacji");
  auto interpreter = std::make_unique<TInterpreter>(host_);
  engine_->PrepareSimulation(*interpreter, &diagram);
  if (interpreter->StartError != 0) {
    host_.AppendLog("Uruchomienie symulacji anulowano");
    engine_->StopSimulation(interpreter, true);
    if (arguments_.PrintVariables) host_.PrintGrid();
    return kExitNotStarted;
  }
  TOutputLines output;
  OutputStreamer streamer(output, stdout);
  output.SetListener(&streamer);
  interpreter->OutputLines = &output;

  options_.RealTime = true;
  const TRunEnd end = RunToEnd(*interpreter);
  const int status = StatusOf(end, *interpreter);

  host_.AppendLog("Zakończenie symulacji");
  host_.RefreshGrid();
  engine_->StopSimulation(interpreter, true);
  output.SetListener(nullptr);
  streamer.Finish();
  if (arguments_.PrintVariables) host_.PrintGrid();
  return status;
}

Runner::TRunEnd Runner::RunToEnd(TInterpreter& interpreter) {
  host_.AppendLog("Wykonanie całego algorytmu");
  std::uint64_t steps = 0;
  for (;;) {
    if (InterruptFlag::Raised()) return TRunEnd::Interrupted;
    if (arguments_.MaxSteps != 0 && steps == arguments_.MaxSteps) return TRunEnd::StepLimit;
    const int result = engine_->Step(interpreter);
    ++steps;
    if (result == 0) return TRunEnd::StepFailed;
    if (interpreter.Finished) return TRunEnd::Finished;
  }
}

int Runner::StatusOf(TRunEnd end, const TInterpreter& interpreter) const {
  if (InterruptFlag::Raised()) return InterruptFlag::ExitStatus();
  switch (end) {
    case TRunEnd::Finished:
      return kExitStopReached;
    case TRunEnd::StepLimit:
      return kExitStepLimit;
    case TRunEnd::Interrupted:
      return InterruptFlag::ExitStatus();
    case TRunEnd::StepFailed:
      break;
  }
  return interpreter.InputEnded ? kExitInputEnded : kExitStepFailed;
}

}  // namespace zuvar
