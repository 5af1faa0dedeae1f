#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace zuvar {

// Kinds of tokens. The numbers are fixed: statements dispatch on them, and the kinds of number
// constants share their numbers with the type codes (2 int, 4 double).
enum TTokenKind : uint8_t {
  tkTypeName = 0,
  tkIntConst = 2,
  tkDoubleConst = 4,
  tkOperator = 5,
  tkIdentifier = 6,
  tkFunction = 7,
  tkInvalid = 8,
  tkCharConst = 10,
  tkStringConst = 11,
  tkComment = 12
};

// Type codes of variables and values.
enum TVarType : uint8_t {
  vtChar = 1,
  vtInt = 2,
  vtLong = 3,
  vtDouble = 4,
  vtVoid = 9,
  vtString = 11
};

struct TTypeNameRow {
  std::string_view Name;
  uint8_t Type;
};

// The six type names of the language.
inline constexpr std::array<TTypeNameRow, 6> TypeNames{{
    {"char", vtChar},
    {"int", vtInt},
    {"long", vtLong},
    {"double", vtDouble},
    {"string", vtString},
    {"void", vtVoid},
}};

// The codes of the operator table's rows: each code is its row's number in Operators (below),
// and the evaluator uses it as the operator's priority. Keep this list and Operators in the
// same order; the checks after the table refuse to compile otherwise.
enum TOperatorCode : int8_t {
  opNone = -1,
  opIndexOpen = 1,
  opIndexClose = 2,
  opBraceOpen = 3,
  opBraceClose = 4,
  opParenOpen = 5,
  opParenClose = 6,
  opSemicolon = 7,
  opComma = 8,
  opAssign = 9,
  opOr = 10,
  opAnd = 11,
  opBitOr = 12,
  opBitXor = 13,
  opBitAnd = 14,
  opNotEqual = 15,
  opEqual = 16,
  opGreater = 17,
  opGreaterEqual = 18,
  opLess = 19,
  opLessEqual = 20,
  opShiftRight = 21,
  opShiftLeft = 22,
  opPlus = 23,
  opMinus = 24,
  opMultiply = 25,
  opDivide = 26,
  opModulo = 27,
  opNot = 28,
  opComplement = 29,
  opNegate = 30,
  opUnaryPlus = 31
};

struct TOperatorRow {
  std::string_view Text;
  uint8_t Arity;       // 0 punctuation, 1 unary, 2 binary
  TOperatorCode Code;  // the row number, 1..31
};

// Operators and punctuation, searched in this order. The order of the rows is binding: a row's
// code is its number, and the expression evaluator uses the code as the operator's priority
// (a higher code binds more tightly). Never reorder, insert or remove a row.
// "0-" and "0+" are the unary minus and plus: the evaluator gives a sign in operand position
// these texts; they never come from source text, where "0" starts a number.
// clang-format off
inline constexpr std::array<TOperatorRow, 31> Operators{{
    {"[", 0, opIndexOpen},
    {"]", 0, opIndexClose},
    {"{", 0, opBraceOpen},
    {"}", 0, opBraceClose},
    {"(", 0, opParenOpen},
    {")", 0, opParenClose},
    {";", 0, opSemicolon},
    {",", 0, opComma},
    {"=", 2, opAssign},
    {"||", 2, opOr},
    {"&&", 2, opAnd},
    {"|", 2, opBitOr},
    {"^", 2, opBitXor},
    {"&", 2, opBitAnd},
    {"!=", 2, opNotEqual},
    {"==", 2, opEqual},
    {">", 2, opGreater},
    {">=", 2, opGreaterEqual},
    {"<", 2, opLess},
    {"<=", 2, opLessEqual},
    {">>", 2, opShiftRight},
    {"<<", 2, opShiftLeft},
    {"+", 2, opPlus},
    {"-", 2, opMinus},
    {"*", 2, opMultiply},
    {"/", 2, opDivide},
    {"%", 2, opModulo},
    {"!", 1, opNot},
    {"~", 1, opComplement},
    {"0-", 1, opNegate},
    {"0+", 1, opUnaryPlus},
}};
// clang-format on

