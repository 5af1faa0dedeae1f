#include "tests/interpreter/InterpreterFixture.h"

namespace zuvar::test {
namespace {

class StatementTest : public InterpreterFixture {
 protected:
  void SetUp() override { Declare("int x; int y; double d;"); }

  // Runs a line that must fail with one message and returns "[caption] message".
  std::string Refused(const std::string& line) {
    const std::size_t before = host.messages.size();
    EXPECT_EQ(Run(line), 0) << line;
    EXPECT_EQ(host.messages.size(), before + 1) << line;
    return "[" + LastCaption() + "] " + LastMessage();
  }
};

TEST_F(StatementTest, SeveralStatementsAndComments) {
  EXPECT_EQ(Run("x = 1; y = 2;"), 1);
  EXPECT_EQ(Value("x"), "1");
  EXPECT_EQ(Value("y"), "2");
  EXPECT_EQ(Run("x = 3; // set x"), 1);
  EXPECT_EQ(Value("x"), "3");
  EXPECT_EQ(in.StatementCount, 6u);  // three declarations, three statements
  for (const char* nothing : {"", "   \t", "// only a remark"}) EXPECT_EQ(Run(nothing), 1);
  block.Code.clear();
  EXPECT_EQ(ExecuteLine(in), 1);
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(StatementTest, MissingSemicolon) {
  EXPECT_EQ(Refused("x = 1 // remark"),
            "[Błąd składni!] Brak średnika na końcu instrukcji! -> // remark : Token poprawny :-)");
  EXPECT_EQ(Refused("x = 5 +"),
            "[Błąd składni!] Brak średnika na końcu instrukcji! -> + : Token poprawny :-)");
  EXPECT_EQ(Refused("x = 1.2.3;"),
            "[Błąd składni!] Brak średnika na końcu instrukcji! -> 1.2 : Błąd zapisu stałej "
            "'double' - za dużo kropek!");
  EXPECT_EQ(host.log.back(),
            "Błąd składni! Brak średnika na końcu instrukcji! -> 1.2 : Błąd zapisu stałej "
            "'double' - za dużo kropek!");
  EXPECT_EQ(host.logPageScrolls, 3);
}

TEST_F(StatementTest, ABrokenFirstTokenIsReported) {
  EXPECT_EQ(Refused("'ab';"),
            "[Błąd składni!] Token niezdefiniowany! -> a : Kod ASCII może być reprezentowany "
            "tylko przez jeden znak!");
  EXPECT_EQ(Refused("\"open"),
            "[Błąd składni!] Token niezdefiniowany! -> open : O nie kolego! Ja za Ciebie nie "
            "będę kończył łańcuchów znakowych!");
}

TEST_F(StatementTest, EarlierStatementsStayDone) {
  EXPECT_EQ(Run("x = 7; y = zz;"), 0);
  EXPECT_EQ(Value("x"), "7");
}

TEST_F(StatementTest, DecisionBlockTakesOneStatement) {
  UseBlock(nstChoice);
  block.Code = {"x > 0;", "y > 0;"};
  in.Line = 1;
  EXPECT_EQ(ExecuteLine(in), 1);
  in.Line = 2;
  EXPECT_EQ(ExecuteLine(in), 0);
  EXPECT_EQ("[" + LastCaption() + "] " + LastMessage(),
            "[Wyrażenie niedozwolone dla bloku!] W bloku decyzyjnym moze występować tylko jedna "
            "instrukcja kodu! -> ; : Token poprawny :-)");
  EXPECT_EQ(host.log.back(),
            "Wyrażenie niedozwolone dla bloku! W bloku decyzyjnym moze występować tylko jedna "
            "instrukcja kodu! -> ; : Token poprawny :-)");
  UseBlock(nstChoice);
  EXPECT_TRUE(StartsWith(Refused("x > 0; y > 0;"), "[Wyrażenie niedozwolone dla bloku!] W bloku"));
}

TEST_F(StatementTest, DecisionBlockRefusesDeclarations) {
  UseBlock(nstChoice);
  EXPECT_EQ(Refused("int z;"),
            "[Wyrażenie niedozwolone dla bloku!] Deklaracja zmiennych jest możliwa tylko w "
            "blokach obliczeniowych! -> int : Token poprawny :-)");
}

TEST_F(StatementTest, InputOutputBlockTakesOnlyReadAndWrite) {
  UseBlock(nstInOut);
  host.entries = {"4"};
  EXPECT_EQ(Run("write(x); read(x);"), 1);
  const std::string io =
      "[Wyrażenie niedozwolone dla bloku!] W bloku wejścia/wyjścia mogą znajdować się tylko "
      "funkcje \"read\" lub \"write\"! -> ";
  EXPECT_EQ(Refused("sqrt(x);"), io + "sqrt : Token poprawny :-)");
  EXPECT_EQ(Refused("x = 1;"), io + "x : Token poprawny :-)");
  EXPECT_EQ(Refused("int z;"), io + "int : Token poprawny :-)");
  EXPECT_EQ(Refused("5;"), io + "5 : Token poprawny :-)");
  EXPECT_EQ(Refused("(x);"), io + "( : Token poprawny :-)");
}

TEST_F(StatementTest, FirstTokenDispatch) {
  EXPECT_EQ(Refused("q = 1;"), "[Błąd składni!] Zmienna \"q\" nie została wcześniej zdefiniowana!");
  EXPECT_EQ(Refused("$ = 1;"), "[Błąd składni!] Token niezdefiniowany! -> $ : Nieprawidłowy znak!");
  EXPECT_EQ(Refused("'a';"),
            "[Błąd składni!] Błędne użycie wartości typu ASCII!a : Token poprawny :-)");
  EXPECT_EQ(Refused("\"s\";"),
            "[Błąd składni!] Błędne użycie wartości typu string!s : Token poprawny :-)");
  EXPECT_EQ(Run("(x = 4);"), 1);
  EXPECT_EQ(Value("x"), "4");
  EXPECT_EQ(Run("5;"), 1);
  EXPECT_EQ(Run("sqrt(4);"), 1);
  EXPECT_EQ(Run("  x = 6;"), 1);
  EXPECT_EQ(Value("x"), "6");
}

TEST_F(StatementTest, CheckModeHasTheSameMessages) {
  UseBlock(nstChoice);
  EXPECT_EQ(Run("int z;", TEvalMode::Check), 0);
  const std::string executed = LastMessage();
  UseBlock(nstChoice);
  EXPECT_EQ(Run("int z;", TEvalMode::Execute), 0);
  EXPECT_EQ(LastMessage(), executed);
  UseBlock(nstCalc);
  EXPECT_EQ(Run("int w = 3;", TEvalMode::Check), 1);
  EXPECT_EQ(Value("w"), "3");  // the check declares too
}

TEST_F(StatementTest, EvaluationSetsTheConditionOfTheBlock) {
  UseBlock(nstChoice);
  Run("x > 0;");
  EXPECT_EQ(block.ConditionResult, 0);
  UseBlock(nstChoice);
  Run("x == 0;");
  EXPECT_EQ(block.ConditionResult, 1);
  UseBlock(nstChoice);
  Run("x - x;");  // a fixed text is always true
  EXPECT_EQ(block.ConditionResult, 1);
}

TEST_F(StatementTest, LineOutsideTheCodeHasNothingToDo) {
  block.Code = {"x = zz;"};
  in.Line = 2;
  EXPECT_EQ(ExecuteLine(in), 1);
  in.Line = 0;
  EXPECT_EQ(ExecuteLine(in), 1);
  EXPECT_TRUE(host.messages.empty());
}

}  // namespace
}  // namespace zuvar::test
