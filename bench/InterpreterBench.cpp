// Statements per second through ExecuteLine, the path of every simulation step.
#include <benchmark/benchmark.h>

#include <string>

#include "interpreter/Interpreter.h"
#include "interpreter/StatementInterpreter.h"
#include "model/Host.h"
#include "model/NewShape.h"
#include "model/OutputLines.h"

namespace {

using namespace zuvar;

class QuietHost : public THost {
 public:
  TMsgResult ShowMessage(std::string_view, std::string_view, TMsgIcon, TMsgButtons) override {
    return TMsgResult::Ok;
  }
  void AppendLog(std::string_view) override {}
  void ScrollLogPage() override {}
  void Beep() override {}
  std::optional<std::string> ReadValue(std::string_view) override { return "1"; }
};

class CountingListener : public TVariablesListener {
 public:
  void OnVariablesChanged() override { ++changes; }
  long changes = 0;
};

// Declares with the first line, then runs the second line once per iteration.
void RunStatement(benchmark::State& state, const char* declaration, const char* statement) {
  QuietHost host;
  TInterpreter in(host);
  TOutputLines output;
  CountingListener listener;
  TNewShape block;
  block.SetShape(nstCalc);
  in.CurrentBlock = &block;
  in.OutputLines = &output;
  in.VariablesListener = &listener;
  block.Code = {declaration, statement};
  in.Line = 1;
  if (ExecuteLine(in) != 1) {
    state.SkipWithError("declaration failed");
    return;
  }
  in.Line = 2;
  for (auto _ : state) {
    if (ExecuteLine(in) != 1) {
      state.SkipWithError("statement failed");
      return;
    }
  }
  state.counters["statements/s"] =
      benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

void BM_IntIncrement(benchmark::State& state) { RunStatement(state, "int i;", "i = i + 1;"); }
void BM_DoubleScale(benchmark::State& state) {
  RunStatement(state, "double x = 1;", "x = x * 1.000001;");
}
void BM_ArrayStep(benchmark::State& state) {
  RunStatement(state, "int t[1000]; int i = 500;", "t[i] = t[i - 1] + 1;");
}

}  // namespace

BENCHMARK(BM_IntIncrement);
BENCHMARK(BM_DoubleScale);
BENCHMARK(BM_ArrayStep);
