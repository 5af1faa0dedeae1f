#include "interpreter/Builtins.h"
#include "tests/interpreter/InterpreterFixture.h"

namespace zuvar::test {
namespace {

class BuiltinsTest : public InterpreterFixture {
 protected:
  void SetUp() override {
    Declare("int x = 5; int y = 3; double d = 2.5; int t[3]; char s[3] = \"ab\";");
    UseBlock(nstInOut);
  }

  std::string Failure(const std::string& text, TEvalMode mode = TEvalMode::Execute) {
    const std::size_t before = host.messages.size();
    EXPECT_EQ(Eval(text, mode), "") << text;
    EXPECT_GE(host.messages.size(), before + 1) << text;
    if (host.messages.size() == before) return "<no report>";
    return "[" + LastCaption() + "] " + LastMessage();
  }
};

constexpr const char* kFine = " : Token poprawny :-)";

TEST(BuiltinTableTest, TwelveNamesInOrder) {
  TRecordingHost host;
  TInterpreter in{host};
  in.BuiltinFunctions.clear();
  Builtins::FillBuiltinFunctions(in);
  EXPECT_EQ(in.BuiltinFunctions.Names(),
            (std::vector<std::string>{"read", "write", "cos", "sqrt", "ceil", "exp", "fabs",
                                      "floor", "log", "log10", "sin", "tan"}));
}

// The table is the one place that says which functions exist, which of them belong to
// input/output blocks and which take a string constant.
TEST(BuiltinTableTest, KnowsExactlyTheTwelveFunctionsAndTheirRules) {
  const std::vector<std::string> names{"read", "write", "cos", "sqrt",  "ceil", "exp",
                                       "fabs", "floor", "log", "log10", "sin",  "tan"};
  std::vector<std::string> inOutOnly;
  std::vector<std::string> takesString;
  for (const std::string& name : names) {
    const TBuiltinRow* row = Builtins::Find(name);
    ASSERT_NE(row, nullptr) << name;
    EXPECT_EQ(row->Name, name);
    EXPECT_NE(row->Handler, nullptr) << name;
    EXPECT_EQ(row->Math == nullptr, row->InOutOnly) << name;  // every other one is math
    if (row->InOutOnly) inOutOnly.push_back(name);
    if (row->TakesString) takesString.push_back(name);
  }
  EXPECT_EQ(inOutOnly, (std::vector<std::string>{"read", "write"}));
  EXPECT_EQ(takesString, (std::vector<std::string>{"write"}));
  EXPECT_EQ(Builtins::Rows().size(), names.size());
  for (const char* other : {"Sqrt", "WRITE", "print", "pow", "log2", "writ", "reads", "int", ""}) {
    EXPECT_EQ(Builtins::Find(other), nullptr) << other;
  }
}

TEST_F(BuiltinsTest, MathFunctions) {
  EXPECT_EQ(Eval("sqrt(2);"), "1.414213562000000000");
  EXPECT_EQ(Eval("floor(-2.5);"), "-3.000000000000000000");
  EXPECT_EQ(Eval("cos(0);"), "1.000000000000000000");
  EXPECT_EQ(Eval("ceil(d);"), "3.000000000000000000");
  EXPECT_EQ(Eval("fabs(-x);"), "5.000000000000000000");
  EXPECT_EQ(Eval("log10(1000);"), "3.000000000000000000");
  EXPECT_EQ(Eval("exp(0) + sin(0) + tan(0) + log(1);"), "1.000000000000000000");
  EXPECT_EQ(Eval("sqrt(4, 9);"), "3.000000000000000000");
  EXPECT_EQ(Eval("sqrt(t[1] + 16);"), "4.000000000000000000");
  EXPECT_EQ(Eval("sqrt(s[0]);"), "9.848857802000000000");
  UseBlock(nstCalc);
  EXPECT_EQ(Eval("sqrt(16);"), "4.000000000000000000");  // any block
}

TEST_F(BuiltinsTest, MathMessages) {
  EXPECT_EQ(Failure("sqrt();"),
            std::string("[Błąd składni! ] Funkcja \"sqrt\"wymaga jednego argumentu!;") + kFine);
  EXPECT_EQ(Failure("sqrt(t[5]);"),
            std::string("[Błąd składni! ] Przekroczony rozmiar tablicy!;") + kFine);
}

TEST_F(BuiltinsTest, ResultsThatAreNoNumberFail) {
  for (const char* text : {"sqrt(0 - 1);", "log(0);", "exp(1000);"}) {
    EXPECT_EQ(Failure(text), "[Błąd składni! ] ") << text;
  }
  // The sign operator of the argument left its text.
  EXPECT_EQ(Failure("sqrt(-1);"),
            std::string("[Błąd składni! ] Błędne użycie jednoargumentowego operatora \"0-\" ! ;") +
                kFine);
}

TEST_F(BuiltinsTest, WriteAppendsToTheLastLine) {
  EXPECT_EQ(Eval("write(\"raz\\ndwa\");"), "0");
  EXPECT_EQ(output.Lines(), (std::vector<std::string>{"raz", "dwa"}));
  Eval("write(d);");
  Eval("write(x);");
  Eval("write(x + 1);");
  EXPECT_EQ(output.Lines().back(), "dwa2.50000000000000000056.000000000000000000");
  output.Clear();
  Run("write('a'); write('b');");
  EXPECT_EQ(output.Lines(), (std::vector<std::string>{"ab"}));
}

TEST_F(BuiltinsTest, WriteEscapes) {
  Eval("write(\"a\\ab\\%c\\\\d\\te\\ąf\");");
  EXPECT_EQ(output.Lines(), (std::vector<std::string>{"ab%c\\dteąf"}));
  EXPECT_EQ(host.beeps, 1);
  output.Clear();
  Eval("write(\"\\n\");");
  EXPECT_EQ(output.Lines(), (std::vector<std::string>{"", ""}));
}

TEST_F(BuiltinsTest, WriteOfALoneBackslashFailsWithoutText) {
  EXPECT_EQ(Failure("write('\\');"), "[Błąd składni! ] ");
}

TEST_F(BuiltinsTest, WriteMessages) {
  EXPECT_EQ(Failure("write();"),
            std::string("[Błąd składni! ] Funkcja wymaga jednego argumentu!!;") + kFine);
  UseBlock(nstCalc);
  EXPECT_EQ(
      Failure("write(x);"),
      std::string("[Wyrażenie niedozwolone dla bloku!] Funkcja \"write\" może występować tylko "
                  "w blokach wejscia/wyjścia! -> ;") +
          kFine);
  EXPECT_EQ(
      host.log.back(),
      std::string("Wyrażenie niedozwolone dla bloku!Funkcja \"write\" może występować tylko w "
                  "blokach wejscia/wyjścia! -> ;") +
          kFine);
}

TEST_F(BuiltinsTest, CheckModeWritesNothing) {
  EXPECT_EQ(Eval("write(\"a\\a\");", TEvalMode::Check), "0");
  EXPECT_TRUE(output.Lines().empty());
  EXPECT_EQ(host.beeps, 0);
  EXPECT_EQ(Failure("write('\\');", TEvalMode::Check), "[Błąd składni! ] ");
}

TEST_F(BuiltinsTest, ConstantsThatLookLikeOperatorsAreWritten) {
  Eval("write(\"+\"); write(\";\"); write(\"sqrt\");");
  Run("write(\"-\"); write(\"read\");");
  EXPECT_EQ(output.Lines(), (std::vector<std::string>{"+-read"}));
}

TEST_F(BuiltinsTest, ReadAssignsTheEvaluatedEntry) {
  host.entries = {"12", "y * 2", "7/2"};
  EXPECT_EQ(Eval("read(x);"), "0");
  EXPECT_EQ(Value("x"), "12");
  Eval("read(x);");
  EXPECT_EQ(Value("x"), "6");
  Eval("read(x);");
  EXPECT_EQ(Value("x"), "3");
  EXPECT_EQ(host.prompts, (std::vector<std::string>(3, "Podaj wartość zmiennej: \"x\"")));
}

TEST_F(BuiltinsTest, ReadOfAnElement) {
  host.entries = {"2", "4.5"};
  Eval("read(t[2]);");
  EXPECT_EQ(Value("t", 2), "2");
  EXPECT_EQ(host.prompts.back(), "Podaj wartość zmiennej: \"t[2]\"");
  Eval("read(d);");
  EXPECT_EQ(Value("d"), "4.500000000000000000");
  EXPECT_EQ(Failure("read(t[3]);"),
            std::string("[Błąd składni! ] Przekroczony rozmiar tablicy!;") + kFine);
}

TEST_F(BuiltinsTest, ReadMessages) {
  EXPECT_EQ(Failure("read(5);"),
            std::string("[Błąd składni! ] Nieznana zmienna jako argument dla funkcji \"read\"!!;") +
                kFine);
  EXPECT_EQ(Failure("read();"),
            std::string("[Błąd składni! ] Funkcja wymaga jednego argumentu!!;") + kFine);
  UseBlock(nstChoice);
  EXPECT_EQ(
      Failure("read(x);"),
      std::string("[Wyrażenie niedozwolone dla bloku!] Funkcja \"read\" może występować tylko "
                  "w blokach wejscia/wyjścia! -> ;") +
          kFine);
}

TEST_F(BuiltinsTest, BadEntryIsReportedTwice) {
  host.entries = {"abc", "\"s\""};
  EXPECT_EQ(Eval("read(x);"), "");
  ASSERT_EQ(host.messages.size(), 2u);
  EXPECT_EQ(host.messages[0].text, std::string("Niezdefiniowana zmienna: abc") + kFine);
  EXPECT_EQ(host.messages[1].text,
            std::string("Wprowadzone wyrażenie dla funkcji \"read\" jest niepoprawne!abc") + kFine);
  EXPECT_EQ(Eval("read(x);"), "");
  EXPECT_EQ(host.messages[2].text, std::string("Błędne użycie wartości typu string!s") + kFine);
  EXPECT_EQ(Value("x"), "5");
}

TEST_F(BuiltinsTest, CheckModeReadsZeroWithoutAsking) {
  Eval("read(x);", TEvalMode::Check);
  EXPECT_EQ(Value("x"), "0");
  EXPECT_TRUE(host.prompts.empty());
}

TEST_F(BuiltinsTest, EndedInputEndsTheRunQuietly) {
  EXPECT_EQ(Run("read(x); write(x);"), 0);
  EXPECT_TRUE(in.InputEnded);
  EXPECT_TRUE(host.messages.empty());
  EXPECT_TRUE(host.log.empty());
  EXPECT_TRUE(output.Lines().empty());
}

TEST_F(BuiltinsTest, ReadInsideAnEntryIsBounded) {
  host.entries.assign(100, "read(x)");
  EXPECT_EQ(Eval("read(x);"), "");
  EXPECT_LE(host.prompts.size(), static_cast<std::size_t>(Builtins::kMaxReadNesting + 1));
  EXPECT_FALSE(host.messages.empty());
  host.entries = {"read(y)", "8"};
  host.prompts.clear();
  EXPECT_EQ(Eval("read(x);"), "0");
  EXPECT_EQ(Value("y"), "8");
  EXPECT_EQ(Value("x"), "0");  // the value of the inner read
}

}  // namespace
}  // namespace zuvar::test
