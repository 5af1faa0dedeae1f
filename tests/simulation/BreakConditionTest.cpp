#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "interpreter/Interpreter.h"
#include "model/OutputLines.h"
#include "model/Schemat.h"
#include "simulation/SimulationOptions.h"
#include "simulation/SimulationRun.h"
#include "tests/simulation/RecordingSimulationHost.h"
#include "tests/support/DiagramBuilder.h"
#include "tests/support/RecordingHost.h"

namespace zuvar {
namespace {

using TRunEnd = TSimulationRun::TRunEnd;

// Keeps every line event as "Id:line".
class TLineRecorder : public TRunObserver {
 public:
  void LineRun(const TInterpreter&, TNewShape* block, int line) override {
    lines.push_back(std::to_string(block->Id) + ":" + std::to_string(line));
  }
  std::vector<std::string> lines;
};

class BreakConditionTest : public ::testing::Test {
 protected:
  BreakConditionTest() {
    options.RealTime = true;
    run.AddObserver(ui);
    run.AddObserver(recorder);
  }

  // start -> i = 0 -> node -> i = i + 1 -> write(i) -> i < 5 ? node : stop
  void BuildLoop() {
    TNewShape* start = build.Add(nstStart);
    TNewShape* init = build.Add(nstCalc, {"long i = 0;"});
    node = build.Add(nstNode);
    body = build.Add(nstCalc, {"i = i + 1;"});
    TNewShape* out = build.Add(nstInOut, {"write(i);"});
    TNewShape* test = build.Add(nstChoice, {"i < 5;"});
    stop = build.Add(nstStop);
    build.Chain({start, init, node, body, out, test});
    build.Link(test, node, sideLeft, sideLeft);
    build.LinkFalse(test, stop);
  }

  // The value of i at every stop of runs to the end until the run finishes.
  std::vector<std::string> StopsOfI() {
    std::vector<std::string> values;
    EXPECT_TRUE(run.Start(&diagram, &output));
    while (run.RunToEnd() == TRunEnd::Breakpoint)
      values.push_back(run.Interpreter()->FindVariable("i")->Values[0]);
    EXPECT_EQ(run.State(), TRunState::Finished);
    run.End();
    return values;
  }

  TSchemat diagram;
  test::TDiagramBuilder build{diagram};
  test::TRecordingHost host;
  test::TRecordingSimulationHost ui;
  TLineRecorder recorder;
  TSimulationOptions options;
  TSimulationRun run{host, ui, options};
  TOutputLines output;
  TNewShape* node = nullptr;
  TNewShape* body = nullptr;
  TNewShape* stop = nullptr;
};

TEST_F(BreakConditionTest, ARunStopsOnlyWhereTheConditionHolds) {
  BuildLoop();
  TBreakpoints& points = run.Breakpoints();
  points.Set(node->Id, "i == 2 || i == 4");
  EXPECT_EQ(StopsOfI(), (std::vector<std::string>{"2", "4"}));
  // Kept across runs; a false condition never stops.
  EXPECT_EQ(points.Condition(node->Id), "i == 2 || i == 4");
  points.Set(node->Id, "i > 100");
  EXPECT_EQ(StopsOfI(), std::vector<std::string>{});
  // An empty condition stops at every pass; taking the breakpoint off takes its condition.
  points.Set(node->Id, "");
  EXPECT_EQ(StopsOfI(), (std::vector<std::string>{"0", "1", "2", "3", "4"}));
  EXPECT_FALSE(points.Toggle(node->Id));
  EXPECT_TRUE(points.Toggle(node->Id));
  EXPECT_EQ(points.Condition(node->Id), "");
  EXPECT_EQ(host.messages.size(), 3u);  // only the "wykonana" box of each run
}

TEST_F(BreakConditionTest, AConditionThatCannotBeEvaluatedStopsAndSaysWhy) {
  BuildLoop();
  run.Breakpoints().Set(body->Id, "j > 1");
  ASSERT_TRUE(run.Start(&diagram, &output));
  EXPECT_EQ(run.RunToEnd(), TRunEnd::Breakpoint);
  EXPECT_EQ(run.Interpreter()->CurrentBlock, body);
  const std::vector<std::string> tail(host.log.end() - 2, host.log.end());
  EXPECT_EQ(tail[0], "Nie można obliczyć warunku zatrzymania w bloku " + body->Caption +
                         ": Błąd składni! Niezdefiniowana zmienna: j : Token poprawny :-)");
  EXPECT_EQ(tail[1], "Zatrzymanie wykonywania algorytmu w punkcie zatrzymania");
  EXPECT_TRUE(host.messages.empty());  // the host's message box is never used for it
  // The run goes on from there as from any stop.
  run.Step();
  EXPECT_EQ(run.Interpreter()->FindVariable("i")->Values[0], "1");
  run.End();
}

// A condition that would change the run is refused and stops it; the run is as it was.
TEST_F(BreakConditionTest, AConditionHasNoSideEffects) {
  BuildLoop();
  for (const char* condition : {"i = 100", "write(i)", "read(i)", "i++"}) {
    run.Breakpoints().Set(body->Id, condition);
    host.entries = {"50"};
    const std::size_t messages = host.messages.size();
    ASSERT_TRUE(run.Start(&diagram, &output));
    std::vector<std::string> values;
    while (run.RunToEnd() == TRunEnd::Breakpoint)
      values.push_back(run.Interpreter()->FindVariable("i")->Values[0]);
    EXPECT_EQ(values, (std::vector<std::string>{"0", "1", "2", "3", "4"})) << condition;
    EXPECT_EQ(output.Lines(), std::vector<std::string>{"12345"}) << condition;
    EXPECT_EQ(host.messages.size(), messages + 1) << condition;  // "wykonana" only
    EXPECT_TRUE(host.prompts.empty()) << condition;
    run.End();
    output.Clear();
  }
}

TEST_F(BreakConditionTest, EveryStepTellsWhichLineOfWhichBlockItRan) {
  TNewShape* start = build.Add(nstStart);
  TNewShape* calc = build.Add(nstCalc, {"long x = 1;", "x = x + 1;", "x = x * 3;"});
  TNewShape* label = build.Continuation("A");
  TNewShape* partner = build.Continuation("A");
  TNewShape* end = build.Add(nstStop);
  build.Chain({start, calc, label});
  build.Chain({partner, end});
  const auto at = [](const TNewShape* block, int line) {
    return std::to_string(block->Id) + ":" + std::to_string(line);
  };
  ASSERT_TRUE(run.Start(&diagram, &output));
  while (run.State() == TRunState::Ready) run.Step();
  EXPECT_EQ(recorder.lines, (std::vector<std::string>{at(calc, 1), at(calc, 2), at(calc, 3),
                                                      at(label, 0), at(partner, 0), at(end, 0)}));
  run.End();
  // A stop on entering the block comes before its first line.
  recorder.lines.clear();
  run.Breakpoints().Toggle(calc->Id);
  ASSERT_TRUE(run.Start(&diagram, &output));
  EXPECT_EQ(run.RunToEnd(), TRunEnd::Breakpoint);
  run.Step();
  EXPECT_EQ(recorder.lines, (std::vector<std::string>{at(calc, 0), at(calc, 1)}));
  run.End();
}

}  // namespace
}  // namespace zuvar
