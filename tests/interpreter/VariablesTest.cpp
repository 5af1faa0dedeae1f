#include "interpreter/VariablesGrid.h"
#include "tests/interpreter/InterpreterFixture.h"

namespace zuvar::test {
namespace {

class VariablesTest : public InterpreterFixture {
 protected:
  // Runs a declaration that must fail and returns its one message.
  std::string Refused(const std::string& line) {
    const std::size_t before = host.messages.size();
    EXPECT_EQ(Run(line), 0) << line;
    EXPECT_EQ(host.messages.size(), before + 1) << line;
    return LastMessage();
  }
};

class CountingListener : public TVariablesListener {
 public:
  void OnVariablesChanged() override { ++calls; }
  int calls = 0;
};

TEST_F(VariablesTest, ListKeepsDeclarationOrderWithIndex) {
  Declare("int a; double b; char c;");
  ASSERT_NE(in.Variables, nullptr);
  EXPECT_EQ(in.Variables->Name, "a");
  EXPECT_EQ(in.Variables->Next->Name, "b");
  EXPECT_EQ(in.Variables->Next->Next->Name, "c");
  EXPECT_EQ(in.Variables->Next->Next->Prev->Name, "b");
  EXPECT_EQ(in.LastVariable()->Name, "c");
  EXPECT_TRUE(in.VariableExists("b"));
  EXPECT_FALSE(in.VariableExists("B"));
  EXPECT_EQ(in.FindVariable("c")->Type, vtChar);
  in.ClearVariables();
  EXPECT_EQ(in.Variables, nullptr);
  EXPECT_FALSE(in.VariableExists("a"));
}

TEST_F(VariablesTest, ManyVariablesAreAllFound) {
  std::string line;
  for (int i = 0; i < 3000; ++i)
    line += "int v" + std::to_string(i) + " = " + std::to_string(i) + ";";
  Declare(line);
  EXPECT_EQ(in.VariableCount(), 3000u);
  for (int i = 0; i < 3000; ++i) ASSERT_EQ(Value("v" + std::to_string(i)), std::to_string(i));
  EXPECT_FALSE(in.VariableExists("v3000"));
  EXPECT_FALSE(in.VariableExists("v"));
  EXPECT_FALSE(in.VariableExists(""));
}

TEST_F(VariablesTest, AppendedVariablesAlwaysHaveTheirTexts) {
  auto var = std::make_unique<TInterpreter::variables>();
  var->Name = "w";
  var->Type = vtInt;
  var->Count = 4;
  in.AppendVariable(std::move(var));
  EXPECT_EQ(in.FindVariable("w")->Values, (std::vector<std::string>(4, "0")));
  EXPECT_EQ(Eval("w[3] + 1;"), "1.000000000000000000");
}

TEST_F(VariablesTest, ScalarInitialisersTakeTheCanonicalText) {
  Declare("int i = 40000; char c = 200; long l = 2.9; double d = 1; int x;");
  EXPECT_EQ(Value("i"), "-25536");
  EXPECT_EQ(Value("c"), "-56");
  EXPECT_EQ(Value("l"), "2");
  EXPECT_EQ(Value("d"), "1.000000000000000000");
  EXPECT_EQ(Value("x"), "0");
  Declare("double e = 7 / 2; int f = 7 / 2; int g = i;");
  EXPECT_EQ(Value("e"), "3.500000000000000000");
  EXPECT_EQ(Value("f"), "3");
  EXPECT_EQ(Value("g"), "-25536");
}

TEST_F(VariablesTest, DeclarationMessages) {
  Declare("int x;");
  EXPECT_EQ(Refused("int x;"), "Próba zdefiniowana zmiennej o nazwie już wcześniej zdefiniowanej!");
  EXPECT_EQ(Refused("int 5;"), "Brak nazwy zmiennej!");
  EXPECT_EQ(Refused("int sqrt;"), "Brak nazwy zmiennej!");
  EXPECT_EQ(Refused("int y $;"), "Brak któregoś z dozwolonych operatorów!");
  EXPECT_EQ(Refused("int y, z;"), "Brak operatora końca instrukcji: \";\" !");
  EXPECT_EQ(Refused("string s;"), "W chwili obecenj nie możesz definiować zmiennych typu string!");
  EXPECT_EQ(Refused("void v;"), "Nie możesz definiować zmiennych typu void!");
  EXPECT_EQ(Refused("string s = 5;"),
            "Oczekiwano łańcucha znakowego ujetego w podwójne cudzysłowy.... :-(");
  EXPECT_EQ(Refused("string s = \"a\" 1;"), "Brak operatora końca instrukcji: \";\" !");
  EXPECT_EQ(Refused("string s = \"a\";"),
            "W chwili obecenj nie możesz definiować zmiennych typu string!");
  EXPECT_EQ(LastCaption(), "Błąd składni!");
  EXPECT_EQ(host.log.back(),
            "Błąd składni! W chwili obecenj nie możesz definiować zmiennych typu string!");
  EXPECT_FALSE(in.VariableExists("y"));
  EXPECT_FALSE(in.VariableExists("s"));
}

TEST_F(VariablesTest, InitialValueThatIsNoNumberCountsAsZero) {
  Declare("int e = ; double f = 'q';");
  EXPECT_EQ(Value("e"), "0");
  EXPECT_EQ(Value("f"), "0.000000000000000000");
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(VariablesTest, FailedInitialiserReportsOnceAndDeclaresNothing) {
  EXPECT_EQ(Run("int y = zz;"), 0);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(LastMessage(), "Niezdefiniowana zmienna: zz : Token poprawny :-)");
  EXPECT_FALSE(in.VariableExists("y"));
}

TEST_F(VariablesTest, ArraySizes) {
  Declare("int big[32767]; int a[2 + 1]; double t[3.9];");
  EXPECT_EQ(in.FindVariable("big")->Count, 32767u);
  EXPECT_EQ(in.FindVariable("a")->Count, 3u);
  EXPECT_EQ(in.FindVariable("t")->Count, 3u);
  EXPECT_EQ(Value("t", 2), "0");
  for (const char* bad :
       {"int b[0];", "int b[40000];", "int b[-5];", "int b[0.5];", "int b[1-1];"}) {
    EXPECT_EQ(Refused(bad), "Niedozwolony rozmiar tablicy!") << bad;
  }
  // A size text ends without ";": only a final name or number may end it.
  EXPECT_EQ(Refused("int b['x'];"),
            "Wyrażenie zawiera znaki nie pasujące do żadnych operatorów obliczeniowych!x : Token "
            "poprawny :-)");
  EXPECT_EQ(Refused("int b[2] 5;"), "Brak średnika na końcu definicji zmiennej tablicowej! ");
  EXPECT_FALSE(in.VariableExists("b"));
}

TEST_F(VariablesTest, ListInitialisers) {
  Declare("int a[3] = {1,,3}; double d[2] = {1/2, 2 * 2}; char c[2] = {300, -1};");
  EXPECT_EQ(Value("a", 0), "1");
  EXPECT_EQ(Value("a", 1), "0");
  EXPECT_EQ(Value("a", 2), "3");
  EXPECT_EQ(Value("d", 0), "0.500000000000000000");
  EXPECT_EQ(Value("d", 1), "4.000000000000000000");
  EXPECT_EQ(Value("c", 0), "44");
  EXPECT_EQ(Value("c", 1), "-1");
  Declare("int e[3] = {}; int f[3] = {7};");
  EXPECT_EQ(Value("f", 0), "7");
  EXPECT_EQ(Value("f", 2), "0");
}

TEST_F(VariablesTest, ListInitialiserMessages) {
  EXPECT_EQ(Refused("int a[2] = {1,2,3};"), "Dane przekraczaja podany rozmiar tablicy!");
  EXPECT_EQ(Refused("int a[2] = {1,2,};"), "Dane przekraczaja podany rozmiar tablicy!");
  EXPECT_EQ(Refused("int a[2] = (1,2);"), "Brak operatora początku tablicy danych: \"{\"!!!");
  EXPECT_EQ(Refused("int a[2] = {1;"),
            "Niepoprawna składnia pojedynczego elementu definiowanej tablicy!");
  EXPECT_EQ(Refused("int a[2] = {1} 2;"), "Brak średnika na końcu definicji zmiennej tablicowej!");
  EXPECT_EQ(Refused("void v[2] = {1};"), "Nie możesz definiować zmiennych typu void!");
  EXPECT_EQ(Refused("string s[2] = {1};"),
            "W chwili obecenj nie możesz definiować zmiennych tablicowych typu string!");
  EXPECT_EQ(Refused("string s[2];"),
            "W chwili obecenj nie możesz definiować zmiennych typu string!");
  EXPECT_FALSE(in.VariableExists("a"));
}

TEST_F(VariablesTest, BadElementIsReportedTwice) {
  EXPECT_EQ(Run("int a[2] = {1, q};"), 0);
  ASSERT_EQ(host.messages.size(), 2u);
  EXPECT_EQ(host.messages[0].text, "Niezdefiniowana zmienna: q : Token poprawny :-)");
  EXPECT_EQ(host.messages[1].text, "Błędne wyrażenie jednego z elementów definiowanej tablicy!");
  EXPECT_EQ(host.messages[1].caption, "Błąd składni!");
}

TEST_F(VariablesTest, CharArrayFromString) {
  Declare("char s[3] = \"abc\"; char p[4] = \"ąę\\n\";");
  EXPECT_EQ(Value("s", 0), "97");
  EXPECT_EQ(Value("s", 1), "98");
  EXPECT_EQ(Value("s", 2), "99");
  EXPECT_EQ(Value("p", 0), "-71");  // "ą" is byte 0xB9 of Windows-1250
  EXPECT_EQ(Value("p", 1), "-22");  // "ę" is 0xEA
  EXPECT_EQ(Value("p", 2), "92");   // the backslash stays untranslated
  EXPECT_EQ(Value("p", 3), "110");
  Declare("char q[2] = \"€\";");  // 0x80
  EXPECT_EQ(Value("q", 0), "-128");
  Declare("char u[1] = \"日\";");  // not in the code page
  EXPECT_EQ(Value("u", 0), "63");
  EXPECT_EQ(Refused("char t[2] = \"abc\";"),
            "Łańcuch znakowy jest zbyt długi do umieszczenia go w definiowanej tablicy!!!");
  EXPECT_EQ(Refused("int n[3] = \"abc\";"), "Brak operatora początku tablicy danych: \"{\"!!!");
}

TEST_F(VariablesTest, ShowVariablesOnlyNotifies) {
  CountingListener listener;
  in.VariablesListener = &listener;
  Declare("int a; int b;");
  EXPECT_EQ(listener.calls, 2);
  Run("a = 1;");
  EXPECT_EQ(listener.calls, 3);
  Run("a = zz;");
  EXPECT_EQ(listener.calls, 3);
}

TEST_F(VariablesTest, GridRowsInBothForms) {
  EXPECT_EQ(VariablesGrid::Rows(in), (std::vector<TGridRow>{{"Nazwa zmiennej", "Wartość"}, {}}));
  Declare("int a[2]; double x = 2.5;");
  EXPECT_EQ(VariablesGrid::Rows(in, true), (std::vector<TGridRow>{{"Nazwa zmiennej", "Wartość"},
                                                                  {"a[0]", "0"},
                                                                  {"a[1]", "0"},
                                                                  {"x", "2.500000000000000000"}}));
  in.ShowArrayIndexesSeparately = false;
  EXPECT_EQ(VariablesGrid::Rows(in),
            (std::vector<TGridRow>{
                {"Nazwa zmiennej", "Wartość"}, {"a", "{0, 0}"}, {"x", "2.500000000000000000"}}));
}

}  // namespace
}  // namespace zuvar::test
