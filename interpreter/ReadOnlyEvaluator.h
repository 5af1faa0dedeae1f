#pragma once

#include <string>
#include <string_view>

#include "interpreter/Interpreter.h"

namespace zuvar {

// What a read-only evaluation gave: the value text, or why there is none.
struct TReadOnlyResult {
  bool Ok = false;
  // The value text after a success.
  std::string Value;
  // After a failure: the evaluator's caption and message.
  std::string Error;

  // A success whose value is a number other than zero.
  bool IsTrue() const;
};

// Evaluates an expression of the block language on a run without disturbing it: no variable
// changes, no `read` or `write`, no message box or log line, and the context's token and the
// current block's ConditionResult are as they were. Used for the conditions of breakpoints.
namespace ReadOnlyEvaluator {

// The expression may end with ";" or not; anything after its ";" is an error.
TReadOnlyResult Evaluate(TInterpreter& interpreter, std::string_view expression);

// The truth of a value text: a number other than zero. False, with the reason in error, when
// the text is no number.
bool Truth(std::string_view value, bool& truth, std::string& error);

}  // namespace ReadOnlyEvaluator

}  // namespace zuvar
