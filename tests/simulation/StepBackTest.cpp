#include <gtest/gtest.h>

#include <memory>
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

// A loop through assignments, an array, a decision, writes and a continuation jump:
// i counts 0..2, each pass writes i and a line break and sets t[i]; the pass ends at the
// continuation "A", whose partner leads back to the node before the decision.
void DrawLoop(test::TDiagramBuilder& build) {
  TNewShape* start = build.Add(nstStart);
  TNewShape* init = build.Add(nstCalc, {"long i = 0;", "double t[3];"});
  TNewShape* node = build.Add(nstNode);
  TNewShape* test = build.Add(nstChoice, {"i < 3;"});
  TNewShape* io = build.Add(nstInOut, {"write(i);", "write(\"\\n\");"});
  TNewShape* body = build.Add(nstCalc, {"t[i] = i * 2.5;", "i = i + 1;"});
  TNewShape* away = build.Continuation("A");
  TNewShape* back = build.Continuation("A");
  TNewShape* stop = build.Add(nstStop);
  build.Chain({start, init, node, test, io, body, away});
  build.LinkFalse(test, stop);
  build.Link(back, node, sideLeft, sideLeft);
}

// A counter that never stops.
void DrawEndless(test::TDiagramBuilder& build) {
  TNewShape* start = build.Add(nstStart);
  TNewShape* init = build.Add(nstCalc, {"long i = 0;"});
  TNewShape* body = build.Add(nstCalc, {"i = i + 1;"});
  TNewShape* test = build.Add(nstChoice, {"i > 0;"});
  TNewShape* stop = build.Add(nstStop);
  build.Chain({start, init, body, test});
  build.Link(test, body, sideLeft, sideLeft);
  build.LinkFalse(test, stop);
}

// Everything of a run that a step changes, with blocks named by their place in the list, so
// that runs of two copies of a diagram can be compared.
struct TPicture {
  std::vector<std::string> variables;
  std::vector<std::string> output;
  std::vector<int> conditions;
  int currentBlock = -1;
  int activeBlock = -1;
  int redBlock = -1;
  int32_t line = 0;
  uint32_t statements = 0;
  uint32_t blockStatements = 0;
  int finished = 0;

  bool operator==(const TPicture&) const = default;
};

std::ostream& operator<<(std::ostream& out, const TPicture& p) {
  out << "block " << p.currentBlock << " line " << p.line << " active " << p.activeBlock << " red "
      << p.redBlock << " statements " << p.statements << "/" << p.blockStatements << " finished "
      << p.finished << " vars";
  for (const std::string& v : p.variables) out << " [" << v << "]";
  out << " output";
  for (const std::string& l : p.output) out << " [" << l << "]";
  out << " conditions";
  for (int c : p.conditions) out << " " << c;
  return out;
}

struct TRunUnderTest : test::TRunSetup {
  explicit TRunUnderTest(void (*draw)(test::TDiagramBuilder&)) {
    options.RealTime = true;
    draw(build);
    run.AddObserver(ui);
    EXPECT_TRUE(run.Start(&diagram, &output));
  }

  void Steps(int count) {
    for (int i = 0; i < count; ++i) run.Step();
  }
  void StepsBack(int count) {
    for (int i = 0; i < count; ++i) EXPECT_TRUE(run.StepBack()) << "step back " << i + 1;
  }

  int IndexOf(const TNewShape* block) const {
    int index = 0;
    for (TNewShape* b = diagram.FirstBlock; b; b = b->Next, ++index)
      if (b == block) return index;
    return -1;
  }

  TPicture Picture() const {
    TPicture p;
    const TInterpreter& in = *run.Interpreter();
    for (auto* v = in.Variables; v; v = v->Next) {
      std::string text = v->Name + ":" + std::to_string(v->Type) + ":" + std::to_string(v->Count);
      for (const std::string& value : v->Values) text += " " + value;
      p.variables.push_back(text);
    }
    p.output = output.Lines();
    int index = 0;
    for (TNewShape* b = diagram.FirstBlock; b; b = b->Next, ++index) {
      p.conditions.push_back(b->ConditionResult);
      if (!b->Brush.Clear && b->Brush.Color == clRed) p.redBlock = index;
    }
    p.currentBlock = IndexOf(in.CurrentBlock);
    p.activeBlock = IndexOf(diagram.ActiveBlock);
    p.line = in.Line;
    p.statements = in.StatementCount;
    p.blockStatements = in.BlockStatementCount;
    p.finished = in.Finished;
    return p;
  }
};

