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

}  // namespace

int OperatorCodeOf(std::string_view text) {
  if (text.size() == 1) return SingleCharCode(text[0]);
  if (text.size() != 2) return opNone;
  for (const TOperatorRow& row : Operators) {
    if (row.Text == text) return row.Code;
  }
  return opNone;
}

bool IsTypeName(std::string_view text) { return TypeCodeOf(text) != 0; }

uint8_t TypeCodeOf(std::string_view text) {
  for (const TTypeNameRow& row : TypeNames) {
    if (row.Name == text) return row.Type;
  }
  return 0;
}

}  // namespace zuvar
