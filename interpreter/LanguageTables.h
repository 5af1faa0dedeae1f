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
    {"[", 0, 1},    {"]", 0, 2},    {"{", 0, 3},   {"}", 0, 4},   {"(", 0, 5},
    {")", 0, 6},    {";", 0, 7},    {",", 0, 8},   {"=", 2, 9},   {"||", 2, 10},
    {"&&", 2, 11},  {"|", 2, 12},   {"^", 2, 13},  {"&", 2, 14},  {"!=", 2, 15},
    {"==", 2, 16},  {">", 2, 17},   {">=", 2, 18}, {"<", 2, 19},  {"<=", 2, 20},
    {">>", 2, 21},  {"<<", 2, 22},  {"+", 2, 23},  {"-", 2, 24},  {"*", 2, 25},
    {"/", 2, 26},   {"%", 2, 27},   {"!", 1, 28},  {"~", 1, 29},  {"0-", 1, 30},
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

// The code of the operator table row whose text equals text (unary forms included), or -1.
int OperatorCodeOf(std::string_view text);

// The text of the operator table row with the given code (1..31).
inline std::string_view OperatorText(int code) { return Operators[code - 1].Text; }

// True if text equals one of the six type names (exact, case-sensitive).
bool IsTypeName(std::string_view text);

// The type code of a type name, or 0 when text is none.
uint8_t TypeCodeOf(std::string_view text);

}  // namespace zuvar
