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

struct TOperatorRow {
  std::string_view Text;
  uint8_t Arity;  // 0 punctuation, 1 unary, 2 binary
  int8_t Code;    // the row number, 1..31
};

// Operators and punctuation, searched in this order. The order of the rows is binding: a row's
// code is its number, and the expression evaluator uses the code as the operator's priority
// (a higher code binds more tightly). Never reorder, insert or remove a row.
// "0-" and "0+" are the unary minus and plus: the evaluator gives a sign in operand position
// these texts; they never come from source text, where "0" starts a number.
inline constexpr std::array<TOperatorRow, 31> Operators{{
    {"[", 0, 1},   {"]", 0, 2},   {"{", 0, 3},   {"}", 0, 4},   {"(", 0, 5},   {")", 0, 6},
    {";", 0, 7},   {",", 0, 8},   {"=", 2, 9},   {"||", 2, 10}, {"&&", 2, 11}, {"|", 2, 12},
    {"^", 2, 13},  {"&", 2, 14},  {"!=", 2, 15}, {"==", 2, 16}, {">", 2, 17},  {">=", 2, 18},
    {"<", 2, 19},  {"<=", 2, 20}, {">>", 2, 21}, {"<<", 2, 22}, {"+", 2, 23},  {"-", 2, 24},
    {"*", 2, 25},  {"/", 2, 26},  {"%", 2, 27},  {"!", 1, 28},  {"~", 1, 29},  {"0-", 1, 30},
    {"0+", 1, 31},
}};

// Codes of the rows the interpreter refers to by name.
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

namespace tables_detail {

// Finds a one-character operator without walking the table.
inline int SingleCharCode(char c) {
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
inline int PairCode(char first, char second) {
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

// The code of the operator table row whose text equals text (unary forms included), or -1.
// (The switches hold the same rows as Operators; a test keeps them in step.)
inline int OperatorCodeOf(std::string_view text) {
  if (text.size() == 1) return tables_detail::SingleCharCode(text[0]);
  if (text.size() == 2) return tables_detail::PairCode(text[0], text[1]);
  return opNone;
}

// The text of the operator table row with the given code (1..31).
inline std::string_view OperatorText(int code) { return Operators[code - 1].Text; }

// True if text equals one of the six type names (exact, case-sensitive).
bool IsTypeName(std::string_view text);

// The type code of a type name, or 0 when text is none.
uint8_t TypeCodeOf(std::string_view text);

}  // namespace zuvar
