// The cost of a breakpoint condition: a counting loop of N passes run to the end through the run
// controller, without a breakpoint, with an unconditional one on a block outside the loop, and
// with a conditional one on the loop's body whose condition is never true (evaluated read-only
// at every pass). Prints steps per second for each.
#include <benchmark/benchmark.h>

#include <string>

#include "cli/LineReader.h"
#include "cli/TerminalHost.h"
#include "model/OutputLines.h"
#include "model/Schemat.h"
#include "simulation/SimulationOptions.h"
#include "simulation/SimulationRun.h"
#include "tests/support/DiagramBuilder.h"

namespace zuvar {
namespace {

enum TBreak { kNone = 0, kElsewhere = 1, kConditional = 2 };

void BM_RunToEndWithBreakpoint(benchmark::State& state) {
  const int passes = 200000;
  TSchemat diagram;
  test::TDiagramBuilder build(diagram);
  TNewShape* start = build.Add(nstStart);
  TNewShape* init = build.Add(nstCalc, {"long i = 0;"});
  TNewShape* test = build.Add(nstChoice, {"i < " + std::to_string(passes) + ";"});
  TNewShape* body = build.Add(nstCalc, {"i = i + 1;"});
  TNewShape* stop = build.Add(nstStop);
  build.Chain({start, init, test, body});
  build.Link(body, test, sideLeft, sideLeft);
  build.LinkFalse(test, stop);
  TLineReader input(0);
  TTerminalHost host(input, stderr, false);
  TSimulationOptions options;
  options.RealTime = true;
  TSimulationRun run(host, host, options);
  if (state.range(0) == kElsewhere) run.Breakpoints().Toggle(static_cast<std::int32_t>(init->Id));
  if (state.range(0) == kConditional)
    run.Breakpoints().Set(static_cast<std::int32_t>(body->Id), "i < 0 && i * 2 > 7");
  std::int64_t steps = 0;
  for (auto _ : state) {
    TOutputLines output;
    run.Start(&diagram, &output);
    while (run.RunToEnd() == TSimulationRun::TRunEnd::Breakpoint) {
    }
    steps += 2 * passes;
    run.Discard();
  }
  state.counters["steps/s"] =
      benchmark::Counter(static_cast<double>(steps), benchmark::Counter::kIsRate);
}

BENCHMARK(BM_RunToEndWithBreakpoint)
    ->Arg(kNone)
    ->Arg(kElsewhere)
    ->Arg(kConditional)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

}  // namespace
}  // namespace zuvar
