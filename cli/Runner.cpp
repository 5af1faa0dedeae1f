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
#include "simulation/SimulationRun.h"

namespace zuvar {

Runner::Runner(const TRunArguments& arguments)
    : arguments_(arguments), input_(0), host_(input_, stderr, arguments.PrintLog) {
  options_.CheckCodeBeforeRun = arguments.CheckCode;
  options_.ShowArrayIndices = arguments.ArrayIndices;
  run_ = std::make_unique<TSimulationRun>(host_, host_, options_);
  run_->AddObserver(host_);
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
  return run_->Check(&diagram) ? kExitStopReached : kExitNotStarted;
}

int Runner::Execute(TSchemat& diagram) {
  TOutputLines output;
  if (!run_->Start(&diagram, &output)) {
    if (arguments_.PrintVariables) host_.PrintGrid();
    return kExitNotStarted;
  }
  OutputStreamer streamer(output, stdout);
  output.SetListener(&streamer);

  options_.RealTime = true;
  steps_ = 0;
  const auto end = run_->RunToEnd([this] { return KeepGoing(); });
  const int status = StatusOf(end, *run_->Interpreter());

  host_.RefreshGrid();
  run_->End();
  output.SetListener(nullptr);
  streamer.Finish();
  if (arguments_.PrintVariables) host_.PrintGrid();
  return status;
}

// Asked before every step of the run to the end.
bool Runner::KeepGoing() {
  if (InterruptFlag::Raised()) return false;
  if (arguments_.MaxSteps != 0 && steps_ == arguments_.MaxSteps) return false;
  ++steps_;
  return true;
}

int Runner::StatusOf(TSimulationRun::TRunEnd end, const TInterpreter& interpreter) const {
  if (InterruptFlag::Raised()) return InterruptFlag::ExitStatus();
  switch (end) {
    case TSimulationRun::TRunEnd::Finished:
      return kExitStopReached;
    case TSimulationRun::TRunEnd::Halted:
      return kExitStepLimit;
    default:
      break;
  }
  return interpreter.InputEnded ? kExitInputEnded : kExitStepFailed;
}

}  // namespace zuvar
