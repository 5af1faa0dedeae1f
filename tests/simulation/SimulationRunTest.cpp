#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "interpreter/Interpreter.h"
#include "model/OutputLines.h"
#include "model/Schemat.h"
#include "simulation/RunControls.h"
#include "simulation/SimulationOptions.h"
#include "simulation/SimulationRun.h"
#include "tests/simulation/RunSetup.h"
#include "tests/support/DiagramBuilder.h"
#include "tests/support/RecordingHost.h"

namespace zuvar {
namespace {

using TRunEnd = TSimulationRun::TRunEnd;

enum class TDiagram {
  // start -> two lines -> stop: three steps to the end.
  TwoLines,
  // start -> a good line and a failing one -> stop.
  FailingLine,
  // A counting loop whose way out is never taken.
  Endless,
  // A start block alone: validation refuses it.
  Broken,
};

enum class TAction { Start, Step, RunAll, RunAllStoppedAfterThreeSteps, Stop, End };

const char* Name(TAction action) {
  switch (action) {
    case TAction::Start:
      return "start";
    case TAction::Step:
      return "step";
    case TAction::RunAll:
      return "run all";
    case TAction::RunAllStoppedAfterThreeSteps:
      return "run all, stopped";
    case TAction::Stop:
      return "stop";
    case TAction::End:
      return "end";
  }
  return "?";
}

// A run of one diagram with recorders for everything it tells.
struct RunFixture : test::TRunSetup {
  RunFixture() {
    options.RealTime = true;
    run.AddObserver(ui);
  }

  void Draw(TDiagram kind) {
    TNewShape* start = build.Add(nstStart);
    if (kind == TDiagram::Broken) return;
    if (kind == TDiagram::Endless) {
      TNewShape* init = build.Add(nstCalc, {"long i = 0;"});
      TNewShape* loop = build.Add(nstNode);
      TNewShape* body = build.Add(nstCalc, {"i = i + 1;"});
      TNewShape* test = build.Add(nstChoice, {"i > 0;"});
      TNewShape* stop = build.Add(nstStop);
      build.Chain({start, init, loop, body, test});
      build.Link(test, loop, sideLeft, sideLeft);
      build.LinkFalse(test, stop);
      return;
    }
    const bool fails = kind == TDiagram::FailingLine;
    TNewShape* calc = build.Add(nstCalc, {"long x = 1;", fails ? "y = 2;" : "x = x + 1;"});
    TNewShape* stop = build.Add(nstStop);
    build.Chain({start, calc, stop});
  }

  void Do(TAction action) {
    switch (action) {
      case TAction::Start:
        run.Start(&diagram, &output);
        break;
      case TAction::Step:
        run.Step();
        break;
      case TAction::RunAll:
        run.RunToEnd();
        break;
      case TAction::RunAllStoppedAfterThreeSteps: {
        int steps = 0;
        run.RunToEnd({}, [&] {
          if (++steps == 3) run.Stop();
        });
        break;
      }
      case TAction::Stop:
        run.Stop();
        break;
      case TAction::End:
        run.End();
        break;
    }
  }

