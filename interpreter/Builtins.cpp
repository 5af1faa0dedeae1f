#include "interpreter/Builtins.h"

#include <array>
#include <cmath>
#include <string>

#include "interpreter/Evaluation.h"
#include "interpreter/ExpressionEvaluator.h"
#include "interpreter/Interpreter.h"
#include "interpreter/NumberText.h"
#include "model/Cp1250.h"
#include "model/NewShape.h"
#include "model/OutputLines.h"

namespace zuvar {

namespace {

constexpr std::string_view kFunctionPrefix = "Funkcja \"";
constexpr std::string_view kNeedsArgument = "\"wymaga jednego argumentu!";
constexpr std::string_view kOnlyInOut = "\" może występować tylko w blokach wejscia/wyjścia! -> ";
constexpr std::string_view kNotWhenInspecting = "\" nie może być użyta w warunku! ";
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

bool CallMath(TEvaluation& ev, const TBuiltinRow& row) {
  if (ev.OperandCount() == 0) return ev.Fail(kFunctionPrefix, row.Name, kNeedsArgument);
  std::string_view argument;
  if (!TakeArgument(ev, argument)) return false;
  return ev.PushFixed(row.Math(NumberText::NumberOrZero(argument)));
}

bool CallWrite(TEvaluation& ev, const TBuiltinRow&) {
  TInterpreter& in = ev.interpreter();
  if (ev.OperandCount() == 0) return ev.Fail(kNoArgument);
  std::string_view value;
  if (!TakeArgument(ev, value)) return false;
  if (!Builtins::WriteText(in, value, ev.mode() == TEvalMode::Execute)) return ev.FailSilently();
  ev.PushText("0");
  return true;
}

bool CallRead(TEvaluation& ev, const TBuiltinRow&) {
  TInterpreter& in = ev.interpreter();
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

// The built-in functions, in their fixed order: read and write first, then the math
// functions. Columns: name, allowed only in input/output blocks, takes a string constant,
// handler, math library function.
constexpr std::array<TBuiltinRow, 12> kBuiltins{{
    {"read", true, false, CallRead, nullptr},
    {"write", true, true, CallWrite, nullptr},
    {"cos", false, false, CallMath, [](double x) { return std::cos(x); }},
    {"sqrt", false, false, CallMath, [](double x) { return std::sqrt(x); }},
    {"ceil", false, false, CallMath, [](double x) { return std::ceil(x); }},
    {"exp", false, false, CallMath, [](double x) { return std::exp(x); }},
    {"fabs", false, false, CallMath, [](double x) { return std::fabs(x); }},
    {"floor", false, false, CallMath, [](double x) { return std::floor(x); }},
    {"log", false, false, CallMath, [](double x) { return std::log(x); }},
    {"log10", false, false, CallMath, [](double x) { return std::log10(x); }},
    {"sin", false, false, CallMath, [](double x) { return std::sin(x); }},
    {"tan", false, false, CallMath, [](double x) { return std::tan(x); }},
}};

}  // namespace

std::span<const TBuiltinRow> Builtins::Rows() { return kBuiltins; }

const TBuiltinRow* Builtins::Find(std::string_view name) {
  for (const TBuiltinRow& row : kBuiltins) {
    if (row.Name == name) return &row;
  }
  return nullptr;
}

void Builtins::FillBuiltinFunctions(TInterpreter& interpreter) {
  interpreter.BuiltinFunctions.clear();
  for (const TBuiltinRow& row : kBuiltins)
    interpreter.BuiltinFunctions.push_back(std::string(row.Name));
}

bool Builtins::CallBuiltin(TEvaluation& evaluation, const TBuiltinRow* row) {
  if (row == nullptr) return evaluation.FailSilently();
  if (row->InOutOnly && evaluation.mode() == TEvalMode::Inspect)
    return evaluation.Fail(kFunctionPrefix, row->Name, kNotWhenInspecting);
  if (row->InOutOnly && !InInOutBlock(evaluation.interpreter())) {
    return evaluation.FailInBlock(kFunctionPrefix, row->Name, kOnlyInOut);
  }
  return row->Handler(evaluation, *row);
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
