// Runs a generated counting loop through the engine the way zuvar-run does (real-time mode,
// terminal host): "long i = 0;", then the decision "i < N;" and the calculation "i = i + 1;"
// N times, two steps per iteration.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "cli/LineReader.h"
#include "cli/TerminalHost.h"
#include "interpreter/Interpreter.h"
#include "model/OutputLines.h"
#include "model/Schemat.h"
#include "simulation/SimulationEngine.h"
#include "simulation/SimulationOptions.h"
#include "tests/support/DiagramBuilder.h"

namespace zuvar {
namespace {

void BuildCountingLoop(TSchemat& diagram, int iterations) {
  test::TDiagramBuilder build(diagram);
  TNewShape* start = build.Add(nstStart);
  TNewShape* init = build.Add(nstCalc, {"long i = 0;"});
  TNewShape* test = build.Add(nstChoice, {"i < " + std::to_string(iterations) + ";"});
  TNewShape* body = build.Add(nstCalc, {"i = i + 1;"});
  TNewShape* stop = build.Add(nstStop);
  build.Chain({start, init, test, body});
  build.Link(body, test, sideLeft, sideLeft);
  build.LinkFalse(test, stop);
}

void BM_CountingLoop(benchmark::State& state) {
  const int iterations = static_cast<int>(state.range(0));
  TSchemat diagram;
  BuildCountingLoop(diagram, iterations);
  TLineReader input(0);
  TTerminalHost host(input, stderr, false);
  TSimulationOptions options;
  options.RealTime = true;
  TSimulationEngine engine(host, host, options);
  std::int64_t steps = 0;
  for (auto _ : state) {
    auto run = std::make_unique<TInterpreter>(host);
    TOutputLines output;
    engine.PrepareSimulation(*run, &diagram);
    run->OutputLines = &output;
    while (engine.Step(*run) == 1 && !run->Finished) ++steps;
    ++steps;
    engine.StopSimulation(run, true);
  }
  state.counters["steps/s"] =
      benchmark::Counter(static_cast<double>(steps), benchmark::Counter::kIsRate);
  state.counters["steps"] = static_cast<double>(steps) / static_cast<double>(state.iterations());
}

BENCHMARK(BM_CountingLoop)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace zuvar
