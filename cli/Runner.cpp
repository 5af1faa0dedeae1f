#include "cli/Runner.h"

#include <cstdio>
#include <optional>

#include "cli/ExitStatus.h"
#include "cli/InterruptFlag.h"
#include "cli/OutputComparison.h"
#include "cli/OutputStreamer.h"
#include "cli/RunPlace.h"
#include "cli/TextFile.h"
#include "interpreter/Interpreter.h"
#include "model/FixedWidthMeasurer.h"
#include "model/OutputLines.h"
#include "model/Schemat.h"
#include "project/ProjectFile.h"
#include "simulation/SimulationRun.h"

namespace zuvar {

TRunner::TRunner(const TRunArguments& arguments)
    : arguments_(arguments),
      input_(0),
      host_(input_, stderr, arguments.PrintLog),
      budget_(arguments.MaxSteps, arguments.TimeoutSeconds) {
  options_.CheckCodeBeforeRun = arguments.CheckCode;
  options_.ShowArrayIndices = arguments.ArrayIndices;
  run_ = std::make_unique<TSimulationRun>(host_, host_, options_);
  // Nothing is ever stepped back here: no step is recorded.
  run_->History().SetLimit(0);
  run_->AddObserver(host_);
}

TRunner::~TRunner() = default;

int TRunner::Run() {
  if (arguments_.Resave) return Resave();
  TSchemat diagram;
  if (!Load(diagram)) return kExitNotStarted;
  return arguments_.CheckOnly ? Check(diagram) : Execute(diagram);
}

int TRunner::Resave() {
  TSchemat diagram;
  if (!ReadProjectFile(arguments_.File, diagram, host_)) return kExitNotStarted;
  return WriteProjectFile(arguments_.ResaveTarget, diagram, host_) ? kExitStopReached
                                                                   : kExitNotStarted;
}

bool TRunner::Load(TSchemat& diagram) {
  if (!ReadProjectFile(arguments_.File, diagram, host_)) return false;
  // Painting brings every caption up to date from the block's code before anything is run in
  // the desktop program; continuation blocks are paired by these captions.
  diagram.LayoutAll(TFixedWidthMeasurer());
  return true;
}

int TRunner::Check(TSchemat& diagram) {
  return run_->Check(&diagram) ? kExitStopReached : kExitNotStarted;
}

int TRunner::Execute(TSchemat& diagram) {
  std::optional<std::string> expected;
  if (!arguments_.ExpectFile.empty()) {
    expected = TextFile::Read(arguments_.ExpectFile);
    if (!expected) {
      Tell("Nie można odczytać pliku \"" + arguments_.ExpectFile + "\".");
      return kExitNotStarted;
    }
  }
  // The output goes to stdout as it is written; only a comparison needs it kept as well.
  TOutputLines output(expected ? TOutputLines::kUnlimited : 0);
  if (!run_->Start(&diagram, &output)) {
    if (arguments_.PrintVariables) host_.PrintGrid();
    return kExitNotStarted;
  }
  TOutputStreamer streamer(output, stdout);
  output.SetListener(&streamer);

  options_.RealTime = true;
  budget_.Start();
  const auto end = run_->RunToEnd([this] { return budget_.KeepGoing(); });
  int status = StatusOf(end, *run_->Interpreter());
  TellWhere(status, *run_->Interpreter());

  host_.RefreshGrid();
  run_->End();
  output.SetListener(nullptr);
  streamer.Finish();
  if (status == kExitStopReached && expected) status = Compare(*expected, output);
  if (arguments_.PrintVariables) host_.PrintGrid();
  return status;
}

int TRunner::Compare(const std::string& expected, const TOutputLines& output) const {
  const auto difference = OutputComparison::FirstDifference(
      expected, OutputComparison::TextOf(output), arguments_.IgnoreTrailingSpace);
  if (!difference) return kExitStopReached;
  Tell("Wynik różni się od oczekiwanego, " + *difference);
  return kExitOutputDiffers;
}

// After a run that ended before its stop block, one line says why and where it stood.
void TRunner::TellWhere(int status, const TInterpreter& interpreter) const {
  std::string why;
  switch (status) {
    case kExitStepFailed:
      why = "Błąd wykonania";
      break;
    case kExitStepLimit:
      why = budget_.TimedOut()
                ? "Przekroczony limit czasu (" + SecondsText() + " s)"
                : "Przekroczony limit kroków (" + std::to_string(arguments_.MaxSteps) + ")";
      break;
    case kExitInputEnded:
      why = "Zabrakło danych wejściowych";
      break;
    default:
      return;
  }
  Tell(why + " " + RunPlace::Describe(interpreter));
}

std::string TRunner::SecondsText() const {
  std::string text = std::to_string(arguments_.TimeoutSeconds);
  text.erase(text.find_last_not_of('0') + 1);
  if (!text.empty() && text.back() == '.') text.pop_back();
  return text;
}

void TRunner::Tell(const std::string& line) const {
  std::fprintf(stderr, "zuvar-run: %s\n", line.c_str());
  std::fflush(stderr);
}

int TRunner::StatusOf(TSimulationRun::TRunEnd end, const TInterpreter& interpreter) const {
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
