#include "interpreter/Builtins.h"

#include <array>
#include <cmath>
#include <string>

#include "model/Cp1250.h"
#include "interpreter/Evaluation.h"
#include "interpreter/ExpressionEvaluator.h"
#include "interpreter/Interpreter.h"
#include "model/NewShape.h"
#include "interpreter/NumberText.h"
#include "model/OutputLines.h"

namespace zuvar {

namespace {

using TMathFunction = double (*)(double);

struct TMathRow {
  std::string_view name;
  TMathFunction function;
};

// The table of built-in function names, in this order; read and write come first.
constexpr std::array<std::string_view, 12> kFunctionNames = {
    "read", "write", "cos", "sqrt", "ceil", "exp", "fabs", "floor", "log", "log10", "sin", "tan"};

const std::array<TMathRow, 10> kMathFunctions = {{
    {"cos", [](double x) { return std::cos(x); }},
    {"sqrt", [](double x) { return std::sqrt(x); }},
    {"ceil", [](double x) { return std::ceil(x); }},
    {"exp", [](double x) { return std::exp(x); }},
    {"fabs", [](double x) { return std::fabs(x); }},
    {"floor", [](double x) { return std::floor(x); }},
    {"log", [](double x) { return std::log(x); }},
    {"log10", [](double x) { return std::log10(x); }},
    {"sin", [](double x) { return std::sin(x); }},
    {"tan", [](double x) { return std::tan(x); }},
}};

constexpr std::string_view kFunctionPrefix = "Funkcja \"";
constexpr std::string_view kNeedsArgument = "\"wymaga jednego argumentu!";
constexpr std::string_view kWriteNotAllowed =
    "Funkcja \"write\" może występować tylko w blokach wejscia/wyjścia! -> ";
constexpr std::string_view kReadNotAllowed =
    "Funkcja \"read\" może występować tylko w blokach wejscia/wyjścia! -> ";
constexpr std::string_view kNoArgument = "Funkcja wymaga jednego argumentu!!";
constexpr std::string_view kReadNeedsVariable =
    "Nieznana zmienna jako argument dla funkcji \"read\"!!";
constexpr std::string_view kBadEntry =
    "Wprowadzone wyrażenie dla funkcji \"read\" jest niepoprawne!";
constexpr std::string_view kPromptPrefix = "Podaj wartość zmiennej: \"";

bool InInOutBlock(const TInterpreter& in) {
  return in.CurrentBlock != nullptr && in.CurrentBlock->Shape == nstInOut;
}

// The argument of a function: an array element (its index taken from the stack), a variable's
// value, or the text itself.
bool TakeArgument(TEvaluation& ev, std::string_view& value) {
  const TOperand& operand = ev.PopOperand();
  if (operand.var == nullptr) {
    value = operand.Text();
    return true;
  }
  uint32_t index = 0;
  if (operand.var->Count > 0 && !ev.TakeIndex(operand.var, 1, index)) return false;
  value = operand.var->Values[index];
  return true;
}

bool CallMath(TEvaluation& ev, const TMathRow& row) {
  if (ev.OperandCount() == 0) return ev.Fail(kFunctionPrefix, row.name, kNeedsArgument);
  std::string_view argument;
  if (!TakeArgument(ev, argument)) return false;
  return ev.PushFixed(row.function(NumberText::NumberOrZero(argument)));
}

bool CallWrite(TEvaluation& ev) {
  TInterpreter& in = ev.interpreter();
  if (!InInOutBlock(in)) return ev.FailInBlock(kWriteNotAllowed);
  if (ev.OperandCount() == 0) return ev.Fail(kNoArgument);
  std::string_view value;
  if (!TakeArgument(ev, value)) return false;
  if (!Builtins::WriteText(in, value, ev.mode() == TEvalMode::Execute)) return ev.FailSilently();
  ev.PushText("0");
  return true;
}

bool CallRead(TEvaluation& ev) {
  TInterpreter& in = ev.interpreter();
  if (!InInOutBlock(in)) return ev.FailInBlock(kReadNotAllowed);
  if (ev.OperandCount() == 0) return ev.Fail(kNoArgument);
  TInterpreter::variables* var = ev.PopOperand().var;
  if (var == nullptr) return ev.Fail(kReadNeedsVariable);
  uint32_t index = 0;
  if (var->Count > 0 && !ev.TakeIndex(var, 1, index)) return false;

  std::string element = var->Name;
  if (var->Count > 0) {
    element.push_back('[');
    NumberText::AppendInteger(static_cast<int32_t>(index), element);
    element.push_back(']');
  }
  if (in.EvalDepth > Builtins::kMaxReadNesting) return ev.Fail(kBadEntry);

  std::string entry = "0";
  if (ev.mode() == TEvalMode::Execute) {
    std::string prompt(kPromptPrefix);
    prompt.append(element);
    prompt.push_back('"');
    auto answer = in.host.ReadValue(prompt);
    if (!answer) {
      in.InputEnded = true;  // no entry can ever come: the run ends without a message
      return ev.FailSilently();
    }
    entry = std::move(*answer);
  }
  ev.MaterializeErrorText();  // the inner evaluation changes the token it quotes
  std::string statement = element;
  statement.append(var->Count > 0 ? "=" : " = ");
  statement.append(entry);
  statement.push_back(';');
  int position = 0;
  std::string result;
  if (!ExpressionEvaluator::EvaluateInto(in, statement, position, ev.mode(), result)) {
    return ev.Fail(kBadEntry);
  }
  ev.PushText("0");
  return true;
}

}  // namespace

void Builtins::FillBuiltinFunctions(TInterpreter& interpreter) {
  interpreter.BuiltinFunctions.assign(kFunctionNames.begin(), kFunctionNames.end());
}

bool Builtins::CallBuiltin(TEvaluation& evaluation, std::string_view name) {
  if (name == "write") return CallWrite(evaluation);
  if (name == "read") return CallRead(evaluation);
  for (const TMathRow& row : kMathFunctions) {
    if (row.name == name) return CallMath(evaluation, row);
  }
  return evaluation.FailSilently();
}

bool Builtins::WriteText(TInterpreter& in, std::string_view text, bool write) {
  TOutputLines* out = write ? in.OutputLines : nullptr;
  for (;;) {
    const std::size_t backslash = text.find('\\');
    if (backslash == std::string_view::npos) {
      if (out) out->AppendText(text);
      return true;
    }
    if (out) out->AppendText(text.substr(0, backslash));
    if (backslash + 1 >= text.size()) return false;
    std::size_t end = backslash + 1;
    Cp1250::DecodeUtf8(text, end);
    const std::string_view escaped = text.substr(backslash + 1, end - backslash - 1);
    if (escaped == "a") {
      if (write) in.host.Beep();
    } else if (escaped == "n") {
      if (out) out->AddLine();
    } else if (out) {
      out->AppendText(escaped);
    }
    text.remove_prefix(end);
  }
}

}  // namespace zuvar
