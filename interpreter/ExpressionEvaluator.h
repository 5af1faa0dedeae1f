#pragma once

#include <string>
#include <string_view>

#include "interpreter/Interpreter.h"

namespace zuvar {

struct TPrescan;

// Evaluates one expression of the block language.
namespace ExpressionEvaluator {

// Evaluates the expression that starts at the first character of text, in execute or check
// mode. Returns the value text, or the empty text after a failure, which has then been shown
// (message box, log line, log page scroll). On return position is -1 when the tokenizer's
// last result was -1, else position + that result - 1. Sets CurrentBlock's ConditionResult
// after a success.
std::string Evaluate(TInterpreter& interpreter, std::string_view text, int& position,
                     TEvalMode mode);

// As Evaluate, without allocating a result: true and the value in result on success.
// prescan, when given, holds the tokens of text already read by the caller.
bool EvaluateInto(TInterpreter& interpreter, std::string_view text, int& position, TEvalMode mode,
                  std::string& result, const TPrescan* prescan = nullptr);

}  // namespace ExpressionEvaluator

inline std::string EvaluateExpression(TInterpreter& interpreter, std::string_view text,
                                      int& position, TEvalMode mode) {
  return ExpressionEvaluator::Evaluate(interpreter, text, position, mode);
}

}  // namespace zuvar
