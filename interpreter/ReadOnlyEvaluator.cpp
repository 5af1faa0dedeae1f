#include "interpreter/ReadOnlyEvaluator.h"

#include <exception>

#include "interpreter/EvalFrame.h"
#include "interpreter/Evaluation.h"
#include "interpreter/NumberText.h"

namespace zuvar {

namespace {

constexpr std::string_view kNothingToEvaluate = "Brak wyrażenia do obliczenia!";
constexpr std::string_view kTextAfterEnd = "Po znaku \";\" nie może być dalszego tekstu!";
constexpr std::string_view kNoMessage = "Wyrażenie nie może być obliczone!";
constexpr std::string_view kNotANumber = "Wartość wyrażenia nie jest liczbą: \"";

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// The token fields of the context and the evaluation depth, put back on every way out.
class TContextGuard {
 public:
  explicit TContextGuard(TInterpreter& in)
      : in_(in),
        token_(in.Token),
        kind_(in.TokenKind),
        message_(in.TokenMessage),
        operatorCode_(in.OperatorCode) {
    ++in_.EvalDepth;
  }
  ~TContextGuard() {
    --in_.EvalDepth;
    in_.Token = std::move(token_);
    in_.TokenKind = kind_;
    in_.TokenMessage = std::move(message_);
    in_.OperatorCode = operatorCode_;
  }
  TContextGuard(const TContextGuard&) = delete;
  TContextGuard& operator=(const TContextGuard&) = delete;

 private:
  TInterpreter& in_;
  std::string token_;
  TTokenKind kind_;
  std::string message_;
  int32_t operatorCode_;
};

bool OnlyBlanksAfter(std::string_view text, int position) {
  if (position < 0) return true;
  for (std::size_t i = static_cast<std::size_t>(position); i < text.size(); ++i)
    if (!IsBlank(text[i])) return false;
  return true;
}

// The caption and the message, one blank apart.
std::string ErrorLine(std::string_view caption, std::string_view message) {
  std::string line(caption);
  if (!line.empty() && line.back() != ' ') line.push_back(' ');
  line.append(message);
  return line;
}

}  // namespace

bool TReadOnlyResult::IsTrue() const {
  bool truth = false;
  std::string error;
  return Ok && ReadOnlyEvaluator::Truth(Value, truth, error) && truth;
}

bool ReadOnlyEvaluator::Truth(std::string_view value, bool& truth, std::string& error) {
  double number = 0;
  if (!NumberText::ParseNumber(value, number)) {
    error.assign(kNotANumber);
    error.append(value);
    error.push_back('"');
    return false;
  }
  truth = number != 0;
  return true;
}

TReadOnlyResult ReadOnlyEvaluator::Evaluate(TInterpreter& interpreter,
                                            std::string_view expression) {
  TReadOnlyResult out;
  std::string text(Trimmed(expression));
  if (text.empty() || text == ";") {
    out.Error.assign(kNothingToEvaluate);
    return out;
  }
  if (text.back() != ';') text.push_back(';');
  TEvalFrame& frame = interpreter.EvalFrame(interpreter.EvalDepth);
  TContextGuard guard(interpreter);
  TEvaluation evaluation(interpreter, frame, text, TEvalMode::Inspect);
  int lastPosition = 1;
  try {
    out.Ok = evaluation.Run(lastPosition);
  } catch (const std::exception&) {
    out.Ok = false;
  }
  if (out.Ok && OnlyBlanksAfter(text, lastPosition == -1 ? -1 : lastPosition - 1)) {
    out.Value = frame.result;
  } else if (out.Ok) {
    out.Ok = false;
    out.Error = ErrorLine(frame.errorCaption, kTextAfterEnd);
  } else {
    evaluation.MaterializeErrorText();
    out.Error = ErrorLine(frame.errorCaption,
                          frame.errorText.empty() ? kNoMessage : std::string_view(frame.errorText));
  }
  frame.Reset();
  return out;
}

}  // namespace zuvar
