#include "LanguageTables.h"

namespace zuvar {

namespace {

// Finds a one-character operator without walking the table.
int SingleCharCode(char c) {
  switch (c) {
    case '[': return opIndexOpen;
    case ']': return opIndexClose;
    case '{': return opBraceOpen;
    case '}': return opBraceClose;
    case '(': return opParenOpen;
    case ')': return opParenClose;
    case ';': return opSemicolon;
    case ',': return opComma;
    case '=': return opAssign;
    case '|': return opBitOr;
    case '^': return opBitXor;
    case '&': return opBitAnd;
    case '>': return opGreater;
    case '<': return opLess;
    case '+': return opPlus;
    case '-': return opMinus;
    case '*': return opMultiply;
    case '/': return opDivide;
    case '%': return opModulo;
    case '!': return opNot;
    case '~': return opComplement;
    default: return opNone;
  }
}

// The two-character rows, found without walking the table.
int PairCode(char first, char second) {
  switch (first) {
    case '|': return second == '|' ? opOr : opNone;
    case '&': return second == '&' ? opAnd : opNone;
    case '!': return second == '=' ? opNotEqual : opNone;
    case '=': return second == '=' ? opEqual : opNone;
    case '>': return second == '=' ? opGreaterEqual : second == '>' ? opShiftRight : opNone;
    case '<': return second == '=' ? opLessEqual : second == '<' ? opShiftLeft : opNone;
    case '0': return second == '-' ? opNegate : second == '+' ? opUnaryPlus : opNone;
    default: return opNone;
  }
}

}  // namespace

int OperatorCodeOf(std::string_view text) {
  if (text.size() == 1) return SingleCharCode(text[0]);
  if (text.size() == 2) return PairCode(text[0], text[1]);
  return opNone;
}

bool IsTypeName(std::string_view text) { return TypeCodeOf(text) != 0; }

uint8_t TypeCodeOf(std::string_view text) {
  if (text.size() < 3 || text.size() > 6) return 0;
  for (const TTypeNameRow& row : TypeNames) {
    if (row.Name == text) return row.Type;
  }
  return 0;
}

}  // namespace zuvar
