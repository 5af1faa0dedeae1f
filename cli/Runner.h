#pragma once

#include <cstdint>
#include <memory>

#include "cli/LineReader.h"
#include "cli/RunArguments.h"
#include "simulation/SimulationOptions.h"
#include "cli/TerminalHost.h"
#include "simulation/SimulationRun.h"

namespace zuvar {

class TInterpreter;
class TSchemat;

// zuvar-run's commands: run a diagram as the real-time run does (the Run command's start, every
// step until the algorithm ends, then the end of the run), check it as the Check command does,
// or read it and write it back.
class Runner {
 public:
  explicit Runner(const TRunArguments& arguments);
  ~Runner();
  int Run();

 private:
  int Resave();
  bool Load(TSchemat& diagram);
  int Check(TSchemat& diagram);
  int Execute(TSchemat& diagram);
  bool KeepGoing();
  int StatusOf(TSimulationRun::TRunEnd end, const TInterpreter& interpreter) const;

  TRunArguments arguments_;
  TSimulationOptions options_;
  LineReader input_;
  TerminalHost host_;
  std::unique_ptr<TSimulationRun> run_;
  // Steps begun by the run to the end.
  std::uint64_t steps_ = 0;
};

}  // namespace zuvar
