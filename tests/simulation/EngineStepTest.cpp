#include <gtest/gtest.h>

#include "tests/simulation/EngineFixture.h"

namespace zuvar {
namespace {

using test::EngineFixture;

constexpr const char* kDone = "Symulacja algorytmu została wykonana";

class EngineStepTest : public EngineFixture {};

TEST_F(EngineStepTest, BlockWithTwoLinesTakesOneStepPerLineThenMovesOn) {
  TNewShape* start = build.Add(nstStart);
  TNewShape* calc = build.Add(nstCalc, {"long x = 1;", "x = x + 1;"});
  TNewShape* stop = build.Add(nstStop);
  build.Chain({start, calc, stop});
  Start();
  ASSERT_EQ(run->StartError, 0);
  EXPECT_EQ(run->CurrentBlock, start);
  EXPECT_EQ(run->Line, 0);
  EXPECT_EQ(ui.events, (std::vector<std::string>{"run starting", "run started"}));
  host.log.clear();
  ui.events.clear();

  EXPECT_EQ(Step(), 1);
  EXPECT_EQ(run->CurrentBlock, calc);
  EXPECT_EQ(ValueOf("x"), "1");
  EXPECT_EQ(calc->Brush, TBrush::Solid(clRed));
  EXPECT_EQ(diagram.ActiveBlock, calc);
  EXPECT_EQ(Step(), 1);
  EXPECT_EQ(ValueOf("x"), "2");
  EXPECT_EQ(run->Finished, 0);
  EXPECT_EQ(Step(), 1);
  EXPECT_EQ(run->CurrentBlock, stop);
  EXPECT_EQ(run->Finished, 1);
  EXPECT_EQ(host.log, (std::vector<std::string>{"interpretacja kodu: \"long x = 1;\"",
                                                "interpretacja kodu: \"x = x + 1;\"", kDone}));
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "\"Symulacja algorytmu została wykonana\"");
  EXPECT_EQ(host.messages[0].caption, "DAVERO");
  EXPECT_EQ(host.messages[0].icon, TMsgIcon::None);
  EXPECT_EQ(host.logPageScrolls, 3);
  EXPECT_EQ(calc->Brush, calc->SavedBrush);  // back to its fill once it was left
}

TEST_F(EngineStepTest, DecisionFollowsItsConditionAndBlinksTheLinkTaken) {
  options.RealTime = false;
  options.Bubble = false;
  test::TLinkColourRecorder colours;
  TNewShape* start = build.Add(nstStart);
  TNewShape* init = build.Add(nstCalc, {"long x = 0;"});
  TNewShape* choice = build.Add(nstChoice, {"x > 0;"});
  TNewShape* yes = build.Add(nstCalc, {"x = 1;"});
  TNewShape* stop = build.Add(nstStop);
  build.Chain({start, init, choice});
  build.Link(choice, yes);
  build.LinkFalse(choice, stop);
  build.Link(yes, stop);
  diagram.SetObserver(&colours);
  Start();
  Step();
  Step();
  EXPECT_EQ(run->CurrentBlock, choice);
  EXPECT_EQ(choice->ConditionResult, 0);
  colours.colours.clear();
  ui.sleeps.clear();
  Step();
  EXPECT_EQ(run->CurrentBlock, stop);
  EXPECT_EQ(run->Finished, 1);
  const std::vector<TColor> blink{clLime, clBlack, clLime, clBlack, clLime, clBlack, clLime, clRed};
  EXPECT_EQ(colours.ColoursOf(choice->OutLinkFalse.get()), blink);
  EXPECT_TRUE(colours.ColoursOf(choice->OutLink.get()).empty());
  EXPECT_EQ(ui.sleeps, std::vector<unsigned>(6, 35));
  EXPECT_TRUE(ui.balls.empty());
  diagram.SetObserver(nullptr);
}

TEST_F(EngineStepTest, DecisionWithoutCodeUsesTheResultItAlreadyHolds) {
  TNewShape* start = build.Add(nstStart);
  TNewShape* choice = build.Add(nstChoice);
  TNewShape* yes = build.Add(nstStop);
  TNewShape* no = build.Add(nstStop);
  build.Link(start, choice);
  build.Link(choice, yes);
  build.LinkFalse(choice, no);
  Start();
  EXPECT_EQ(RunToEnd(), 1);
  EXPECT_EQ(run->CurrentBlock, no);

  engine.StopSimulation(run, false);
  choice->ConditionResult = 1;
  Start();
  EXPECT_EQ(RunToEnd(), 1);
  EXPECT_EQ(run->CurrentBlock, yes);
}

TEST_F(EngineStepTest, ContinuationJumpsWithoutAnimationAndThePartnerFollowsItsExit) {
  options.RealTime = false;
  options.Bubble = false;
  TNewShape* start = build.Add(nstStart);
  TNewShape* first = build.Continuation("K");
  TNewShape* elsewhere = build.Add(nstStop);
  TNewShape* second = build.Continuation("K");
  TNewShape* calc = build.Add(nstCalc, {"long y = 5;"});
  TNewShape* stop = build.Add(nstStop);
  build.Link(start, first);
  build.Link(first, elsewhere);  // ignored: a continuation reached by a link always jumps
  build.Chain({second, calc, stop});
  Start();
  ASSERT_EQ(run->StartError, 0);
  Step();
  EXPECT_EQ(run->CurrentBlock, first);
  ui.sleeps.clear();
  Step();
  EXPECT_EQ(run->CurrentBlock, second);
  EXPECT_TRUE(ui.sleeps.empty());
  Step();
  EXPECT_EQ(run->CurrentBlock, calc);
  EXPECT_EQ(ui.sleeps.size(), 6u);
  EXPECT_EQ(RunToEnd(), 1);
  EXPECT_EQ(run->CurrentBlock, stop);
}

TEST_F(EngineStepTest, BallTravelsEveryPixelOfTheLinkAndPulses) {
  options.RealTime = false;
  TNewShape* start = build.Add(nstStart);
  TNewShape* stop = build.Add(nstStop);
  build.Link(start, stop);
  test::TLinkColourRecorder colours;
  diagram.SetObserver(&colours);
  Start();
  Step();
  int pixels = 0;
  for (const TLine* s = start->OutLink->FirstLine; s; s = s->NextLine)
    pixels += std::abs(s->Length);
  ASSERT_GT(pixels, 10);
  ASSERT_EQ(ui.balls.size(), static_cast<std::size_t>(pixels) + 1);
  EXPECT_EQ(ui.waited, 15u * pixels);
  EXPECT_EQ(ui.messageRounds, pixels);
  EXPECT_EQ(ui.ballsRemoved, 1);
  const TLine* first = start->OutLink->FirstLine;
  EXPECT_EQ(ui.balls[0], (TRect{first->X1 - 3, first->Y1 - 3, 6, 6}));
  const std::vector<int32_t> pulse{7, 8, 9, 10, 11, 10, 9, 8, 7, 6, 7};
  for (std::size_t i = 0; i < pulse.size(); ++i) EXPECT_EQ(ui.balls[i + 1].Width, pulse[i]);
  EXPECT_EQ(colours.ColoursOf(start->OutLink.get()).back(), clBlack);
  diagram.SetObserver(nullptr);
}

TEST_F(EngineStepTest, StepRequestedDuringTheAnimationOnlyCutsItShort) {
  options.RealTime = false;
  TNewShape* start = build.Add(nstStart);
  TNewShape* calc = build.Add(nstCalc, {"long z = 3;"});
  TNewShape* stop = build.Add(nstStop);
  build.Chain({start, calc, stop});
  Start();
  int nested = -1;
  ui.onProcessMessages = [&] {
    if (ui.messageRounds == 3) nested = engine.Step(*run);
  };
  EXPECT_EQ(Step(), 1);
  EXPECT_EQ(nested, 1);
  EXPECT_EQ(ui.messageRounds, 3);
  EXPECT_EQ(ui.ballsRemoved, 1);
  EXPECT_EQ(run->CurrentBlock, calc);
  EXPECT_EQ(ValueOf("z"), "3");
  EXPECT_EQ(host.log.size(), 1u);  // one line executed, by the outer step only
  EXPECT_FALSE(engine.Stepping());
  EXPECT_EQ(start->OutLink->Pen.Color, clBlack);
}

TEST_F(EngineStepTest, RealTimeModeNeverAnimates) {
  TNewShape* start = build.Add(nstStart);
  TNewShape* stop = build.Add(nstStop);
  build.Link(start, stop);
  Start();
  RunToEnd();
  EXPECT_TRUE(ui.sleeps.empty());
  EXPECT_TRUE(ui.balls.empty());
  EXPECT_EQ(ui.messageRounds, 0);
}

TEST_F(EngineStepTest, FailingStatementEndsTheRunAndTheGridKeepsItsLastContents) {
  TNewShape* start = build.Add(nstStart);
  TNewShape* calc = build.Add(nstCalc, {"long a = 1;", "b = 2;"});
  TNewShape* stop = build.Add(nstStop);
  build.Chain({start, calc, stop});
  Start();
  EXPECT_EQ(Step(), 1);
  const int refreshes = ui.variableRefreshes;
  EXPECT_EQ(Step(), 0);
  EXPECT_EQ(ui.variableRefreshes, refreshes);
  EXPECT_EQ(ui.lastVariableCount, 1u);
  ASSERT_FALSE(host.messages.empty());
  EXPECT_EQ(host.messages.back().caption, "Błąd składni!");
  engine.StopSimulation(run, true);
  EXPECT_EQ(run, nullptr);
  EXPECT_FALSE(AnyBlockRed());
  EXPECT_EQ(ui.lastVariableCount, 1u);
}

// Not a std::exception, so nothing inside the interpreter takes it for a conversion fault.
struct HostFailure {};

// A host whose value dialog blows up, as an unforeseen fault inside a statement would.
class ExplodingHost : public test::TRecordingHost {
 public:
  std::optional<std::string> ReadValue(std::string_view) override { throw HostFailure{}; }
};

TEST_F(EngineStepTest, ExceptionInsideAStatementIsACriticalFault) {
  ExplodingHost exploding;
  TSimulationEngine local(exploding, ui, options);
  auto context = std::make_unique<TInterpreter>(exploding);
  TNewShape* start = build.Add(nstStart);
  TNewShape* calc = build.Add(nstCalc, {"long x;"});
  TNewShape* io = build.Add(nstInOut, {"read(x);"});
  TNewShape* stop = build.Add(nstStop);
  build.Chain({start, calc, io, stop});
  local.PrepareSimulation(*context, &diagram);
  EXPECT_EQ(local.Step(*context), 1);
  exploding.log.clear();
  EXPECT_EQ(local.Step(*context), 0);
  EXPECT_EQ(context->Faulted, 1);
  EXPECT_FALSE(local.Stepping());
  ASSERT_EQ(exploding.messages.size(), 1u);
  EXPECT_EQ(exploding.messages[0].text,
            "Wystąpił wyjątek krytyczny podczas interpretacji kodu źródłowego!");
  EXPECT_EQ(exploding.messages[0].caption, "Błąd w interpretacji kodu!");
  ASSERT_EQ(exploding.log.size(), 6u);
  EXPECT_EQ(exploding.log[1],
            "BŁĄD: Najprawdopodobniej wykonano w założeniach teoretycznych instrukcje,");
  EXPECT_EQ(exploding.log[5],
            "      gdyż od tej chwili stabliność programu została poważnie naruszona!");
  local.StopSimulation(context, true);
  EXPECT_FALSE(AnyBlockRed());
}

TEST_F(EngineStepTest, InternalErrorsOfBrokenDiagramsStopTheRun) {
  TNewShape* calc = build.Add(nstCalc, {"long q = 1;"});
  TNewShape* lonely = build.Continuation("Z");
  run->Diagram = &diagram;
  run->CurrentBlock = calc;
  run->Line = 1;
  EXPECT_EQ(Step(), 0);
  EXPECT_EQ(run->Finished, 1);
  EXPECT_EQ(host.log.back(), "Brak wyjść - proces został zatrzymany! - wewnętrzny błąd programu");
  EXPECT_EQ(host.messages.back().text, "\"Brak wyjść - proces został zatrzymany!\"");

  run->Finished = 0;
  run->CurrentBlock = lonely;
  run->Line = 1;
  EXPECT_EQ(Step(), 0);
  EXPECT_EQ(host.log.back(), "Brak kontynuacji - wewnętrzny błąd programu");
  EXPECT_EQ(host.messages.back().text, "\"Brak kontynuacji!\"");
  EXPECT_EQ(run->Finished, 0);
}

TEST_F(EngineStepTest, StepAfterTheEndSaysSo) {
  TNewShape* start = build.Add(nstStart);
  TNewShape* stop = build.Add(nstStop);
  build.Link(start, stop);
  Start();
  RunToEnd();
  engine.StopSimulation(run, false);
  ASSERT_NE(run, nullptr);
  EXPECT_EQ(Step(), 1);
  EXPECT_EQ(host.log.back(), "Algorytm został już wykonany i zakończony!");
  EXPECT_EQ(host.messages.back().text, "\"Algorytm został już wykonany i zakończony!\"");
  EXPECT_EQ(host.messages.back().caption, "DAVERO");
}

}  // namespace
}  // namespace zuvar