int StepsToTheEnd(void (*draw)(test::TDiagramBuilder&)) {
  TRunUnderTest probe(draw);
  int steps = 0;
  while (probe.run.State() == TRunState::Ready && steps < 1000) {
    probe.run.Step();
    ++steps;
  }
  return steps;
}

TEST(StepBackTest, EveryStepBackMatchesAFreshRunStoppedThere) {
  const int total = StepsToTheEnd(DrawLoop);
  ASSERT_GT(total, 20);
  for (int kept = 0; kept < total; ++kept) {
    TRunUnderTest fresh(DrawLoop);
    fresh.Steps(kept);
    TRunUnderTest undone(DrawLoop);
    undone.Steps(total);
    ASSERT_EQ(undone.run.State(), TRunState::Finished);
    undone.StepsBack(total - kept);
    EXPECT_EQ(undone.run.State(), TRunState::Ready) << "after " << kept << " steps";
    EXPECT_EQ(undone.Picture(), fresh.Picture()) << "after " << kept << " steps";
    // Going forward again runs the same steps to the same end.
    undone.Steps(total - kept);
    TRunUnderTest whole(DrawLoop);
    whole.Steps(total);
    EXPECT_EQ(undone.Picture(), whole.Picture()) << "forward again from " << kept << " steps";
    EXPECT_EQ(undone.run.State(), TRunState::Finished);
  }
}

TEST(StepBackTest, TheFirstStepUndoneLeavesNoBlockExecuting) {
  TRunUnderTest run(DrawLoop);
  TNewShape* selected = run.diagram.LastBlock;
  run.run.End();
  run.ui.SetActiveBlock(run.diagram, selected);
  ASSERT_TRUE(run.run.Start(&run.diagram, &run.output));
  const TPicture before = run.Picture();
  run.Steps(2);
  run.ui.executed.clear();
  const int refreshes = run.ui.variableRefreshes;
  run.StepsBack(2);
  EXPECT_EQ(run.Picture(), before);
  EXPECT_EQ(run.diagram.ActiveBlock, selected);
  ASSERT_FALSE(run.ui.executed.empty());
  EXPECT_EQ(run.ui.executed.back(), nullptr);
  EXPECT_EQ(run.ui.variableRefreshes, refreshes + 2);
  EXPECT_EQ(run.host.log.back(), "Krok wstecz");
  EXPECT_FALSE(run.run.StepBack());
  EXPECT_EQ(run.host.log.back(), "Krok wstecz");
  EXPECT_EQ(run.run.History().Size(), 0u);
}

TEST(StepBackTest, AtMostTheLastThousandStepsAreKept) {
  TRunUnderTest run(DrawEndless);
  run.Steps(1100);
  TRunUnderTest fresh(DrawEndless);
  fresh.Steps(100);
  EXPECT_EQ(run.run.History().Size(), TRunHistory::kDefaultLimit);
  run.StepsBack(1000);
  EXPECT_EQ(run.Picture(), fresh.Picture());
  EXPECT_FALSE(run.run.Controls().StepBack);
  EXPECT_FALSE(run.run.StepBack());
  // The steps can be made again and undone again.
  run.Steps(5);
  run.StepsBack(5);
  EXPECT_EQ(run.Picture(), fresh.Picture());
}

TEST(StepBackTest, ARunToTheEndIsUndoneStepByStep) {
  TRunUnderTest run(DrawEndless);
  int steps = 0;
  run.run.RunToEnd({}, [&] {
    EXPECT_FALSE(run.run.Controls().StepBack);
    EXPECT_FALSE(run.run.StepBack());
    if (++steps == 30) run.run.Stop();
  });
  ASSERT_EQ(run.run.State(), TRunState::Ready);
  // The stop runs one more step between two steps.
  TRunUnderTest fresh(DrawEndless);
  fresh.Steps(21);
  run.StepsBack(10);
  EXPECT_EQ(run.Picture(), fresh.Picture());
}

