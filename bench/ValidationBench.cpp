// Validation of a generated 100,000-block diagram: a long chain of calculation blocks broken by
// decisions, node blocks and continuation pairs, walked from its start block.
#include <benchmark/benchmark.h>

#include <string>

#include "interpreter/Interpreter.h"
#include "model/Schemat.h"
#include "simulation/ConnectionCheck.h"
#include "tests/support/DiagramBuilder.h"
#include "tests/support/RecordingHost.h"

namespace zuvar {
namespace {

void BuildLargeDiagram(TSchemat& diagram, int blocks) {
  test::TDiagramBuilder build(diagram);
  TNewShape* previous = build.Add(nstStart);
  TNewShape* stop = build.Add(nstStop);
  int made = 2;
  int pair = 0;
  while (made < blocks) {
    TNewShape* next = nullptr;
    switch (made % 10) {
      case 3: {
        next = build.Add(nstChoice, {"x > 0;"});
        build.LinkFalse(next, stop);
        break;
      }
      case 6: {
        const std::string name = "K" + std::to_string(pair++);
        TNewShape* first = build.Continuation(name);
        build.Link(previous, first);
        previous = build.Continuation(name);
        made += 2;
        continue;
      }
      case 8:
        next = build.Add(nstNode);
        break;
      default:
        next = build.Add(nstCalc, {"x = x + 1;"});
        break;
    }
    build.Link(previous, next);
    previous = next;
    ++made;
  }
  build.Link(previous, stop);
}

void BM_CheckConnections(benchmark::State& state) {
  TSchemat diagram;
  BuildLargeDiagram(diagram, static_cast<int>(state.range(0)));
  test::TRecordingHost host;
  TInterpreter interpreter(host);
  bool valid = false;
  for (auto _ : state) {
    valid = TConnectionCheck(interpreter, diagram, host).CheckConnections();
    benchmark::DoNotOptimize(valid);
  }
  state.counters["blocks"] = static_cast<double>(diagram.BlockCount());
  state.counters["valid"] = valid ? 1 : 0;
}

BENCHMARK(BM_CheckConnections)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zuvar
