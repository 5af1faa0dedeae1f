#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "interpreter/Interpreter.h"
#include "model/OutputLines.h"
#include "model/Schemat.h"
#include "simulation/SimulationOptions.h"
#include "simulation/SimulationRun.h"
#include "tests/simulation/RunSetup.h"
#include "tests/support/DiagramBuilder.h"
#include "tests/support/RecordingHost.h"

namespace zuvar {
namespace {

using TRunEnd = TSimulationRun::TRunEnd;

class RunToolsTest : public ::testing::Test, public test::TRunSetup {
 protected:
  RunToolsTest() {
    options.RealTime = true;
    run.AddObserver(ui);
  }
};

// ---- a refused start or check points at the block ------------------------------------------

TEST_F(RunToolsTest, ARefusedStartOrCheckMakesTheFaultyBlockActive) {
  TNewShape* start = build.Add(nstStart);
  TNewShape* calc = build.Add(nstCalc, {"long x = 1;"});
  TNewShape* choice = build.Add(nstChoice, {"x > 0;"});
  TNewShape* stop = build.Add(nstStop);
  build.Chain({start, calc, choice, stop});  // the decision has no FALSE exit
  TNewShape* elsewhere = build.Add(nstNode);
  diagram.SetActiveBlock(elsewhere);

  EXPECT_FALSE(run.Start(&diagram, &output));
  EXPECT_EQ(diagram.ActiveBlock, choice);
  EXPECT_EQ(ui.events.back(), "active " + std::to_string(choice->Id));
  // The reports stay as they were: the walk's line, the summary, the cancellation.
  const std::vector<std::string> tail(host.log.end() - 3, host.log.end());
  EXPECT_EQ(tail, (std::vector<std::string>{"Blok wyboru musi mieć powiązane oba wyjścia!",
                                            "Wykryto błędne połączenia bloków w schemacie!",
                                            "Uruchomienie symulacji anulowano"}));

  build.LinkFalse(choice, stop);
  calc->Code = {"long x = 1;", "x = ;"};
  options.CheckCodeBeforeRun = true;
  diagram.SetActiveBlock(elsewhere);
  EXPECT_FALSE(run.Check(&diagram));
  EXPECT_EQ(diagram.ActiveBlock, calc);
  EXPECT_EQ(host.log.back(), "Wykryto błędy w kodzie źródłowym!");

  calc->Code = {"long x = 1;"};
  diagram.SetActiveBlock(elsewhere);
  const int scrolls = ui.scrolls;
  EXPECT_TRUE(run.Check(&diagram));
  EXPECT_EQ(diagram.ActiveBlock, elsewhere);  // nothing to point at
  EXPECT_EQ(ui.scrolls, scrolls);
}

TEST_F(RunToolsTest, AnErrorOfTheWholeDiagramPointsNowhere) {
  TNewShape* first = build.Add(nstStart);
  TNewShape* second = build.Add(nstStart);
  diagram.SetActiveBlock(first);
  EXPECT_FALSE(run.Check(&diagram));
  EXPECT_EQ(diagram.ActiveBlock, second);  // the second start block is the one too many

  TSchemat empty;
  TNewShape* node = test::TDiagramBuilder(empty).Add(nstNode);
  empty.SetActiveBlock(node);
  EXPECT_FALSE(run.Check(&empty));  // no start block at all
  EXPECT_EQ(empty.ActiveBlock, node);
}

// ---- breakpoints ----------------------------------------------------------------------------

TEST_F(RunToolsTest, ABreakpointStopsARunToTheEndBeforeTheBlocksFirstLine) {
  TNewShape* start = build.Add(nstStart);
  TNewShape* calc = build.Add(nstCalc, {"long x = 1;", "x = x + 1;"});
  TNewShape* stop = build.Add(nstStop);
  build.Chain({start, calc, stop});
  EXPECT_TRUE(run.Breakpoints().Toggle(calc->Id));
  for (const bool animated : {false, true}) {
    options.RealTime = !animated;
    ASSERT_TRUE(run.Start(&diagram, &output));
    EXPECT_EQ(run.RunToEnd(), TRunEnd::Breakpoint) << animated;
    EXPECT_EQ(run.State(), TRunState::Ready);
    TInterpreter& at = *run.Interpreter();
    EXPECT_EQ(at.CurrentBlock, calc);
    EXPECT_EQ(diagram.ActiveBlock, calc);
    EXPECT_EQ(at.VariableCount(), 0u);  // "long x = 1;" has not run
    EXPECT_EQ(host.log.back(), "Zatrzymanie wykonywania algorytmu w punkcie zatrzymania");
    run.Step();  // runs the first line
    EXPECT_EQ(at.VariableCount(), 1u);
    EXPECT_EQ(at.Line, 1);
    EXPECT_EQ(host.log.back(), "interpretacja kodu: \"long x = 1;\"");
    EXPECT_EQ(run.RunToEnd(), TRunEnd::Finished);  // no second stop in the same block
    EXPECT_EQ(at.FindVariable("x")->Values[0], "2");
    run.End();
  }
  // Kept across runs until taken off.
  EXPECT_TRUE(run.Breakpoints().Has(calc->Id));
  EXPECT_FALSE(run.Breakpoints().Toggle(calc->Id));
  ASSERT_TRUE(run.Start(&diagram, &output));
  EXPECT_EQ(run.RunToEnd(), TRunEnd::Finished);
}

TEST_F(RunToolsTest, ABreakpointInALoopStopsAtEveryPassAndOnlyRunsToTheEndStop) {
  TNewShape* start = build.Add(nstStart);
  TNewShape* init = build.Add(nstCalc, {"long i = 0;"});
  TNewShape* node = build.Add(nstNode);
  TNewShape* body = build.Add(nstCalc, {"i = i + 1;"});
  TNewShape* test = build.Add(nstChoice, {"i < 3;"});
  TNewShape* stop = build.Add(nstStop);
  build.Chain({start, init, node, body, test});
  build.Link(test, node, sideLeft, sideLeft);
  build.LinkFalse(test, stop);
  run.Breakpoints().Toggle(node->Id);
  run.Breakpoints().Toggle(stop->Id);
  ASSERT_TRUE(run.Start(&diagram, &output));
  // Steps one by one pass a breakpoint without stopping.
  run.Step();
  run.Step();
  EXPECT_EQ(run.Interpreter()->CurrentBlock, node);
  std::vector<std::string> values;
  while (run.RunToEnd() == TRunEnd::Breakpoint)
    values.push_back(run.Interpreter()->FindVariable("i")->Values[0]);
  EXPECT_EQ(values, (std::vector<std::string>{"1", "2", "3"}));  // the node twice, then the stop
  EXPECT_EQ(run.Interpreter()->CurrentBlock, stop);
  EXPECT_EQ(run.State(), TRunState::Finished);
  EXPECT_EQ(host.log.back(), "Symulacja algorytmu została wykonana");
}

// ---- speed ----------------------------------------------------------------------------------

struct Waits {
  unsigned slept = 0;
  unsigned busy = 0;
  std::size_t pauses = 0;
};

Waits AnimatedRunAt(int speed) {
  TSchemat diagram;
  test::TDiagramBuilder build{diagram};
  TNewShape* start = build.Add(nstStart);
  TNewShape* calc = build.Add(nstCalc, {"long x = 1;"});
  TNewShape* stop = build.Add(nstStop);
  build.Chain({start, calc, stop});
  test::TRecordingHost host;
  test::TRecordingSimulationHost ui;
  TSimulationOptions options;
  options.Speed = speed;
  TSimulationRun run{host, ui, options};
  TOutputLines output;
  run.Start(&diagram, &output);
  run.RunToEnd();
  Waits waits;
  for (unsigned pause : ui.sleeps) waits.slept += pause;
  waits.pauses = ui.sleeps.size();
  waits.busy = ui.waited;
  return waits;
}

TEST_F(RunToolsTest, TheSpeedScalesTheBlinksAndTheBallsTravel) {
  const Waits normal = AnimatedRunAt(0);
  ASSERT_EQ(normal.pauses, 12u);  // two links, three blinks of two phases
  EXPECT_EQ(normal.slept, 12u * 35);
  ASSERT_GT(normal.busy, 0u);
  EXPECT_EQ(normal.busy % 15, 0u);
  const Waits slow = AnimatedRunAt(TSimulationOptions::kSlowest);
  EXPECT_EQ(slow.slept, normal.slept * 4);
  EXPECT_EQ(slow.busy, normal.busy * 4);
  // Fractions of a millisecond are carried from one wait to the next within a link, so fast
  // paces keep their average (less than a millisecond lost per link).
  const unsigned whole = normal.slept + normal.busy;
  for (int speed = 1; speed <= TSimulationOptions::kFastest; ++speed) {
    const Waits fast = AnimatedRunAt(speed);
    const unsigned factor = 1u << speed;
    EXPECT_EQ(fast.pauses, normal.pauses) << speed;
    EXPECT_LE((fast.slept + fast.busy) * factor, whole) << speed;
    EXPECT_GE((fast.slept + fast.busy + 2) * factor, whole) << speed;
  }
}

TEST_F(RunToolsTest, AChangeOfSpeedDuringARunTakesEffectAtTheNextWait) {
  TNewShape* start = build.Add(nstStart);
  TNewShape* calc = build.Add(nstCalc, {"long x = 1;"});
  TNewShape* stop = build.Add(nstStop);
  build.Chain({start, calc, stop});
  options.RealTime = false;
  options.Bubble = false;
  ASSERT_TRUE(run.Start(&diagram, &output));
  int steps = 0;
  run.RunToEnd({}, [&] {
    if (++steps == 1) options.Speed = TSimulationOptions::kSlowest;
  });
  ASSERT_EQ(ui.sleeps.size(), 12u);
  EXPECT_EQ(ui.sleeps.front(), 35u);
  EXPECT_EQ(ui.sleeps.back(), 140u);
}

}  // namespace
}  // namespace zuvar
