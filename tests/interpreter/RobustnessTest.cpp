#include <random>
#include <string>
#include <vector>

#include "interpreter/VariablesGrid.h"
#include "model/Cp1250.h"
#include "tests/interpreter/InterpreterFixture.h"

namespace zuvar::test {
namespace {

class RobustnessTest : public InterpreterFixture {};

TEST_F(RobustnessTest, DeepParenthesesNeitherRecurseNorCrash) {
  Declare("int x;");
  const std::string open(65536, '(');
  EXPECT_EQ(Run("x = " + open + "1;"), 0);
  EXPECT_EQ(LastMessage(),
            "Niezgodność nawiasów - brak nawiasu zamykającego!; : Token poprawny :-)");
  EXPECT_EQ(Run("x = " + open + "1" + std::string(65536, ')') + ";"), 1);
  EXPECT_EQ(Value("x"), "1");
  EXPECT_EQ(Run("x = " + std::string(65536, ')') + ";"), 0);
  EXPECT_EQ(Run(std::string(65536, '-') + "x;"), 1);
}

TEST_F(RobustnessTest, DeeplyNestedIndexes) {
  Declare("int t[2];");
  std::string nested = "0";
  for (int i = 0; i < 20000; ++i) nested = "t[" + nested;
  nested += std::string(20000, ']');
  EXPECT_EQ(Eval(nested + ";"), "0");
  EXPECT_EQ(Eval(nested + " + 1;"), "1.000000000000000000");
}

TEST_F(RobustnessTest, StringOfEveryCodePoint) {
  std::string text;
  for (char32_t cp = 1; cp <= 0x10FFFF; ++cp) {
    if (cp >= 0xD800 && cp <= 0xDFFF) continue;
    if (cp == '"' || cp == '\\') continue;
    Cp1250::AppendUtf8(text, cp);
  }
  UseBlock(nstInOut);
  EXPECT_EQ(Run("write(\"" + text + "\");"), 1);
  ASSERT_EQ(output.Lines().size(), 1u);
  EXPECT_EQ(output.Lines()[0].size(), text.size());
  UseBlock(nstCalc);
  EXPECT_EQ(Run("char c[32767] = \"" + text + "\";"), 0);
  EXPECT_EQ(LastMessage(),
            "Łańcuch znakowy jest zbyt długi do umieszczenia go w definiowanej tablicy!!!");
  EXPECT_EQ(Run("char d[200] = \"" + text.substr(0, 150) + "\";"), 1);
  EXPECT_EQ(Value("d", 0), "1");
}

TEST_F(RobustnessTest, LargestArrays) {
  Declare("double a[32767]; int b[32767] = {1, 2};");
  EXPECT_EQ(Run("a[32766] = 1; b[32766] = b[1] + a[32766];"), 1);
  EXPECT_EQ(Value("b", 32766), "3");
  EXPECT_EQ(Run("b[32767] = 1;"), 0);
  EXPECT_EQ(VariablesGrid::Rows(in, true).size(), 1u + 2 * 32767u);
}

TEST_F(RobustnessTest, IntegerEdgesGiveTwosComplementResults) {
  Declare("long m = -2147483647 - 1; long n = -1; long s;");
  EXPECT_EQ(Value("m"), "-2147483648");
  EXPECT_EQ(Eval("m % n;"), "0");
  for (const char* count : {"0", "31", "32", "33", "64", "1000", "n", "m"}) {
    EXPECT_FALSE(Eval(std::string("m >> ") + count + ";").empty()) << count;
    EXPECT_FALSE(Eval(std::string("m << ") + count + ";").empty()) << count;
    EXPECT_FALSE(Eval(std::string("n << ") + count + ";").empty()) << count;
  }
  EXPECT_EQ(Eval("n << 32;"), "-1");
  EXPECT_EQ(Eval("m >> 31;"), "-1");
  EXPECT_EQ(Eval("s = ~m;"), "2147483647");
  EXPECT_FALSE(Eval("s = m * m;").empty());  // wraps into 32 bits
  EXPECT_FALSE(Eval("s = 99999999999 * 99999999999;").empty());
}

TEST_F(RobustnessTest, NonFiniteResultsFail) {
  Declare("double d = 1;");
  std::string huge(400, '9');
  EXPECT_EQ(Eval("d = " + huge + ";"), "");
  EXPECT_EQ(Value("d"), "1.000000000000000000");
  EXPECT_EQ(Eval(huge + " * 1;"), "");
  EXPECT_EQ(Eval("d * " + huge + ";"), "");
  EXPECT_EQ(Run("double e = " + huge + ";"), 0);
  EXPECT_EQ(LastMessage(), "Niezgodność typów danych!");
  EXPECT_FALSE(in.VariableExists("e"));
  Declare("long l = " + huge + ";");
  EXPECT_EQ(Value("l"), "-2147483648");
}

TEST_F(RobustnessTest, ManyStatementsOnOneLine) {
  Declare("int i;");
  std::string line;
  for (int k = 0; k < 20000; ++k) line += "i = i + 1;";
  EXPECT_EQ(Run(line), 1);
  EXPECT_EQ(Value("i"), "20000");
}

TEST_F(RobustnessTest, LongNamesAndNumbers) {
  const std::string name(5000, 'v');
  Declare("int " + name + " = 3;");
  EXPECT_EQ(Eval(name + " + 1;"), "4.000000000000000000");
  EXPECT_EQ(Eval(std::string(5000, '0') + "7 + 1;"), "8.000000000000000000");
  EXPECT_EQ(Eval("." + std::string(5000, '0') + "1 + 1;"), "1.000000000000000000");
}

TEST_F(RobustnessTest, ControlCharactersAndBrokenText) {
  Declare("int x;");
  EXPECT_EQ(Run(std::string("x = 1;\0x", 8)), 0);
  EXPECT_EQ(Run("x = \xC3;"), 0);
  EXPECT_EQ(LastMessage(),
            "Wyrażenie zawiera znaki nie pasujące do żadnych operatorów obliczeniowych!\xEF\xBF\xBD"
            " : Nieprawidłowy znak!");
  EXPECT_EQ(Run("x = 'ą' + 1;"), 1);
}

// Random lines of the language's pieces, run in every kind of block and in both modes, must
// end with 0 or 1 and nothing else.
TEST_F(RobustnessTest, RandomLinesNeverBreakTheInterpreter) {
  Declare("int i = 3; double d = 2; char c[4]; long t[3] = {1, 2, 3};");
  const std::vector<std::string> pieces = {
      "i",  "d",    "c",     "t",    "[",   "]",      "(",     ")",          "{",  "}",
      ";",  ",",    "=",     "==",   "!=",  "<",      "<=",    ">>",         "<<", "+",
      "-",  "*",    "/",     "%",    "!",   "~",      "&&",    "||",         "&",  "|",
      "^",  "0",    "1",     "7",    "2.5", ".5",     "1.2.3", "'a'",        "'",  "\"s\\n\"",
      "\"", "sqrt", "write", "read", "int", "double", "void",  "string",     "x",  "$",
      "ą",  "//",   "/",     " ",    "\t",  "\\",     "0-",    "99999999999"};
  std::mt19937 random(7);
  const TNewShapeType shapes[] = {nstCalc, nstInOut, nstChoice};
  for (int n = 0; n < 20000; ++n) {
    std::string line;
    const int length = static_cast<int>(random() % 12);
    for (int k = 0; k < length; ++k) line += pieces[random() % pieces.size()];
    if (random() % 2) line += ";";
    UseBlock(shapes[random() % 3]);
    host.entries = {"i + 1", "t[5]", "read(i)"};
    const int result = Run(line, random() % 2 ? TEvalMode::Execute : TEvalMode::Check);
    ASSERT_TRUE(result == 0 || result == 1) << line;
  }
}

}  // namespace
}  // namespace zuvar::test
