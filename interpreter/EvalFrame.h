#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "interpreter/Interpreter.h"
#include "interpreter/LanguageTables.h"
#include "interpreter/Tokenizer.h"

namespace zuvar {

struct TBuiltinRow;

// One item of the operator stack or the postfix queue. The text is a view into the expression
// text or into static storage; the variable it names, if any, was looked up once when the
// token was read.
struct TQueueItem {
  std::string_view text;
  TInterpreter::variables* var = nullptr;
  int8_t code = opNone;   // the operator table code of the text
  bool function = false;  // the name of a built-in function
  bool constant = false;  // a constant's text: never carried out as an operator
  // The built-in function's row, looked up once when its name was read; null for anything
  // else (and for a function name the table does not know).
  const TBuiltinRow* builtin = nullptr;

  bool IsOpenParen() const { return code == opParenOpen && !constant; }
  bool IsArrayName() const { return var != nullptr && var->Count > 0; }
};

// One text of the operand stack: either a view (a token, a variable name) or a text of its own
// (an intermediate result). Slots are reused so that their buffers keep their capacity.
struct TOperand {
  std::string_view ext;
  std::string own;
  bool owned = false;
  // An intermediate result also keeps its numeric value and type, exactly as they would be
  // read from its text, so that the next operator need not read the text again.
  bool hasNumber = false;
  uint8_t type = 0;
  double number = 0;
  TInterpreter::variables* var = nullptr;

  std::string_view Text() const { return owned ? std::string_view(own) : ext; }
};

// A token read while a statement's end was searched, with the tokenizer's result after it.
struct TScannedToken {
  TTokenState state;
  int after = -1;
};

// Tokens already read from the text of an evaluation: positions in them are offset by the
// 0-based start of the evaluation's text within the text they were read from.
struct TPrescan {
  const std::vector<TScannedToken>* tokens = nullptr;
  int offset = 0;
};

// The stacks, queue and texts of one evaluation. The context keeps one frame per nesting depth
// and reuses it, so that a run does not allocate per statement.
struct TEvalFrame {
  std::vector<TQueueItem> operators;
  std::vector<TQueueItem> queue;
  std::vector<TOperand> operands;
  std::size_t operandCount = 0;
  std::vector<TInterpreter::variables*> arrayChain;
  std::string errorText;
  std::string errorCaption;
  std::string result;
  std::string scratch;
  // The tokens of the statement being interpreted at this depth (kept by Reset).
  std::vector<TScannedToken> statementTokens;
  std::string statementResult;

  void Reset() {
    operators.clear();
    queue.clear();
    operandCount = 0;
    arrayChain.clear();
    errorText.clear();
  }
};

}  // namespace zuvar
