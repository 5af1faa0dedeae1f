#include "cli/CaseRun.h"

#include "cli/InterruptFlag.h"
#include "cli/OutputComparison.h"
#include "cli/RunPlace.h"
#include "interpreter/Interpreter.h"
#include "model/FixedWidthMeasurer.h"
#include "model/OutputLines.h"
#include "model/Schemat.h"
#include "project/ProjectFile.h"
#include "simulation/SimulationOptions.h"
#include "simulation/SimulationRun.h"

namespace zuvar {

namespace {

std::string SecondsText(double seconds) {
  std::string text = std::to_string(seconds);
  text.erase(text.find_last_not_of('0') + 1);
  if (!text.empty() && text.back() == '.') text.pop_back();
  return text;
}

}  // namespace

TCaseRun::TCaseRun(const TRunArguments& arguments, const TTestCase& test)
    : arguments_(arguments), test_(test) {}

TMsgResult TCaseRun::ShowMessage(std::string_view text, std::string_view caption, TMsgIcon,
                                 TMsgButtons buttons) {
  messages_.push_back("[" + std::string(caption) + "] " + std::string(text));
  return buttons == TMsgButtons::Ok ? TMsgResult::Ok : TMsgResult::No;
}

std::optional<std::string> TCaseRun::ReadValue(std::string_view) {
  while (nextEntry_ < test_.Input.size()) {
    const std::string& entry = test_.Input[nextEntry_++];
    if (!entry.empty()) return entry;
  }
  return std::nullopt;
}

std::string TCaseRun::Messages() const {
  std::string text;
  for (const std::string& message : messages_) {
    if (!text.empty()) text += "; ";
    text += message;
  }
  return text;
}

TCaseResult TCaseRun::Run(const std::string& projectFile) {
  TCaseResult result;
  result.Name = test_.Name;
  const auto started = std::chrono::steady_clock::now();
  TSchemat diagram;
  if (ReadProjectFile(projectFile, diagram, *this)) {
    diagram.LayoutAll(TFixedWidthMeasurer());
    Execute(diagram, result);
  } else {
    result.Status = TCaseStatus::Unreadable;
    result.Message = Messages();
  }
  result.Seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  return result;
}

void TCaseRun::Execute(TSchemat& diagram, TCaseResult& result) {
  TSimulationOptions options;
  options.CheckCodeBeforeRun = arguments_.CheckCode;
  options.ShowArrayIndices = arguments_.ArrayIndices;
  options.RealTime = true;
  TSimulationRun run(*this, *this, options);
  run.History().SetLimit(0);
  TOutputLines output;
  if (!run.Start(&diagram, &output)) {
    result.Status = TCaseStatus::NotStarted;
    result.Message = "schemat nie może zostać uruchomiony: " + Messages();
    return;
  }
  messages_.clear();
  deadline_ = std::chrono::steady_clock::now() +
              std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                  std::chrono::duration<double>(arguments_.TimeoutSeconds));
  const auto end = run.RunToEnd([this] { return KeepGoing(); });
  result.Steps = steps_;
  result.Output = OutputComparison::TextOf(output);
  Judge(*run.Interpreter(), end, result);
  run.End();
}

bool TCaseRun::KeepGoing() {
  if (InterruptFlag::Raised()) return false;
  if (arguments_.MaxSteps != 0 && steps_ == arguments_.MaxSteps) return false;
  if (arguments_.TimeoutSeconds > 0 && std::chrono::steady_clock::now() >= deadline_) {
    timedOut_ = true;
    return false;
  }
  ++steps_;
  return true;
}

void TCaseRun::Judge(const TInterpreter& run, TSimulationRun::TRunEnd end, TCaseResult& result) {
  const std::string place = RunPlace::Describe(run);
  if (end == TSimulationRun::TRunEnd::Finished) {
    const auto difference = OutputComparison::FirstDifference(test_.Expected, result.Output,
                                                              arguments_.IgnoreTrailingSpace);
    result.Status = difference ? TCaseStatus::WrongOutput : TCaseStatus::Passed;
    if (difference) result.Message = "zły wynik, " + *difference;
  } else if (run.InputEnded) {
    result.Status = TCaseStatus::InputEnded;
    result.Message = "zabrakło danych wejściowych " + place;
  } else if (timedOut_) {
    result.Status = TCaseStatus::TimeLimit;
    result.Message =
        "przekroczony limit czasu (" + SecondsText(arguments_.TimeoutSeconds) + " s) " + place;
  } else if (end == TSimulationRun::TRunEnd::Halted) {
    result.Status = TCaseStatus::StepLimit;
    result.Message =
        "przekroczony limit kroków (" + std::to_string(arguments_.MaxSteps) + ") " + place;
  } else {
    result.Status = TCaseStatus::RunError;
    result.Message = "błąd wykonania " + place + ": " + Messages();
  }
}

}  // namespace zuvar
