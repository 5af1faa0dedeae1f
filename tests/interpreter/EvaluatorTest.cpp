#include "tests/interpreter/InterpreterFixture.h"

namespace zuvar::test {
namespace {

class EvaluatorTest : public InterpreterFixture {
 protected:
  void SetUp() override {
    Declare("int a = 2; int b = 3; int c = 4; int t[3]; double d; char ch;");
  }

  // Evaluates a text that must fail; returns "[caption] message" of its one report.
  std::string Failure(const std::string& text, TEvalMode mode = TEvalMode::Execute) {
    const std::size_t before = host.messages.size();
    EXPECT_EQ(Eval(text, mode), "") << text;
    EXPECT_EQ(host.messages.size(), before + 1) << text;
    EXPECT_EQ(host.log.size(), host.messages.size());
    if (host.messages.size() != before + 1) return "<no report>";
    EXPECT_EQ(host.log.back(), LastCaption() + LastMessage());
    return "[" + LastCaption() + "] " + LastMessage();
  }
};

constexpr const char* kFine = " : Token poprawny :-)";

TEST_F(EvaluatorTest, EqualCodesGroupToTheRight) {
  EXPECT_EQ(Eval("10 - 4 - 3;"), "9.000000000000000000");
  EXPECT_EQ(Eval("8 / 4 / 2;"), "4.000000000000000000");
  EXPECT_EQ(Eval("3 != 2 == 2;"), "1");
  EXPECT_EQ(Eval("a * b / c;"), "1.500000000000000000");
  EXPECT_EQ(Eval("10 - 4 + 3;"), "9.000000000000000000");   // (10 - 4) + 3
  EXPECT_EQ(Eval("10 + 4 - 3;"), "11.000000000000000000");  // 10 + (4 - 3)
  EXPECT_EQ(Eval("2 + 3 * 4;"), "14.000000000000000000");
  EXPECT_EQ(Eval("(2 + 3) * 4;"), "20.000000000000000000");
  EXPECT_EQ(Eval("1 < 2 && 3 > 4;"), "0");
  EXPECT_EQ(Eval("1 || 0 && 0;"), "1");
}

TEST_F(EvaluatorTest, AssignmentConvertsToTheTargetType) {
  EXPECT_EQ(Eval("a = 7 / 2;"), "3");
  EXPECT_EQ(Eval("d = 7 / 2;"), "3.500000000000000000");
  EXPECT_EQ(Eval("ch = 200;"), "-56");
  EXPECT_EQ(Eval("a = 40000;"), "-25536");
  EXPECT_EQ(Eval("a = b = 5;"), "5");
  EXPECT_EQ(Value("a"), "5");
  EXPECT_EQ(Value("b"), "5");
  EXPECT_EQ(Eval("t[1] = 9;"), "9");
  EXPECT_EQ(Value("t", 1), "9");
  EXPECT_EQ(Eval("t[t[1] - 8] + 1;"), "10.000000000000000000");
  EXPECT_EQ(Eval("d = 1 / 3;"), "0.333333333300000000");
}

TEST_F(EvaluatorTest, IntegerOperators) {
  EXPECT_EQ(Eval("5 % 3;"), "2");
  Eval("a = -7;");
  EXPECT_EQ(Eval("a % 3;"), "-1");
  EXPECT_EQ(Eval("1 << 33;"), "2");
  Eval("a = -8;");
  EXPECT_EQ(Eval("a >> 1;"), "-4");
  EXPECT_EQ(Eval("6 & 3;"), "2");
  EXPECT_EQ(Eval("6 | 3;"), "7");
  EXPECT_EQ(Eval("6 ^ 3;"), "5");
  Eval("a = -1;");
  EXPECT_EQ(Eval("1 << a;"), "-2147483648");
  EXPECT_EQ(Eval("a << 1;"), "-2");
  EXPECT_EQ(Eval("70000 * 0 + 1;"), "1.000000000000000000");
}

TEST_F(EvaluatorTest, IntegerOperatorsRefuseFixedTexts) {
  const std::string left =
      "[Błąd składni! ] Lewy operand operacji reszty z dzielenia (\"%\") musi być liczba "
      "całkowitą! ; : Token poprawny :-)";
  EXPECT_EQ(Failure("(5 + 1) % 4;"), left);
  EXPECT_EQ(Failure("-7 % 3;"), left);
  EXPECT_EQ(Failure("d % 3;"), left);
  EXPECT_EQ(Failure("3 << 1.5;"),
            "[Błąd składni! ] Prawy operand bitowego przesunięcia w lewo (\"<<\") musi być liczba "
            "całkowitą! ; : Token poprawny :-)");
  EXPECT_TRUE(StartsWith(Failure("d & 1;"), "[Błąd składni! ] Lewy operand bitowego operatora "));
}

TEST_F(EvaluatorTest, ModuloByZeroFailsWithTheTextOfTheMoment) {
  EXPECT_EQ(Failure("5 % 0;"), "[Błąd składni! ] ");
  EXPECT_EQ(Failure("5 % 0;", TEvalMode::Check), "[Błąd składni! ] ");
  // An earlier assignment of the same evaluation left its text.
  EXPECT_EQ(Failure("a = 1, 5 % 0;"),
            "[Błąd składni! ] Niezgodność typów danych!; : Token poprawny :-)");
}

TEST_F(EvaluatorTest, DivisionByZeroOnlyWhenExecuting) {
  EXPECT_EQ(Eval("1 / 0;", TEvalMode::Check), "1.000000000000000000");
  EXPECT_EQ(
      Failure("1 / 0;"),
      "[Wyrażenie nie może być wykonane!] Wykryto dzielenie przez zero! ; : Token poprawny :-)");
  EXPECT_EQ(host.log.back(),
            "Wyrażenie nie może być wykonane!Wykryto dzielenie przez zero! ; : Token poprawny :-)");
}

TEST_F(EvaluatorTest, UnaryOperators) {
  Eval("a = 4;");
  EXPECT_EQ(Eval("-a;"), "-4.000000000000000000");
  EXPECT_EQ(Eval("+a;"), "4.000000000000000000");
  EXPECT_EQ(Eval("!a;"), "0.000000000000000000");
  EXPECT_EQ(Eval("!0;"), "1.000000000000000000");
  EXPECT_EQ(Eval("~5;"), "-6.000000000000000000");
  EXPECT_EQ(Eval("2 * -3;"), "-6.000000000000000000");
  EXPECT_EQ(Eval("- -a;"), "4.000000000000000000");
  EXPECT_EQ(Eval("-t[0];"), "0.000000000000000000");
  EXPECT_EQ(Failure("-;"),
            std::string(
                "[Błąd składni! ] Operator \"0-\" wymaga jednego operandu!; : Token poprawny :-)"));
  EXPECT_EQ(Failure("-'q';"),
            std::string("[Błąd składni! ] Błędne użycie jednoargumentowego operatora \"0-\" ! ;") +
                kFine);
}

TEST_F(EvaluatorTest, OperandTypesComeFromTheText) {
  EXPECT_EQ(Eval("300 % 7;"), "6");
  EXPECT_EQ(Eval("70000 % 7;"), "0");
  EXPECT_TRUE(StartsWith(Failure("5.0 % 2;"), "[Błąd składni! ] Lewy operand "));
  EXPECT_EQ(Eval("'7' + 1;"), "8.000000000000000000");  // a digit reads as its value
  EXPECT_EQ(Eval("'x' + 1;"), "1.000000000000000000");  // another character counts as 0
  EXPECT_EQ(Eval("'a' + 1;"), "3.000000000000000000");  // the name of the variable a
}

TEST_F(EvaluatorTest, ConditionResult) {
  Eval("3 > 2;");
  EXPECT_EQ(block.ConditionResult, 1);
  Eval("3 < 2;");
  EXPECT_EQ(block.ConditionResult, 0);
  Eval("a - a;");
  EXPECT_EQ(block.ConditionResult, 1);
  Eval("t[0];");
  EXPECT_EQ(block.ConditionResult, 0);
  Eval("zz;");  // a failure leaves it
  EXPECT_EQ(block.ConditionResult, 0);
}

TEST_F(EvaluatorTest, CommasAndLeftOvers) {
  EXPECT_EQ(Eval("a = 1, b = 2;"), "2");
  EXPECT_EQ(Value("a"), "1");
  EXPECT_EQ(Failure("a b;"), std::string("[Błąd składni! ] Nierozładowane wyrażenie!;") + kFine);
  EXPECT_EQ(Failure("a = 1,;"),
            std::string("[Błąd składni! ] Brak wyrażenia po operatorze \",\"! ;") + kFine);
  UseBlock(nstChoice);
  EXPECT_EQ(Failure("a, b;"),
            std::string("[Wyrażenie niedozwolone dla bloku!] Stosowanie operatora \",\" w bloku "
                        "decyzyjnym jest niedozwolone!,") +
                kFine);
}

TEST_F(EvaluatorTest, AssignmentMessages) {
  EXPECT_EQ(
      Failure("5 = a;"),
      std::string("[Błąd składni! ] Lewa strona operatora \"=\" (\"5\") nie jest adresowalna! ;") +
          kFine);
  EXPECT_EQ(Failure("= 5;"),
            std::string("[Błąd składni! ] Operator \"=\" wymaga dwóch operandów!;") + kFine);
  EXPECT_EQ(Failure("a + ;"),
            std::string("[Błąd składni! ] Operator \"+\" wymaga dwóch operandów!;") + kFine);
}

TEST_F(EvaluatorTest, ArrayOperands) {
  Eval("t[1] = 5;");
  EXPECT_EQ(Eval("t[1] + 1;"), "6.000000000000000000");
  EXPECT_EQ(Eval("t[1.9] + 1;"), "6.000000000000000000");
  EXPECT_EQ(Eval("1 + t[1];"), "6.000000000000000000");
  EXPECT_EQ(Failure("t[3] + 1;"),
            std::string("[Błąd składni! ] Przekroczony rozmiar tablicy!;") + kFine);
  EXPECT_EQ(Failure("t[-1] + 1;"),
            std::string("[Błąd składni! ] Indeks tablicy musi być liczbą nieujemną całkowitą!!;") +
                kFine);
  EXPECT_EQ(
      Failure("t + 1;"),
      "[Błąd składni! ] Brak nawiasu indeksowego zmiennej tablicwej \"t\" !+ : Token poprawny :-)");
  EXPECT_EQ(
      Failure("a[1];"),
      "[Błąd składni! ] Brak zmiennej tablicowej dla podanego indeksu!] : Token poprawny :-)");
  EXPECT_TRUE(StartsWith(Failure("t[1]] + 1;"), "[Błąd składni! ] Niezgodność nawiasów in"));
}

// The index of a nested element (t[t[0]]) takes the inner array and its index off the stack:
// an operator short of its other operand then fails like any failure, with the text of the
// moment, instead of taking from an empty stack.
TEST_F(EvaluatorTest, ANestedIndexShortOfOperandsFails) {
  Eval("t[0] = 1, t[1] = 2, t[2] = 3;");
  EXPECT_EQ(Eval("t[t[0]] + 1;"), "3.000000000000000000");
  EXPECT_EQ(Eval("1 + t[t[t[0]]];"), "4.000000000000000000");
  EXPECT_EQ(Eval("a = t[t[0]];"), "2");
  for (const std::string text : {"t[t[0]] + ;", "* t[t[0]];", "t[t[0]] << ;"}) {
    EXPECT_EQ(Failure(text), "[Błąd składni! ] ") << text;
  }
  EXPECT_EQ(Failure("t[t[0]] = ;"),
            std::string("[Błąd składni! ] Niezgodność typów danych!;") + kFine);
  EXPECT_EQ(Failure("t[t[0]] + ;", TEvalMode::Check), "[Błąd składni! ] ");
  EXPECT_EQ(Value("t", 0) + Value("t", 1) + Value("t", 2), "123");
}

TEST_F(EvaluatorTest, MarkerTexts) {
  EXPECT_EQ(Eval(";"), "!STOSPUSTY!");
  EXPECT_EQ(Eval("t[7];"), "!ZLYINDEKS!");
  EXPECT_EQ(Eval("t[-1];"), "!ZLYINDEKS!");
  EXPECT_EQ(Eval("t[t[9]];"), "!ZLYINDEKS!");
  EXPECT_EQ(Eval("t[t[0]];"), "0");
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(EvaluatorTest, PhaseOneMessages) {
  EXPECT_EQ(Failure("zz + 1;"),
            std::string("[Błąd składni! ] Niezdefiniowana zmienna: zz") + kFine);
  EXPECT_EQ(Failure("sqrt 4;"),
            std::string("[Błąd składni! ] Brak nawiasu otwierającego listę argumentów funkcji!4") +
                kFine);
  EXPECT_EQ(Failure("\"s\" + 1;"),
            std::string("[Błąd składni! ] Błędne użycie wartości typu string!s") + kFine);
  EXPECT_EQ(
      Failure("a);"),
      std::string("[Błąd składni! ] Niezgodność nawiasów - brak nawiasu otwierającego!)") + kFine);
  EXPECT_EQ(
      Failure("(a;"),
      std::string("[Błąd składni! ] Niezgodność nawiasów - brak nawiasu zamykającego!;") + kFine);
  EXPECT_EQ(
      Failure("a + int;"),
      std::string("[Błąd składni! ] Wyrażenie zawiera znaki nie pasujące do żadnych operatorów "
                  "obliczeniowych!int") +
          kFine);
  EXPECT_EQ(Failure("a $ 1;"),
            "[Błąd składni! ] Wyrażenie zawiera znaki nie pasujące do żadnych operatorów "
            "obliczeniowych!$ : Nieprawidłowy znak!");
  EXPECT_EQ(
      Failure("a + "),
      std::string("[Błąd składni! ] Wyrażenie zawiera znaki nie pasujące do żadnych operatorów "
                  "obliczeniowych!") +
          kFine);
}

TEST_F(EvaluatorTest, TextsWithoutSemicolon) {
  int position = 1;
  EXPECT_EQ(EvaluateExpression(in, "2 + 3", position, TEvalMode::Execute), "5.000000000000000000");
  EXPECT_EQ(position, -1);
  position = 10;
  EXPECT_EQ(EvaluateExpression(in, "a = 1; b = 2;", position, TEvalMode::Execute), "1");
  EXPECT_EQ(position, 10 + 7 - 1);
  EXPECT_EQ(Value("b"), "3");
}

TEST_F(EvaluatorTest, FailureKeepsEarlierAssignments) {
  EXPECT_TRUE(StartsWith(Failure("a = 9, zz;"), "[Błąd składni! ] Niezdefiniowana zmienna"));
  EXPECT_EQ(Value("a"), "2");  // phase one failed before anything ran
  EXPECT_TRUE(StartsWith(Failure("(a = 9) + t[5];"), "[Błąd składni! ] Przekroczony "));
  EXPECT_EQ(Value("a"), "9");
}

}  // namespace
}  // namespace zuvar::test
