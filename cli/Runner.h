#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "cli/LineReader.h"
#include "cli/RunArguments.h"
#include "cli/StepBudget.h"
#include "cli/TerminalHost.h"
#include "simulation/SimulationOptions.h"
#include "simulation/SimulationRun.h"

namespace zuvar {

class TInterpreter;
class TOutputLines;
class TSchemat;

// zuvar-run's commands: run a diagram as the real-time run does (the Run command's start, every
// step until the algorithm ends, then the end of the run), check it as the Check command does,
// or read it and write it back.
class TRunner {
 public:
  explicit TRunner(const TRunArguments& arguments);
  ~TRunner();
  int Run();

 private:
  int Resave();
  bool Load(TSchemat& diagram);
  int Check(TSchemat& diagram);
  int Execute(TSchemat& diagram);
  int StatusOf(TSimulationRun::TRunEnd end, const TInterpreter& interpreter) const;
  int Compare(const std::string& expected, const TOutputLines& output) const;
  void TellWhere(int status, const TInterpreter& interpreter) const;
  std::string SecondsText() const;
  void Tell(const std::string& line) const;

  TRunArguments arguments_;
  TSimulationOptions options_;
  TLineReader input_;
  TTerminalHost host_;
  std::unique_ptr<TSimulationRun> run_;
  // The steps and seconds the run to the end may take (--max-steps, --timeout).
  TStepBudget budget_;
};

}  // namespace zuvar
