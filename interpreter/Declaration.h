#pragma once

#include <string_view>

#include "interpreter/Interpreter.h"

namespace zuvar {

// The declaration statement: a type name, a variable name, and either nothing, an initial
// value, or an array size with an optional list or string initialiser, up to its ";".
namespace Declaration {

// Declares the variable of the statement (which begins with a type name and ends with its
// ";"). Initialisers are evaluated in the given mode. Returns true on success; every failure
// has been reported and leaves the variable list as it was.
bool Run(TInterpreter& interpreter, std::string_view statement, TEvalMode mode);

}  // namespace Declaration

}  // namespace zuvar