TEST(StepBackTest, AReadAsksAgainAfterItWasUndone) {
  TRunUnderTest run([](test::TDiagramBuilder& build) {
    TNewShape* start = build.Add(nstStart);
    TNewShape* init = build.Add(nstCalc, {"long x = 0;"});
    TNewShape* io = build.Add(nstInOut, {"read(x);", "write(x);"});
    TNewShape* stop = build.Add(nstStop);
    build.Chain({start, init, io, stop});
  });
  run.host.entries = {"5", "7"};
  run.Steps(3);
  ASSERT_EQ(run.host.prompts.size(), 1u);
  EXPECT_EQ(run.output.Lines(), std::vector<std::string>{"5"});
  run.StepsBack(2);
  EXPECT_EQ(run.run.Interpreter()->FindVariable("x")->Values[0], "0");
  EXPECT_TRUE(run.output.Lines().empty() || run.output.Lines() == std::vector<std::string>{""});
  run.Steps(2);
  EXPECT_EQ(run.host.prompts.size(), 2u);
  EXPECT_EQ(run.run.Interpreter()->FindVariable("x")->Values[0], "7");
  EXPECT_EQ(run.output.Lines(), std::vector<std::string>{"7"});
}

TEST(StepBackTest, TheCommandIsAvailableOnlyBetweenStepsOfARunWithHistory) {
  using enum TRunState;
  for (TRunState state : {Idle, Ready, Stepping, RunningToEnd, Finished}) {
    EXPECT_FALSE(TRunControls::For(state, false).StepBack) << static_cast<int>(state);
    const bool between = state == Ready || state == Finished;
    EXPECT_EQ(TRunControls::For(state, true).StepBack, between) << static_cast<int>(state);
  }
  TRunUnderTest run(DrawLoop);
  EXPECT_FALSE(run.run.Controls().StepBack);
  run.Steps(2);
  EXPECT_TRUE(run.run.Controls().StepBack);
  // Inside a step's animation (the key pressed while the ball travels) nothing is undone.
  run.options.RealTime = false;
  bool triedInside = false;
  run.ui.onProcessMessages = [&] {
    triedInside = true;
    EXPECT_FALSE(run.run.Controls().StepBack);
    EXPECT_FALSE(run.run.StepBack());
  };
  run.Steps(1);
  EXPECT_TRUE(triedInside);
  run.ui.onProcessMessages = {};
  run.StepsBack(3);
  EXPECT_FALSE(run.run.Controls().StepBack);
  run.Steps(1);
  run.run.End();
  EXPECT_FALSE(run.run.Controls().StepBack);
  EXPECT_FALSE(run.run.StepBack());
  // A new run starts without history.
  ASSERT_TRUE(run.run.Start(&run.diagram, &run.output));
  EXPECT_FALSE(run.run.Controls().StepBack);
}

TEST(StepBackTest, AFailedStepCanBeTakenBack) {
  TRunUnderTest run([](test::TDiagramBuilder& build) {
    TNewShape* start = build.Add(nstStart);
    TNewShape* calc = build.Add(nstCalc, {"long x = 1;", "y = 2;"});
    TNewShape* stop = build.Add(nstStop);
    build.Chain({start, calc, stop});
  });
  run.Steps(2);
  ASSERT_EQ(run.run.State(), TRunState::Finished);
  EXPECT_TRUE(run.run.StepBack());
  EXPECT_EQ(run.run.State(), TRunState::Ready);
  EXPECT_EQ(run.run.Interpreter()->Line, 1);
}

TEST(StepBackTest, NoHistoryIsKeptWithALimitOfZero) {
  TRunUnderTest run(DrawLoop);
  run.run.History().SetLimit(0);
  run.Steps(3);
  EXPECT_FALSE(run.run.Controls().StepBack);
  EXPECT_EQ(run.run.Interpreter()->StepJournal, nullptr);
}

}  // namespace
}  // namespace zuvar
