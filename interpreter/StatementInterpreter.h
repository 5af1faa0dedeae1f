#pragma once

#include "interpreter/Interpreter.h"

namespace zuvar {

// Interprets one code line of the current block: cuts it into statements at each ";", applies
// the rules of the block's type, declares variables and evaluates expressions.
namespace StatementInterpreter {

// Interprets line Line (1-based) of CurrentBlock's Code in the given mode. Returns 1 when the
// whole line was interpreted (or had nothing to interpret), 0 when a statement failed (the
// failure has been reported).
int InterpretLine(TInterpreter& interpreter, TEvalMode mode);

}  // namespace StatementInterpreter

// The simulation step's form: expressions in execute mode.
inline int ExecuteLine(TInterpreter& interpreter) {
  return StatementInterpreter::InterpretLine(interpreter, TEvalMode::Execute);
}

// The code check's form: expressions in check mode.
inline int CheckLine(TInterpreter& interpreter) {
  return StatementInterpreter::InterpretLine(interpreter, TEvalMode::Check);
}

}  // namespace zuvar
