#include "interpreter/ReadOnlyEvaluator.h"
#include "tests/interpreter/InterpreterFixture.h"

namespace zuvar::test {
namespace {

class ReadOnlyEvaluatorTest : public InterpreterFixture {
 protected:
  void SetUp() override {
    Declare("int a = 2; int b = 3; int t[3]; double d; char s[3] = \"ab\";");
    host.messages.clear();
    host.log.clear();
    host.events.clear();
  }

  TReadOnlyResult Inspect(const std::string& text) { return ReadOnlyEvaluator::Evaluate(in, text); }

  // The whole state a condition must leave alone.
  std::vector<std::string> State() {
    std::vector<std::string> state;
    for (const auto* v = in.Variables; v != nullptr; v = v->Next)
      for (const std::string& value : v->Values) state.push_back(v->Name + "=" + value);
    state.push_back("out=" + std::to_string(output.Lines().size()) +
                    (output.Lines().empty() ? "" : output.Lines().back()));
    state.push_back("token=" + in.Token + "|" + in.TokenMessage);
    state.push_back("condition=" + std::to_string(block.ConditionResult));
    return state;
  }
};

TEST_F(ReadOnlyEvaluatorTest, ValuesAndTruth) {
  struct Case {
    const char* text;
    bool truth;
  };
  for (const Case& c : {Case{"a < b", true}, Case{"a > b", false}, Case{"a + b;", true},
                        Case{"  t[1] == 0 ; ", true}, Case{"d", false}, Case{"a - 2", false},
                        Case{"sqrt(a * 8)", true}, Case{"s[0]", true}}) {
    const TReadOnlyResult result = Inspect(c.text);
    EXPECT_TRUE(result.Ok) << c.text << " : " << result.Error;
    EXPECT_EQ(result.IsTrue(), c.truth) << c.text << " = " << result.Value;
  }
  EXPECT_EQ(Inspect("a * b").Value, "6.000000000000000000");
  bool truth = true;
  std::string error;
  EXPECT_FALSE(ReadOnlyEvaluator::Truth("ab", truth, error));
  EXPECT_EQ(error, "Wartość wyrażenia nie jest liczbą: \"ab\"");
  EXPECT_TRUE(host.messages.empty());
  EXPECT_TRUE(host.log.empty());
}

// Whatever a condition tries, the run is as it was: variables, output, beeps, prompts, the
// context's token and the decision result that a block's exit depends on.
TEST_F(ReadOnlyEvaluatorTest, NothingChangesAndNothingIsShown) {
  Eval("a > 1;");  // a token of the run's own, and ConditionResult 1
  for (const TNewShapeType shape : {nstCalc, nstChoice, nstInOut}) {
    UseBlock(shape);
    block.ConditionResult = 1;
    host.entries = {"7"};
    const std::vector<std::string> before = State();
    for (const char* text : {"a = 5", "t[0] = b = 9", "a++", "read(a)", "write(a)",
                             "write(\"\\a\\n\")", "a == 0", "0", "a / 0", "x > 1"}) {
      Inspect(text);
      EXPECT_EQ(State(), before) << text;
    }
    EXPECT_TRUE(host.messages.empty());
    EXPECT_TRUE(host.log.empty());
    EXPECT_TRUE(host.prompts.empty());
    EXPECT_EQ(host.beeps, 0);
  }
  // The run itself still evaluates as before.
  EXPECT_EQ(Eval("a = 5;"), "5");
}

TEST_F(ReadOnlyEvaluatorTest, WhyAConditionCannotBeEvaluated) {
  EXPECT_EQ(Inspect("a = 5").Error,
            "Błąd składni! Operator \"=\" nie może zmieniać zmiennych w warunku! ; : Token "
            "poprawny :-)");
  UseBlock(nstInOut);  // where read and write are otherwise allowed
  EXPECT_EQ(Inspect("read(a)").Error,
            "Błąd składni! Funkcja \"read\" nie może być użyta w warunku! ; : Token poprawny :-)");
  EXPECT_TRUE(StartsWith(Inspect("write(\"x\")").Error,
                         "Błąd składni! Funkcja \"write\" nie może być użyta w warunku! "));
  UseBlock(nstCalc);
  EXPECT_TRUE(StartsWith(Inspect("x > 1").Error, "Błąd składni! Niezdefiniowana zmienna: x"));
  // Division by zero is an error, as when the block runs, not a division by 1.
  EXPECT_EQ(
      Inspect("a / 0").Error,
      "Wyrażenie nie może być wykonane! Wykryto dzielenie przez zero! ; : Token poprawny :-)");
  const TReadOnlyResult after = Inspect("a > 1; b");
  EXPECT_FALSE(after.Ok);
  EXPECT_TRUE(StartsWith(after.Error, "Błąd składni! Po znaku \";\" nie może być dalszego tekstu!"))
      << after.Error;
  EXPECT_FALSE(Inspect("(a").Ok);
  EXPECT_FALSE(Inspect("").Ok);
  EXPECT_FALSE(Inspect("a +").IsTrue());
}

}  // namespace
}  // namespace zuvar::test
