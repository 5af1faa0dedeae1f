#include <gtest/gtest.h>

#include "tests/simulation/EngineFixture.h"

namespace zuvar {
namespace {

class CodeCheckTest : public test::EngineFixture {
 protected:
  CodeCheckTest() { options.CheckCodeBeforeRun = true; }
  // start -> blocks... -> stop, in the given list order of the middle blocks.
  void Chain(std::vector<TNewShape*> middle) {
    std::vector<TNewShape*> all{start};
    all.insert(all.end(), middle.begin(), middle.end());
    all.push_back(stop);
    build.Chain(all);
  }
  TNewShape* start = build.Add(nstStart);
  TNewShape* stop = build.Add(nstStop);
};

TEST_F(CodeCheckTest, PassedCheckLeavesARunThatBeginsAfresh) {
  TNewShape* calc = build.Add(nstCalc, {"long x = 1;", "double d = x / 4;"});
  TNewShape* io = build.Add(nstInOut, {"read(x);", "write(x);"});
  Chain({calc, io});
  Start();
  ASSERT_EQ(run->StartError, 0);
  EXPECT_TRUE(host.messages.empty());
  EXPECT_TRUE(host.prompts.empty());  // check mode asks nothing
  EXPECT_EQ(run->VariableCount(), 0u);
  EXPECT_EQ(run->CurrentBlock, start);
  EXPECT_EQ(run->Line, 0);
  EXPECT_EQ(run->Checking, 0);
  EXPECT_EQ(run->StatementCount, 0u);
  host.entries.push_back("7");
  EXPECT_EQ(RunToEnd(), 1);  // the declarations are not refused as redeclarations
  EXPECT_EQ(run->Finished, 1);
  ASSERT_FALSE(output.Lines().empty());
  EXPECT_EQ(output.Lines()[0], "7");
}

TEST_F(CodeCheckTest, OffByDefault) {
  options.CheckCodeBeforeRun = false;
  TNewShape* calc = build.Add(nstCalc, {"$"});
  Chain({calc});
  Start();
  EXPECT_EQ(run->StartError, 0);
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(CodeCheckTest, FirstFaultyBlockInListOrderStopsTheStart) {
  TNewShape* later = build.Add(nstCalc, {"y = 1;"});
  TNewShape* earlier = build.Add(nstCalc, {"long x;"});
  TNewShape* unreached = build.Add(nstCalc, {"$"});
  build.Link(unreached, stop);
  Chain({earlier, later});  // walked earlier first, but listed later first
  Start();
  EXPECT_EQ(run->StartError, 3);
  EXPECT_EQ(run->Checking, 0);
  ASSERT_EQ(host.messages.size(), 2u);
  EXPECT_EQ(host.messages[0].text, "Zmienna \"y\" nie została wcześniej zdefiniowana!");
  EXPECT_EQ(host.messages[1].text, "Wykryto błędy w kodzie źródłowym!");
  EXPECT_EQ(host.messages[1].caption, "Informacja");
  EXPECT_EQ(host.log.back(), "Wykryto błędy w kodzie źródłowym!");
  EXPECT_EQ(run->CurrentBlock, later);
}

TEST_F(CodeCheckTest, VisitCountsBecomeOneAndDecisionsAllowOneStatement) {
  TNewShape* init = build.Add(nstCalc, {"long i = 0;"});
  TNewShape* test = build.Add(nstChoice, {"i < 3;", "i > 1;"});
  TNewShape* body = build.Add(nstCalc, {"i = i + 1;"});
  build.Chain({start, init, test, body});
  build.Link(body, test);
  build.LinkFalse(test, stop);
  Start();
  EXPECT_EQ(run->StartError, 3);
  EXPECT_EQ(test->Tag, 1);
  ASSERT_FALSE(host.messages.empty());
  EXPECT_EQ(host.messages[0].caption, "Wyrażenie niedozwolone dla bloku!");
}

// Not a std::exception, so nothing inside the interpreter takes it for a conversion fault.
struct HostFailure {};

// A host whose first message box blows up, as an unforeseen fault while a line is checked.
class ExplodingOnceHost : public test::TRecordingHost {
 public:
  TMsgResult ShowMessage(std::string_view text, std::string_view caption, TMsgIcon icon,
                         TMsgButtons buttons) override {
    if (!exploded) {
      exploded = true;
      throw HostFailure{};
    }
    return TRecordingHost::ShowMessage(text, caption, icon, buttons);
  }
  bool exploded = false;
};

TEST_F(CodeCheckTest, ExceptionWhileCheckingIsACriticalFault) {
  ExplodingOnceHost exploding;
  TSimulationEngine local(exploding, ui, options);
  auto context = std::make_unique<TInterpreter>(exploding);
  TNewShape* calc = build.Add(nstCalc, {"$"});
  Chain({calc});
  local.PrepareSimulation(*context, &diagram);
  EXPECT_EQ(context->StartError, 3);
  EXPECT_EQ(context->Faulted, 1);
  EXPECT_EQ(context->Checking, 0);
  ASSERT_EQ(exploding.messages.size(), 2u);
  EXPECT_EQ(exploding.messages[0].caption, "Błąd w interpretacji kodu!");
  EXPECT_EQ(exploding.messages[1].text, "Wykryto błędy w kodzie źródłowym!");
  ASSERT_EQ(exploding.log.size(), 6u);
  EXPECT_EQ(exploding.log[0],
            "BŁĄD: Najprawdopodobniej wykonano w założeniach teoretycznych instrukcje,");
  EXPECT_EQ(exploding.log[4],
            "      gdyż od tej chwili stabliność programu została poważnie naruszona!");
  EXPECT_EQ(exploding.logPageScrolls, 1);  // once after the five lines
  local.StopSimulation(context, true);
}

}  // namespace
}  // namespace zuvar
