#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "interpreter/Interpreter.h"
#include "interpreter/LanguageTables.h"
#include "interpreter/Tokenizer.h"
#include "tests/support/RecordingHost.h"

namespace zuvar::test {
namespace {

struct Tok {
  std::string text;
  int kind;
  int next;
  bool operator==(const Tok&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Tok& t) {
  return os << "{" << t.text << "," << t.kind << "," << t.next << "}";
}

class TokenizerTest : public ::testing::Test {
 protected:
  // Every token of the line until the tokenizer gives -1.
  std::vector<Tok> All(const std::string& line) {
    std::vector<Tok> tokens;
    int position = 1;
    while (position != -1) {
      position = Tokenizer::NextToken(in, line, position);
      tokens.push_back({in.Token, in.TokenKind, position});
    }
    return tokens;
  }

  Tok First(const std::string& line) {
    const int next = Tokenizer::NextToken(in, line, 1);
    return {in.Token, in.TokenKind, next};
  }

  TRecordingHost host;
  TInterpreter in{host};
};

TEST(LanguageTablesTest, OperatorRowsAreNumberedInPriorityOrder) {
  ASSERT_EQ(Operators.size(), 31u);
  for (std::size_t i = 0; i < Operators.size(); ++i) {
    EXPECT_EQ(Operators[i].Code, int(i + 1));
    EXPECT_EQ(OperatorCodeOf(Operators[i].Text), Operators[i].Code) << Operators[i].Text;
  }
  EXPECT_EQ(OperatorCodeOf("="), 9);
  EXPECT_EQ(OperatorCodeOf("!="), 15);
  EXPECT_EQ(OperatorCodeOf("=="), 16);
  EXPECT_EQ(OperatorCodeOf("<="), 20);
  EXPECT_EQ(OperatorCodeOf("<<"), 22);
  EXPECT_EQ(OperatorCodeOf("%"), 27);
  EXPECT_EQ(OperatorCodeOf("0-"), 30);
  EXPECT_EQ(OperatorCodeOf("0+"), 31);
  EXPECT_EQ(OperatorCodeOf("=>"), -1);
  EXPECT_EQ(Operators[27].Arity, 1);
  EXPECT_EQ(Operators[8].Arity, 2);
  EXPECT_EQ(Operators[0].Arity, 0);
}

TEST(LanguageTablesTest, TypeNamesAndCodes) {
  EXPECT_EQ(TypeCodeOf("char"), 1);
  EXPECT_EQ(TypeCodeOf("int"), 2);
  EXPECT_EQ(TypeCodeOf("long"), 3);
  EXPECT_EQ(TypeCodeOf("double"), 4);
  EXPECT_EQ(TypeCodeOf("string"), 11);
  EXPECT_EQ(TypeCodeOf("void"), 9);
  EXPECT_TRUE(IsTypeName("int"));
  EXPECT_FALSE(IsTypeName("Int"));
  EXPECT_FALSE(IsTypeName("intx"));
}

TEST_F(TokenizerTest, BlankLinesEndAtOnce) {
  EXPECT_EQ(All(""), (std::vector<Tok>{{"", tkInvalid, -1}}));
  EXPECT_EQ(All(" \t  "), (std::vector<Tok>{{"", tkInvalid, -1}}));
  EXPECT_EQ(in.TokenMessage, "Token poprawny :-)");
}

TEST_F(TokenizerTest, SimpleAssignment) {
  const auto tokens = All("x=1;");
  ASSERT_EQ(tokens.size(), 5u);
  EXPECT_EQ(tokens[0], (Tok{"x", tkIdentifier, 2}));
  EXPECT_EQ(tokens[1], (Tok{"=", tkOperator, 3}));
  EXPECT_EQ(tokens[2], (Tok{"1", tkIntConst, 4}));
  EXPECT_EQ(tokens[3], (Tok{";", tkOperator, 5}));
  EXPECT_EQ(tokens[4], (Tok{";", tkInvalid, -1}));  // past the end: Token stays
}

TEST_F(TokenizerTest, OperatorCodesOfTokens) {
  Tokenizer::NextToken(in, "a<=b", 2);
  EXPECT_EQ(in.Token, "<=");
  EXPECT_EQ(in.OperatorCode, 20);
  const auto tokens = All("a<-b;");
  EXPECT_EQ(tokens[1].text, "<");
  EXPECT_EQ(tokens[2].text, "-");
  Tokenizer::NextToken(in, "x = 1;", 1);
  EXPECT_EQ(in.OperatorCode, -1);  // lookups made for a word find nothing
  Tokenizer::NextToken(in, "=", 1);
  EXPECT_EQ(in.OperatorCode, 9);
}

TEST_F(TokenizerTest, IsOperatorAndUnaryForms) {
  in.OperatorCode = 42;
  EXPECT_FALSE(Tokenizer::IsOperator(in, "0-", false));
  EXPECT_EQ(in.OperatorCode, 42);
  EXPECT_TRUE(Tokenizer::IsOperator(in, "0-", true));
  EXPECT_EQ(in.OperatorCode, 30);
  EXPECT_FALSE(Tokenizer::IsOperator(in, "abc", true));
  EXPECT_EQ(in.OperatorCode, -1);
}

TEST_F(TokenizerTest, Numbers) {
  EXPECT_EQ(First("3.14;"), (Tok{"3.14", tkDoubleConst, 5}));
  EXPECT_EQ(First(".5;"), (Tok{".5", tkDoubleConst, 3}));
  EXPECT_EQ(First("12+"), (Tok{"12", tkIntConst, 3}));
  EXPECT_EQ(First(".5.3;"), (Tok{".5", tkDoubleConst, 3}));
  const Tok dots = First("1.2.3;");
  EXPECT_EQ(dots.kind, tkInvalid);
  EXPECT_EQ(dots.next, -1);
  EXPECT_EQ(in.TokenMessage, "Błąd zapisu stałej 'double' - za dużo kropek!");
  EXPECT_EQ(First("42"), (Tok{"42", tkIntConst, -1}));
  EXPECT_EQ(in.TokenMessage, "Brak operatora końca instrukcji: \";\" !");
  EXPECT_EQ(First("4.2"), (Tok{"4.2", tkDoubleConst, -1}));
}

TEST_F(TokenizerTest, WordsAreClassified) {
  EXPECT_EQ(First("int ").kind, tkTypeName);
  EXPECT_EQ(First("intx ").kind, tkIdentifier);
  EXPECT_EQ(First("sqrt(").kind, tkFunction);
  EXPECT_EQ(First("Sqrt(").kind, tkIdentifier);
  EXPECT_EQ(First("_a1_b;"), (Tok{"_a1_b", tkIdentifier, 6}));
  EXPECT_EQ(First("x"), (Tok{"x", tkIdentifier, -1}));
  EXPECT_EQ(in.TokenMessage, "Brak operatora końca instrukcji: \";\" !");
}

TEST_F(TokenizerTest, FunctionNamesComeFromTheTable) {
  in.BuiltinFunctions.clear();
  EXPECT_EQ(First("sqrt(").kind, tkIdentifier);
}

TEST_F(TokenizerTest, SlashesAndComments) {
  const auto division = All("a / b;");
  EXPECT_EQ(division[1], (Tok{"/", tkOperator, 4}));
  const auto comment = All("a // remark; x");
  ASSERT_EQ(comment.size(), 2u);
  EXPECT_EQ(comment[1], (Tok{"// remark; x", tkComment, -1}));
  const auto lonely = All("a /");
  EXPECT_EQ(lonely.back().kind, tkInvalid);
  EXPECT_EQ(lonely.back().next, -1);
  EXPECT_EQ(in.TokenMessage,
            "No, no.... ? Samotny operator na końcu lini? Nieźle, całkiem nieźle :-P");
}

TEST_F(TokenizerTest, StringConstants) {
  EXPECT_EQ(First("\"a\\\"b\";"), (Tok{"a\\\"b", tkStringConst, 7}));
  EXPECT_EQ(First("\"zażółć\";"), (Tok{"zażółć", tkStringConst, 13}));
  EXPECT_EQ(First("\"\";"), (Tok{"", tkStringConst, 3}));
  for (const char* open : {"\"abc", "\"abc\\", "\"ab\\\""}) {
    const Tok t = First(open);
    EXPECT_EQ(t.kind, tkInvalid) << open;
    EXPECT_EQ(t.next, -1) << open;
    EXPECT_EQ(in.TokenMessage, "O nie kolego! Ja za Ciebie nie będę kończył łańcuchów znakowych!");
  }
}

TEST_F(TokenizerTest, CharacterConstants) {
  EXPECT_EQ(First("'A';"), (Tok{"A", tkCharConst, 4}));
  EXPECT_EQ(First("''';"), (Tok{"'", tkCharConst, 4}));
  EXPECT_EQ(First("'ą';"), (Tok{"ą", tkCharConst, 5}));  // one character of two bytes
  First("'");
  EXPECT_EQ(in.TokenMessage, "Zwiastun jest a kodu brak >:-(");
  EXPECT_EQ(First("'A").kind, tkInvalid);
  EXPECT_EQ(in.TokenMessage, "Ty otworzyłeś - Ty zamykasz!");
  EXPECT_EQ(First("'AB';").next, -1);
  EXPECT_EQ(in.TokenMessage, "Kod ASCII może być reprezentowany tylko przez jeden znak!");
}

TEST_F(TokenizerTest, InvalidCharactersAreSkippable) {
  EXPECT_EQ(First("$x;"), (Tok{"$", tkInvalid, 2}));
  EXPECT_EQ(in.TokenMessage, "Nieprawidłowy znak!");
  EXPECT_EQ(First("ąx;"), (Tok{"ą", tkInvalid, 3}));  // a Polish letter is one character
  EXPECT_EQ(First("\xff;").text, "\xEF\xBF\xBD");     // broken UTF-8 is one replacement
  EXPECT_EQ(First("\xff;").next, 2);
}

TEST_F(TokenizerTest, PastTheEndKeepsTheToken) {
  Tokenizer::NextToken(in, "abc;", 1);
  EXPECT_EQ(Tokenizer::NextToken(in, "abc;", 9), -1);
  EXPECT_EQ(in.Token, "abc");
  EXPECT_EQ(in.TokenKind, tkInvalid);
  EXPECT_EQ(in.TokenMessage, "Token poprawny :-)");
  EXPECT_EQ(Tokenizer::NextToken(in, "abc;", -1), -1);
  EXPECT_EQ(in.Token, "abc");
}

}  // namespace
}  // namespace zuvar::test
