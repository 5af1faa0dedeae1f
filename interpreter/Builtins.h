#pragma once

#include <string_view>

namespace zuvar {

class TInterpreter;
class TEvaluation;

// The built-in functions: ten math functions, `write` and `read`.
class Builtins {
 public:
  // Fills the table of built-in function names, in its fixed order.
  static void FillBuiltinFunctions(TInterpreter& interpreter);

  // Carries out the function name taken from the postfix queue: takes its argument from the
  // operand stack and pushes one result text, or fails (the evaluation reports it).
  static bool CallBuiltin(TEvaluation& evaluation, std::string_view name);

  // Appends a text with escape sequences to the output lines: "\a" beeps, "\n" starts a new
  // line, a backslash before any other character writes that character. With write false the
  // text is only scanned. False when the text ends with a lone backslash.
  static bool WriteText(TInterpreter& interpreter, std::string_view text, bool write);

  // How deeply the entry of a `read` may itself call `read`.
  static constexpr int kMaxReadNesting = 16;
};

}  // namespace zuvar
