#include "cli/CaseRun.h"

#include <chrono>

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
    : arguments_(arguments), test_(test), budget_(arguments.MaxSteps, arguments.TimeoutSeconds) {}

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
  budget_.Start();
  const auto end = run.RunToEnd([this] { return budget_.KeepGoing(); });
  result.Steps = budget_.Steps();
  result.Output = OutputComparison::TextOf(output);
  Judge(*run.Interpreter(), end, result);
  run.End();
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
  } else if (budget_.TimedOut()) {
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
