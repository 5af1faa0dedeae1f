#include "interpreter/ExpressionEvaluator.h"

#include <exception>

#include "interpreter/EvalFrame.h"
#include "interpreter/Evaluation.h"

namespace zuvar {

namespace {

// Keeps the nesting depth of evaluations (a `read` evaluates its entry inside an evaluation).
class TDepthGuard {
 public:
  explicit TDepthGuard(TInterpreter& in) : in_(in) { ++in_.EvalDepth; }
  ~TDepthGuard() { --in_.EvalDepth; }
  TDepthGuard(const TDepthGuard&) = delete;
  TDepthGuard& operator=(const TDepthGuard&) = delete;

 private:
  TInterpreter& in_;
};

}  // namespace

std::string ExpressionEvaluator::Evaluate(TInterpreter& interpreter, std::string_view text,
                                          int& position, TEvalMode mode) {
  std::string result;
  if (!EvaluateInto(interpreter, text, position, mode, result)) result.clear();
  return result;
}

bool ExpressionEvaluator::EvaluateInto(TInterpreter& interpreter, std::string_view text,
                                       int& position, TEvalMode mode, std::string& result,
                                       const TPrescan* prescan) {
  TEvalFrame& frame = interpreter.EvalFrame(interpreter.EvalDepth);
  TDepthGuard depth(interpreter);
  TEvaluation evaluation(interpreter, frame, text, mode, prescan);
  int lastPosition = 1;
  bool ok = false;
  try {
    ok = evaluation.Run(lastPosition);
  } catch (const std::exception&) {
    ok = false;  // a conversion or container failure is an ordinary failure of the evaluation
  }
  position = lastPosition == -1 ? -1 : position + lastPosition - 1;
  if (!ok) {
    evaluation.Report();
    frame.Reset();
    return false;
  }
  result.assign(frame.result);
  frame.Reset();
  return true;
}

}  // namespace zuvar