namespace tables_detail {

// Finds a one-character operator without walking the table.
constexpr int SingleCharCode(char c) {
  switch (c) {
    case '[':
      return opIndexOpen;
    case ']':
      return opIndexClose;
    case '{':
      return opBraceOpen;
    case '}':
      return opBraceClose;
    case '(':
      return opParenOpen;
    case ')':
      return opParenClose;
    case ';':
      return opSemicolon;
    case ',':
      return opComma;
    case '=':
      return opAssign;
    case '|':
      return opBitOr;
    case '^':
      return opBitXor;
    case '&':
      return opBitAnd;
    case '>':
      return opGreater;
    case '<':
      return opLess;
    case '+':
      return opPlus;
    case '-':
      return opMinus;
    case '*':
      return opMultiply;
    case '/':
      return opDivide;
    case '%':
      return opModulo;
    case '!':
      return opNot;
    case '~':
      return opComplement;
    default:
      return opNone;
  }
}

// The two-character rows, found without walking the table.
constexpr int PairCode(char first, char second) {
  switch (first) {
    case '|':
      return second == '|' ? opOr : opNone;
    case '&':
      return second == '&' ? opAnd : opNone;
    case '!':
      return second == '=' ? opNotEqual : opNone;
    case '=':
      return second == '=' ? opEqual : opNone;
    case '>':
      return second == '=' ? opGreaterEqual : second == '>' ? opShiftRight : opNone;
    case '<':
      return second == '=' ? opLessEqual : second == '<' ? opShiftLeft : opNone;
    case '0':
      return second == '-' ? opNegate : second == '+' ? opUnaryPlus : opNone;
    default:
      return opNone;
  }
}

}  // namespace tables_detail

// The code of the operator table row whose text equals text (unary forms included), or opNone.
// (The switches hold the same rows as Operators; the checks below keep them in step.)
constexpr int OperatorCodeOf(std::string_view text) {
  if (text.size() == 1) return tables_detail::SingleCharCode(text[0]);
  if (text.size() == 2) return tables_detail::PairCode(text[0], text[1]);
  return opNone;
}

// The text of the operator table row with the given code (1..31).
constexpr std::string_view OperatorText(int code) { return Operators[code - 1].Text; }

namespace tables_detail {

// Every row's code is its number, so the order of Operators is the order of TOperatorCode.
constexpr bool CodesArePositions() {
  for (std::size_t i = 0; i < Operators.size(); ++i) {
    if (Operators[i].Code != static_cast<int>(i) + 1) return false;
  }
  return true;
}

// The switches of OperatorCodeOf find every row of Operators under its own code, and only
// texts of one or two characters are rows.
constexpr bool LookupsMatchRows() {
  for (const TOperatorRow& row : Operators) {
    if (row.Text.empty() || row.Text.size() > 2) return false;
    if (OperatorCodeOf(row.Text) != row.Code) return false;
  }
  return true;
}

// The code found for a text names the row that holds that very text.
constexpr bool FoundRowHolds(int code, std::string_view text) {
  if (code == opNone) return true;
  if (code < 1 || code > static_cast<int>(Operators.size())) return false;
  return Operators[static_cast<std::size_t>(code - 1)].Text == text;
}

// The switches know no text that is not a row: every printable character and pair of them
// is either no operator or the row whose text it is.
constexpr bool LookupsHoldOnlyRows() {
  for (char first = ' '; first <= '~'; ++first) {
    const char one[1] = {first};
    if (!FoundRowHolds(SingleCharCode(first), std::string_view(one, 1))) return false;
    for (char second = ' '; second <= '~'; ++second) {
      const char two[2] = {first, second};
      if (!FoundRowHolds(PairCode(first, second), std::string_view(two, 2))) return false;
    }
  }
  return true;
}

}  // namespace tables_detail

static_assert(Operators.size() == opUnaryPlus, "one row per operator code");
static_assert(tables_detail::CodesArePositions(), "Operators must be in the order of its codes");
static_assert(tables_detail::LookupsMatchRows(), "OperatorCodeOf must know every row of Operators");
static_assert(tables_detail::LookupsHoldOnlyRows(), "OperatorCodeOf must know only Operators");

// True if text equals one of the six type names (exact, case-sensitive).
bool IsTypeName(std::string_view text);

// The type code of a type name, or 0 when text is none.
uint8_t TypeCodeOf(std::string_view text);

}  // namespace zuvar
