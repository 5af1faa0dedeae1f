#include <gtest/gtest.h>

#include <random>

#include "interpreter/Interpreter.h"
#include "simulation/ConnectionCheck.h"
#include "tests/simulation/RecursiveWalk.h"
#include "tests/support/DiagramBuilder.h"
#include "tests/support/RecordingHost.h"

namespace zuvar {
namespace {

using test::TDiagramBuilder;
using test::TRecordingHost;

class ConnectionCheckTest : public ::testing::Test {
 protected:
  bool Check() {
    TConnectionCheck check(interpreter, diagram, host);
    return check.CheckConnections();
  }
  // A start block, the given middle blocks in a chain, and a stop block.
  std::vector<TNewShape*> Straight(std::vector<TNewShape*> middle) {
    std::vector<TNewShape*> chain{start};
    chain.insert(chain.end(), middle.begin(), middle.end());
    chain.push_back(stop);
    build.Chain(chain);
    return chain;
  }

  TSchemat diagram;
  TDiagramBuilder build{diagram};
  TRecordingHost host;
  TInterpreter interpreter{host};
  TNewShape* start = build.Add(nstStart);
  TNewShape* stop = build.Add(nstStop);
};

TEST_F(ConnectionCheckTest, ValidChainPassesSilentlyCountsVisitsAndStandsOnStart) {
  TNewShape* calc = build.Add(nstCalc, {"x = 1;"});
  Straight({calc});
  EXPECT_TRUE(Check());
  EXPECT_TRUE(host.log.empty());
  EXPECT_EQ(interpreter.CurrentBlock, start);
  EXPECT_EQ(start->Tag, 1);
  EXPECT_EQ(calc->Tag, 1);
  EXPECT_EQ(stop->Tag, 1);
  EXPECT_EQ(host.logPageScrolls, 0);
}

TEST_F(ConnectionCheckTest, StartAndStopCountsComeFirst) {
  diagram.DeleteBlock(start);
  EXPECT_FALSE(Check());
  EXPECT_EQ(host.log, std::vector<std::string>{"Brak bloku start!"});

  host.log.clear();
  build.Add(nstStart);
  build.Add(nstStart);  // neither connected
  EXPECT_FALSE(Check());
  EXPECT_EQ(host.log, std::vector<std::string>{"W schemacie moze byc tylko jeden blok start!"});

  TSchemat other;
  TDiagramBuilder b2(other);
  TNewShape* s = b2.Add(nstStart);
  TNewShape* c = b2.Add(nstCalc);
  b2.Link(s, c);
  host.log.clear();
  EXPECT_FALSE(TConnectionCheck(interpreter, other, host).CheckConnections());
  EXPECT_EQ(host.log, std::vector<std::string>{"Brak bloku stop!"});
  EXPECT_EQ(interpreter.CurrentBlock, s);
}

TEST_F(ConnectionCheckTest, LinkIntoStartFailsBeforeAnyWalk) {
  TNewShape* calc = build.Add(nstCalc);
  Straight({calc});
  TNewShape* loose = build.Add(nstNode);
  build.Link(loose, start);
  calc->Tag = 7;
  EXPECT_FALSE(Check());
  EXPECT_EQ(host.log, std::vector<std::string>{"Blok startowy nie może mieć żadnych wejść!"});
  EXPECT_EQ(calc->Tag, 7);  // the walk never began
  EXPECT_EQ(host.logPageScrolls, 1);
}

TEST_F(ConnectionCheckTest, MissingExitsOfReachedBlocks) {
  EXPECT_FALSE(Check());
  EXPECT_EQ(host.log.back(), "Brak połączeń wyjściowych od bloku start!");

  TNewShape* calc = build.Add(nstCalc);
  build.Link(start, calc);
  EXPECT_FALSE(Check());
  EXPECT_EQ(host.log.back(), "Brak wszystkich wymaganych wyjść w połaczonych blokach schematu!");

  TNewShape* choice = build.Add(nstChoice, {"x > 0;"});
  build.Link(calc, choice);
  build.Link(choice, stop);  // TRUE exit only
  EXPECT_FALSE(Check());
  EXPECT_EQ(host.log.back(), "Blok wyboru musi mieć powiązane oba wyjścia!");

  build.LinkFalse(choice, stop);
  TNewShape* after = build.Add(nstCalc);
  build.Link(stop, after);
  EXPECT_FALSE(Check());
  EXPECT_EQ(host.log.back(), "Od kończącego bloku stop nie może być dalszych połączeń!");
}

TEST_F(ConnectionCheckTest, UnreachableStopAndSeveralStops) {
  TNewShape* calc = build.Add(nstCalc);
  TNewShape* node = build.Add(nstNode);
  build.Link(start, calc);
  build.Link(calc, node);
  build.Link(node, calc);  // a loop that never leaves
  EXPECT_FALSE(Check());
  EXPECT_EQ(host.log, std::vector<std::string>{
                          "Brak możliwości przejścia w jakikolwiek sposób od bloku start do "
                          "bloku stop!"});

  host.log.clear();
  TNewShape* choice = build.Add(nstChoice, {"x;"});
  TNewShape* stop2 = build.Add(nstStop);
  build.Link(node, choice);
  build.Link(choice, stop);
  build.LinkFalse(choice, stop2);
  EXPECT_TRUE(Check());
  EXPECT_EQ(host.log, std::vector<std::string>{
                          "Ostrzeżenie: nie powinno się używać więcej niż jednego bloku stop!"});
}

TEST_F(ConnectionCheckTest, LoopIsWalkedOnceAndCountsEveryArrival) {
  TNewShape* init = build.Add(nstCalc, {"long i = 0;"});
  TNewShape* test = build.Add(nstChoice, {"i < 3;"});
  TNewShape* body = build.Add(nstCalc, {"i = i + 1;"});
  build.Link(start, init);
  build.Link(init, test);
  build.Link(test, body);
  build.LinkFalse(test, stop);
  build.Link(body, test);
  EXPECT_TRUE(Check());
  EXPECT_EQ(test->Tag, 2);
  EXPECT_EQ(body->Tag, 1);
  EXPECT_EQ(stop->Tag, 1);
}

TEST_F(ConnectionCheckTest, HangingBlocksWarnOncePerLinkIntoTheDiagram) {
  TNewShape* calc = build.Add(nstCalc);
  Straight({calc});
  TNewShape* hangingChoice = build.Add(nstChoice);
  build.Link(hangingChoice, calc);
  build.LinkFalse(hangingChoice, stop);
  TNewShape* hangingCalc = build.Add(nstCalc);
  build.Link(hangingCalc, hangingChoice);  // into an unreached block: no warning
  EXPECT_TRUE(Check());
  const std::string warning = "Ostrzeżenie: Istnieją wiszące połączone ze schematem bloki!";
  EXPECT_EQ(host.log, (std::vector<std::string>{warning, warning}));
  EXPECT_EQ(hangingChoice->Tag, 0);
}

TEST_F(ConnectionCheckTest, ReachedBlockWithoutFigureNeedsAnExit) {
  TNewShape* choice = build.Add(nstChoice, {"1;"});
  TNewShape* odd = build.Add(nstCalc);
  odd->SetShape(static_cast<TNewShapeType>(9));
  build.Link(start, choice);
  build.Link(choice, odd);
  build.LinkFalse(choice, stop);
  EXPECT_FALSE(Check());
  EXPECT_EQ(host.log, std::vector<std::string>{"Brak wyjścia w jednym z bloków w schemacie!"});
}

class ContinuationTest : public ConnectionCheckTest {
 protected:
  void SetUp() override {
    first = build.Continuation("A");
    second = build.Continuation("A");
    build.Link(start, first);
    build.Link(second, stop);
  }
  TNewShape* first = nullptr;
  TNewShape* second = nullptr;
};

TEST_F(ContinuationTest, PairJumpsToThePartnerAndCountsIt) {
  EXPECT_TRUE(Check());
  EXPECT_TRUE(host.log.empty());
  EXPECT_EQ(first->Tag, 1);
  EXPECT_EQ(second->Tag, 1);
  EXPECT_EQ(stop->Tag, 1);
}

TEST_F(ContinuationTest, PartnerProblems) {
  build.Link(second, nullptr);
  EXPECT_FALSE(Check());
  EXPECT_EQ(host.log.back(), "Brak wyjścia w drugim bloku kontynuacji!");

  build.Link(second, first);
  EXPECT_FALSE(Check());
  EXPECT_EQ(host.log.back(),
            "Drugi blok kontynuacji ma bezpośrednie połączenie do pierwszego bloku co powoduje "
            "nieskończoną pętle!!!");

  build.Link(second, stop);
  TNewShape* third = build.Continuation("A");
  build.Link(third, stop);
  EXPECT_FALSE(Check());
  EXPECT_EQ(host.log.back(), "Mogą być tylko dwa bloki kontynuacji o identycznej nazwie!");

  diagram.DeleteBlock(third);
  second->Caption = "a";  // names compare exactly
  EXPECT_FALSE(Check());
  EXPECT_EQ(host.log.back(), "Brak drugiego bloku kontynuacji!");
}

TEST_F(ContinuationTest, ExitOfTheFirstBlockIsIgnoredWithWarnings) {
  build.Link(first, second);
  EXPECT_TRUE(Check());
  EXPECT_EQ(host.log,
            (std::vector<std::string>{
                "Ostrzeżenie: wyjście z pierwszego bloku kontynuacji jest ignorowane",
                "Ostrzeżenie: wykonano połączenie z pierwszego bloku kontynuacji do drugiego - po "
                "co ?!?!?!?"}));
  EXPECT_EQ(second->Tag, 1);  // counted by the jump, not walked through the link
}

TEST_F(ConnectionCheckTest, ChainOfManyBlocksDoesNotExhaustTheStack) {
  std::vector<TNewShape*> middle;
  for (int i = 0; i < 200000; ++i) middle.push_back(build.Add(nstCalc));
  Straight(middle);
  EXPECT_TRUE(Check());
  EXPECT_EQ(middle.back()->Tag, 1);

  // A long chain of FALSE exits (decisions whose TRUE exit goes straight to stop).
  TSchemat deep;
  TDiagramBuilder b(deep);
  TNewShape* s = b.Add(nstStart);
  TNewShape* end = b.Add(nstStop);
  TNewShape* previous = s;
  for (int i = 0; i < 200000; ++i) {
    TNewShape* choice = b.Add(nstChoice);
    previous == s ? b.Link(previous, choice) : b.LinkFalse(previous, choice);
    b.Link(choice, end);
    previous = choice;
  }
  b.LinkFalse(previous, end);
  EXPECT_TRUE(TConnectionCheck(interpreter, deep, host).CheckConnections());
  EXPECT_EQ(end->Tag, 200001);
}

// Random small diagrams of every block type, with random exits: the stack-based walk must give
// the result, the log and the visit counts of the direct recursive walk.
TEST(ConnectionWalkTest, MatchesTheRecursiveWalkOnRandomDiagrams) {
  std::mt19937 random(20261208);
  for (int round = 0; round < 3000; ++round) {
    TSchemat diagram;
    TDiagramBuilder build(diagram);
    const int count = 2 + static_cast<int>(random() % 9);
    std::vector<TNewShape*> blocks;
    for (int i = 0; i < count; ++i) {
      const auto shape = i == 0 ? nstStart : static_cast<TNewShapeType>(random() % 7);
      TNewShape* b = build.Add(shape == nstStart ? nstCalc : shape);
      if (shape == nstContinuum) b->Caption = random() % 2 ? "A" : "B";
      blocks.push_back(b);
    }
    blocks[0]->SetShape(nstStart);
    for (TNewShape* b : blocks) {
      if (random() % 5 != 0) build.Link(b, blocks[random() % count]);
      if (random() % 3 == 0) build.LinkFalse(b, blocks[random() % count]);
    }
    TRecordingHost hostA;
    TRecordingHost hostB;
    TInterpreter interpreter(hostA);
    for (TNewShape* b : blocks) b->Tag = 0;
    const bool iterative = TConnectionCheck(interpreter, diagram, hostA).WalkBlock(blocks[0]);
    std::vector<int32_t> tagsA;
    for (TNewShape* b : blocks) tagsA.push_back(b->Tag), b->Tag = 0;
    const bool recursive = test::RecursiveWalk(diagram, hostB).Walk(blocks[0]);
    std::vector<int32_t> tagsB;
    for (TNewShape* b : blocks) tagsB.push_back(b->Tag);
    ASSERT_EQ(iterative, recursive) << "round " << round;
    ASSERT_EQ(hostA.log, hostB.log) << "round " << round;
    ASSERT_EQ(tagsA, tagsB) << "round " << round;
  }
}

}  // namespace
}  // namespace zuvar
