#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "cli/CaseResult.h"
#include "cli/RunArguments.h"
#include "cli/StepBudget.h"
#include "cli/TestCase.h"
#include "model/Host.h"
#include "simulation/HeadlessSimulationHost.h"
#include "simulation/SimulationRun.h"

namespace zuvar {

class TInterpreter;
class TOutputLines;
class TSchemat;

// One case run on one project file, wholly on its own: its own document, run, options, input
// and output, so that several can run at the same time on different threads. It is the run's
// user interface too: message boxes are kept for the report, log lines and the canvas are
// ignored, and `read` takes the case's entries one after another (empty ones are refused as
// the value dialog does) until there are none left.
class TCaseRun : public THost, public THeadlessSimulationHost {
 public:
  TCaseRun(const TRunArguments& arguments, const TTestCase& test);

  TCaseResult Run(const std::string& projectFile);

  // THost
  TMsgResult ShowMessage(std::string_view text, std::string_view caption, TMsgIcon icon,
                         TMsgButtons buttons) override;
  void AppendLog(std::string_view) override {}
  void ScrollLogPage() override {}
  void Beep() override {}
  std::optional<std::string> ReadValue(std::string_view prompt) override;

 private:
  void Execute(TSchemat& diagram, TCaseResult& result);
  void Judge(const TInterpreter& run, TSimulationRun::TRunEnd end, TCaseResult& result);
  std::string Messages() const;

  const TRunArguments& arguments_;
  const TTestCase& test_;
  std::size_t nextEntry_ = 0;
  std::vector<std::string> messages_;
  TStepBudget budget_;
};

}  // namespace zuvar
