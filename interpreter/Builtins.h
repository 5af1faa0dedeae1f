#pragma once

#include <span>
#include <string_view>

namespace zuvar {

class TInterpreter;
class TEvaluation;
struct TBuiltinRow;

// Carries out one built-in function: takes its argument from the operand stack and pushes one
// result text, or fails (the evaluation reports it).
using TBuiltinHandler = bool (*)(TEvaluation& evaluation, const TBuiltinRow& row);

// One built-in function of the block language.
struct TBuiltinRow {
  std::string_view Name;
  // Allowed only in input/output blocks; these are also the only functions such a block may
  // begin a statement with.
  bool InOutOnly;
  // A string constant may stand between the function's parentheses.
  bool TakesString;
  TBuiltinHandler Handler;
  // The math library function a math function applies; null for the others.
  double (*Math)(double);
};

// The built-in functions: one table of the twelve functions (ten math functions, `write` and
// `read`) with the steps that carry them out. Everything that treats a function differently by
// its name asks the table.
namespace Builtins {

// The rows in their fixed order: "read", "write", then the math functions.
std::span<const TBuiltinRow> Rows();

// The row of the function with exactly this name (case-sensitive), or null.
const TBuiltinRow* Find(std::string_view name);

// Fills the context's list of built-in function names from the table, in its order.
void FillBuiltinFunctions(TInterpreter& interpreter);

// Carries out a function taken from the postfix queue. A function the table does not know
// (row null) fails without a text of its own.
bool CallBuiltin(TEvaluation& evaluation, const TBuiltinRow* row);

// Appends a text with escape sequences to the output lines: "\a" beeps, "\n" starts a new
// line, a backslash before any other character writes that character. With write false the
// text is only scanned. False when the text ends with a lone backslash.
bool WriteText(TInterpreter& interpreter, std::string_view text, bool write);

// How deeply the entry of a `read` may itself call `read`.
inline constexpr int kMaxReadNesting = 16;

}  // namespace Builtins

}  // namespace zuvar