  bool Logged(const std::string& line) const {
    for (const std::string& l : host.log)
      if (l == line) return true;
    return false;
  }
};

class SimulationRunTest : public ::testing::Test, public RunFixture {};

struct StateCase {
  const char* name;
  TDiagram diagram;
  std::vector<std::pair<TAction, TRunState>> actions;
};

TEST_F(SimulationRunTest, StateAfterEveryAction) {
  using enum TRunState;
  using enum TAction;
  const std::vector<StateCase> cases = {
      {"steps to the stop block, then the end",
       TDiagram::TwoLines,
       {{Start, Ready},
        {Step, Ready},
        {Step, Ready},
        {Step, Finished},
        {Step, Finished},
        {End, Idle}}},
      {"a start that fails stays idle",
       TDiagram::Broken,
       {{Start, Idle}, {Step, Idle}, {RunAll, Idle}, {End, Idle}}},
      {"a failing step leaves only the end",
       TDiagram::FailingLine,
       {{Start, Ready}, {Step, Ready}, {Step, Finished}, {RunAll, Finished}, {End, Idle}}},
      {"run all to the stop block",
       TDiagram::TwoLines,
       {{Start, Ready}, {RunAll, Finished}, {Start, Finished}, {End, Idle}, {Start, Ready}}},
      {"run all into a failing step", TDiagram::FailingLine, {{Start, Ready}, {RunAll, Finished}}},
      {"a stop outside a run to the end does nothing",
       TDiagram::Endless,
       {{Stop, Idle}, {Start, Ready}, {Stop, Ready}, {Step, Ready}}},
      {"a stopped run goes on by steps and ends",
       TDiagram::Endless,
       {{Start, Ready},
        {RunAllStoppedAfterThreeSteps, Ready},
        {Step, Ready},
        {RunAllStoppedAfterThreeSteps, Ready},
        {End, Idle},
        {End, Idle}}},
  };
  for (const StateCase& c : cases) {
    RunFixture fixture;
    fixture.Draw(c.diagram);
    for (std::size_t i = 0; i < c.actions.size(); ++i) {
      const auto& [action, expected] = c.actions[i];
      fixture.Do(action);
      EXPECT_EQ(fixture.run.State(), expected)
          << c.name << ", action " << i + 1 << " (" << Name(action) << ")";
      EXPECT_EQ(fixture.run.Exists(), expected != Idle) << c.name << ", action " << i + 1;
    }
  }
}

TEST_F(SimulationRunTest, ControlsFollowTheState) {
  using enum TRunState;
  struct Row {
    TRunState state;
    TRunControls controls;  // start, end, step, run all, stop, real time
  };
  const Row table[] = {
      {Idle, {true, false, false, false, false, true}},
      {Ready, {false, true, true, true, false, true}},
      {Stepping, {false, false, true, false, false, false}},
      {RunningToEnd, {false, false, true, false, true, false}},
      {Finished, {false, true, false, false, false, true}},
  };
  for (const Row& row : table)
    EXPECT_EQ(TRunControls::For(row.state), row.controls) << static_cast<int>(row.state);
}

TEST_F(SimulationRunTest, ObserversHearEveryStateAndTheRunsEvents) {
  Draw(TDiagram::TwoLines);
  TNewShape* calc = diagram.FirstBlock->Next;
  test::TRecordingSimulationHost second;
  run.AddObserver(second);
  ASSERT_TRUE(run.Start(&diagram, &output));
  run.Step();
  EXPECT_EQ(run.RunToEnd(), TRunEnd::Finished);
  run.End();
  using enum TRunState;
  const std::vector<TRunState> states = {Ready, Stepping, Ready, RunningToEnd, Finished, Idle};
  EXPECT_EQ(ui.states, states);
  EXPECT_EQ(second.states, states);
  EXPECT_EQ(ui.events, (std::vector<std::string>{"run starting", "run started", "active 2",
                                                 "active 3", "active 3", "run ended"}));
  EXPECT_EQ(ui.executed, (std::vector<TNewShape*>{calc, diagram.LastBlock}));
  EXPECT_EQ(ui.variablesAtEnd, 1u);
  EXPECT_EQ(host.log.front(), "Uruchomienie symulacji");
  EXPECT_TRUE(Logged("Wykonanie całego algorytmu"));
  EXPECT_EQ(host.log.back(), "Zakończenie symulacji");
  run.RemoveObserver(second);
  run.Start(&diagram, &output);
  EXPECT_EQ(second.states.size(), states.size());
}

TEST_F(SimulationRunTest, AFailedStartIsReportedAndLeavesNoRun) {
  Draw(TDiagram::Broken);
  EXPECT_FALSE(run.Start(&diagram, &output));
  EXPECT_EQ(host.log.front(), "Uruchomienie symulacji");
  EXPECT_EQ(host.log.back(), "Uruchomienie symulacji anulowano");
  EXPECT_EQ(host.messages.back().text, "Wykryto błędne połączenia bloków w schemacie!");
  EXPECT_EQ(ui.events, (std::vector<std::string>{"run starting", "run ended"}));
  EXPECT_TRUE(ui.states.empty());
}

TEST_F(SimulationRunTest, ASecondStartDoesNothing) {
  Draw(TDiagram::TwoLines);
  ASSERT_TRUE(run.Start(&diagram, &output));
  TInterpreter* first = run.Interpreter();
  EXPECT_FALSE(run.Start(&diagram, &output));
  EXPECT_EQ(run.Interpreter(), first);
  EXPECT_EQ(host.log, std::vector<std::string>{"Uruchomienie symulacji"});
}

TEST_F(SimulationRunTest, CheckReportsAndNeverLeavesIdle) {
  EXPECT_FALSE(run.Check(nullptr));
  EXPECT_EQ(host.log, (std::vector<std::string>{"Sprawdzenie połączeń bloków w schemacie",
                                                "Brak schematu do przeprowadzenia kontroli!"}));
  Draw(TDiagram::TwoLines);
  EXPECT_TRUE(run.Check(&diagram));
  EXPECT_EQ(host.log.back(), "Schemat blokowy wydaje się być poprawnie zaprojektowany!");
  EXPECT_EQ(host.messages.back().caption, "Informacja");
  EXPECT_EQ(ui.events, (std::vector<std::string>{"run starting", "run started", "run ended"}));
  EXPECT_TRUE(ui.states.empty());
  EXPECT_FALSE(run.Exists());
  run.Start(&diagram, &output);
  EXPECT_FALSE(run.Check(&diagram));
  EXPECT_EQ(host.messages.back().text, "Symulacja jest już uruchomiona....");
  EXPECT_EQ(run.State(), TRunState::Ready);
}

TEST_F(SimulationRunTest, RealTimeRunEndsAFinishedRunAndPutsTheOptionBack) {
  Draw(TDiagram::TwoLines);
  options.RealTime = false;
  options.Bubble = false;
  ASSERT_TRUE(run.Start(&diagram, &output));
  bool realTimeDuringTheRun = false;
  EXPECT_EQ(run.RunInRealTime([&] { realTimeDuringTheRun = options.RealTime; }), TRunEnd::Finished);
  EXPECT_TRUE(realTimeDuringTheRun);
  EXPECT_FALSE(options.RealTime);
  EXPECT_TRUE(ui.sleeps.empty());  // no link blinked
  EXPECT_FALSE(run.Exists());
  EXPECT_EQ(host.log.back(), "Zakończenie symulacji");
}

TEST_F(SimulationRunTest, KeepGoingIsAskedBeforeEveryStep) {
  Draw(TDiagram::Endless);
  ASSERT_TRUE(run.Start(&diagram, &output));
  int asked = 0;
  EXPECT_EQ(run.RunToEnd([&] { return ++asked <= 3; }), TRunEnd::Halted);
  EXPECT_EQ(asked, 4);
  EXPECT_EQ(run.State(), TRunState::Ready);
  EXPECT_EQ(run.Interpreter()->CurrentBlock, diagram.FirstBlock->Next->Next->Next);
}

TEST_F(SimulationRunTest, AStopDuringAnAnimationOnlyCutsItShort) {
  Draw(TDiagram::Endless);
  options.RealTime = false;
  ASSERT_TRUE(run.Start(&diagram, &output));
  ui.onProcessMessages = [&] {
    if (ui.messageRounds == 1) run.Stop();
  };
  std::vector<TRunControls> seen;
  EXPECT_EQ(run.RunToEnd({}, [&] { seen.push_back(run.Controls()); }), TRunEnd::Stopped);
  EXPECT_EQ(ui.ballsRemoved, 1);  // the travel was cut short
  EXPECT_EQ(run.Interpreter()->StepInterrupt, 1);
  EXPECT_EQ(seen.size(), 1u);  // the loop stopped after that step
  EXPECT_TRUE(seen.front().Stop && !seen.front().End && !seen.front().RealTime);
  EXPECT_TRUE(Logged("Zatrzymanie wykonywania algorytmu"));
  EXPECT_EQ(run.State(), TRunState::Ready);
}

TEST_F(SimulationRunTest, AStepBetweenTwoStepsOfTheLoopThatFailsEndsTheLoop) {
  Draw(TDiagram::FailingLine);
  ASSERT_TRUE(run.Start(&diagram, &output));
  EXPECT_EQ(run.RunToEnd({}, [&] { run.Step(); }), TRunEnd::StepFailed);
  EXPECT_EQ(run.State(), TRunState::Finished);
  EXPECT_EQ(host.messages.back().caption, "Błąd składni!");
}

TEST_F(SimulationRunTest, ALoopWhoseRunWasEndedMeanwhileTouchesNothing) {
  Draw(TDiagram::Endless);
  ASSERT_TRUE(run.Start(&diagram, &output));
  int steps = 0;
  auto endThenStartAgain = [&] {
    if (++steps != 2) return;
    run.End();
    run.Start(&diagram, &output);
  };
  EXPECT_EQ(run.RunToEnd({}, endThenStartAgain), TRunEnd::Ended);
  EXPECT_EQ(run.State(), TRunState::Ready);  // the new run, untouched
  EXPECT_EQ(run.Interpreter()->Line, 0);
}

}  // namespace
}  // namespace zuvar
