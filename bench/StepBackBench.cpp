// The history of steps that "Krok wstecz" undoes: the memory that 1,000 recorded steps take on
// a diagram with an array of 1,000 elements (against what a copy of the variables per step would
// take), and the time of a real-time run to the end with the history kept and without it (the
// best of five each). Prints the figures; never fails.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>

#include "cli/LineReader.h"
#include "cli/TerminalHost.h"
#include "interpreter/Interpreter.h"
#include "model/OutputLines.h"
#include "model/Schemat.h"
#include "simulation/SimulationOptions.h"
#include "simulation/SimulationRun.h"
#include "tests/support/DiagramBuilder.h"

using namespace zuvar;

namespace {

// Fills a 1,000-element array over and over: "t[i % 1000] = i * 1.5;" and "i = i + 1;" in a
// loop that a decision ends after the given number of passes (four steps each).
void DrawArrayLoop(TSchemat& diagram, int passes) {
  test::TDiagramBuilder build(diagram);
  TNewShape* start = build.Add(nstStart);
  TNewShape* init = build.Add(nstCalc, {"double t[1000];", "long i = 0;"});
  TNewShape* node = build.Add(nstNode);
  TNewShape* test = build.Add(nstChoice, {"i < " + std::to_string(passes) + ";"});
  TNewShape* body = build.Add(nstCalc, {"t[i % 1000] = i * 1.5;", "i = i + 1;"});
  TNewShape* stop = build.Add(nstStop);
  build.Chain({start, init, node, test, body});
  build.Link(body, node, sideLeft, sideLeft);
  build.LinkFalse(test, stop);
}

// The bytes of a plain copy of the run's variables: what one snapshot per step would take.
std::size_t CopyBytes(const TInterpreter& run) {
  std::size_t bytes = 0;
  for (const TInterpreter::variables* v = run.Variables; v; v = v->Next) {
    bytes += sizeof(TInterpreter::variables) + v->Name.capacity();
    for (const std::string& value : v->Values)
      bytes += sizeof(std::string) + (value.size() > 15 ? value.capacity() + 1 : 0);
  }
  return bytes;
}

// The run's message boxes ("Symulacja algorytmu została wykonana") go nowhere.
struct TBench {
  TLineReader input{0};
  std::FILE* silence = std::fopen("/dev/null", "w");
  TTerminalHost host{input, silence ? silence : stderr, false};
  TSimulationOptions options;
  TSchemat diagram;
  TOutputLines output;
  TSimulationRun run{host, host, options};

  explicit TBench(int passes) {
    options.RealTime = true;
    DrawArrayLoop(diagram, passes);
  }
  ~TBench() {
    run.Discard();
    if (silence) std::fclose(silence);
  }
  TBench(const TBench&) = delete;
  TBench& operator=(const TBench&) = delete;
};

void MeasureMemory() {
  TBench bench(1000000);
  bench.run.Start(&bench.diagram, &bench.output);
  for (int i = 0; i < 1500; ++i) bench.run.Step();
  const TRunHistory& history = bench.run.History();
  const std::size_t bytes = history.MemoryBytes();
  const std::size_t copy = CopyBytes(*bench.run.Interpreter());
  std::printf("history of %zu steps (array of 1000 doubles): %zu bytes, %.0f bytes per step\n",
              history.Size(), bytes, static_cast<double>(bytes) / history.Size());
  std::printf("a copy of the variables per step instead: %zu bytes per step, %.1f MB for %zu\n",
              copy, static_cast<double>(copy) * history.Size() / 1e6, history.Size());
  bench.run.End();
}

double RunSeconds(std::size_t limit, int passes) {
  TBench bench(passes);
  bench.run.History().SetLimit(limit);
  bench.run.Start(&bench.diagram, &bench.output);
  const auto begin = std::chrono::steady_clock::now();
  bench.run.RunToEnd();
  const auto end = std::chrono::steady_clock::now();
  bench.run.End();
  return std::chrono::duration<double>(end - begin).count();
}

void MeasureRealTimeRun() {
  constexpr int kPasses = 100000;
  double with = 1e9;
  double without = 1e9;
  for (int round = 0; round < 5; ++round) {
    without = std::min(without, RunSeconds(0, kPasses));
    with = std::min(with, RunSeconds(TRunHistory::kDefaultLimit, kPasses));
  }
  std::printf("real-time run of %d steps: %.1f ms without history, %.1f ms with it (%+.1f %%)\n",
              kPasses * 4, without * 1e3, with * 1e3, (with / without - 1) * 100);
}

}  // namespace

int main() {
  MeasureMemory();
  MeasureRealTimeRun();
  return 0;
}
