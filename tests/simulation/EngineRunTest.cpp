#include <gtest/gtest.h>

#include "tests/simulation/EngineFixture.h"

namespace zuvar {
namespace {

class EngineRunTest : public test::EngineFixture {};

TEST_F(EngineRunTest, NoDiagramIsStartErrorOne) {
  engine.PrepareSimulation(*run, nullptr);
  EXPECT_EQ(run->StartError, 1);
  EXPECT_EQ(host.events, (std::vector<std::string>{
                             "LOG Brak schematu do wykonania!",
                             "[Błąd podczas uruchamiania symulacji] Brak schematu do wykonania!"}));
  EXPECT_EQ(host.logPageScrolls, 1);
  EXPECT_EQ(ui.events, std::vector<std::string>{"run starting"});
  EXPECT_EQ(run->BuiltinFunctions.size(), 12u);
  engine.StopSimulation(run, true);
  EXPECT_EQ(ui.events, (std::vector<std::string>{"run starting", "run ended"}));
}

TEST_F(EngineRunTest, FaultyConnectionsAreStartErrorTwo) {
  build.Add(nstStart);
  build.Add(nstStop);
  run->Line = 9;
  run->Finished = 1;
  run->Token = "old";
  engine.PrepareSimulation(*run, &diagram);
  EXPECT_EQ(run->StartError, 2);
  EXPECT_EQ(run->Line, 0);
  EXPECT_EQ(run->Finished, 0);
  EXPECT_TRUE(run->Token.empty());
  EXPECT_EQ(host.events, (std::vector<std::string>{
                             "LOG Brak połączeń wyjściowych od bloku start!",
                             "LOG Wykryto błędne połączenia bloków w schemacie!",
                             "[Informacja] Wykryto błędne połączenia bloków w schemacie!"}));
  EXPECT_EQ(ui.events, std::vector<std::string>{"run starting"});
}

TEST_F(EngineRunTest, EndOfRunGivesBackTheActiveBlockAndTheEditor) {
  TNewShape* start = build.Add(nstStart);
  TNewShape* calc = build.Add(nstCalc, {"long v = 4;"});
  TNewShape* stop = build.Add(nstStop);
  build.Chain({start, calc, stop});
  ui.SetActiveBlock(diagram, calc);
  const TBrush calcFill = calc->SavedBrush;
  Start();
  EXPECT_EQ(run->SavedActiveBlock, calc);
  Step();
  Step();
  ASSERT_EQ(run->Finished, 1);
  EXPECT_EQ(stop->Brush, TBrush::Solid(clRed));
  ui.events.clear();
  engine.StopSimulation(run, true);
  EXPECT_EQ(run, nullptr);
  EXPECT_EQ(diagram.ActiveBlock, calc);
  EXPECT_FALSE(AnyBlockRed());
  EXPECT_EQ(calc->Brush, TBrush::Solid(clLime));
  EXPECT_EQ(calc->SavedBrush, calcFill);
  EXPECT_EQ(stop->Brush, stop->SavedBrush);
  EXPECT_EQ(ui.events, (std::vector<std::string>{"active 3", "run ended", "active 2"}));
  EXPECT_EQ(ui.variablesAtEnd, 1u);  // told while the variables were still there
}

TEST_F(EngineRunTest, WithoutAnEarlierActiveBlockTheLastExecutedOneStaysActive) {
  TNewShape* start = build.Add(nstStart);
  TNewShape* stop = build.Add(nstStop);
  build.Link(start, stop);
  Start();
  RunToEnd();
  engine.StopSimulation(run, false);
  EXPECT_EQ(diagram.ActiveBlock, stop);
  EXPECT_EQ(stop->Brush, TBrush::Solid(clLime));
  EXPECT_EQ(run->CurrentBlock, nullptr);
  EXPECT_EQ(run->VariableCount(), 0u);
}

TEST_F(EngineRunTest, OptionsAreReadAtEveryStep) {
  TNewShape* start = build.Add(nstStart);
  TNewShape* calc = build.Add(nstCalc, {"int a[2];", "a[1] = 5;"});
  TNewShape* stop = build.Add(nstStop);
  build.Chain({start, calc, stop});
  Start();
  EXPECT_TRUE(run->ShowArrayIndexesSeparately);
  Step();
  options.ShowArrayIndices = false;
  Step();
  EXPECT_FALSE(run->ShowArrayIndexesSeparately);
  options.RealTime = false;
  options.Bubble = false;
  Step();
  EXPECT_EQ(ui.sleeps.size(), 6u);
}

TEST_F(EngineRunTest, EachEngineHasItsOwnStepGuard) {
  TNewShape* start = build.Add(nstStart);
  TNewShape* stop = build.Add(nstStop);
  build.Link(start, stop);
  options.RealTime = false;
  TSchemat other;
  test::TDiagramBuilder otherBuild(other);
  TNewShape* s2 = otherBuild.Add(nstStart);
  TNewShape* e2 = otherBuild.Add(nstStop);
  otherBuild.Link(s2, e2);
  test::TRecordingSimulationHost otherUi;
  TSimulationOptions otherOptions;
  otherOptions.RealTime = true;
  TSimulationEngine otherEngine(host, otherUi, otherOptions);
  auto otherRun = std::make_unique<TInterpreter>(host);
  otherEngine.PrepareSimulation(*otherRun, &other);
  Start();
  int nestedResult = -1;
  ui.onProcessMessages = [&] {
    if (ui.messageRounds == 1) nestedResult = otherEngine.Step(*otherRun);
  };
  Step();
  EXPECT_EQ(nestedResult, 1);
  EXPECT_EQ(otherRun->CurrentBlock, e2);  // the other engine really stepped
  EXPECT_EQ(run->StepInterrupt, 0);
  otherEngine.StopSimulation(otherRun, true);
}

}  // namespace
}  // namespace zuvar
