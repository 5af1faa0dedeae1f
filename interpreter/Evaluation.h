#pragma once

#include <cstdint>
#include <string_view>

#include "interpreter/EvalFrame.h"
#include "interpreter/Interpreter.h"
#include "interpreter/Tokenizer.h"

namespace zuvar {

// An operand taken off the operand stack and resolved to a value: a variable, an array element
// (index >= 0) or a nameless text whose type comes from the text itself.
struct TResolvedOperand {
  std::string_view text;
  uint8_t type = 0;
  TInterpreter::variables* var = nullptr;
  int32_t index = -1;
  bool hasNumber = false;
  double number = 0;

  // The numeric value, 0 when the text is no number.
  double Number() const;
  // The 32-bit integer value, 0 when the text has none.
  int32_t Integer() const;
};

// One evaluation of one expression: converts its tokens to postfix order with an operator
// stack, then evaluates the postfix queue with an operand stack. The stacks live in a frame of
// the context that is reused between evaluations.
class TEvaluation {
 public:
  TEvaluation(TInterpreter& interpreter, TEvalFrame& frame, std::string_view text, TEvalMode mode,
              const TPrescan* prescan = nullptr);

  // Runs both phases and the final steps. On success the result is in the frame's result; on
  // failure nothing has been reported yet (see Report). lastPosition receives the last result
  // of the tokenizer.
  bool Run(int& lastPosition);
  // Shows the failure: message box, log line, log page scroll.
  void Report();

  TInterpreter& interpreter() { return in_; }
  TEvalMode mode() const { return mode_; }

  // Failures. Each returns false so that a caller can write `return Fail(...)`.
  // The message followed by the standard suffix: Token, " : ", TokenMessage.
  bool Fail(std::string_view message);
  bool Fail(std::string_view a, std::string_view b, std::string_view c);
  bool FailInBlock(std::string_view message);  // caption "Wyrażenie niedozwolone dla bloku!"
  bool FailInBlock(std::string_view a, std::string_view b, std::string_view c);
  // A failure without a text of its own: the error text of the moment is shown.
  bool FailSilently() { return false; }
  void SetErrorText(std::string_view a, std::string_view b = {}, std::string_view c = {});
  // As SetErrorText for a text that is only shown if a later step fails without a text of its
  // own: the pieces (static texts) are kept and the text is composed only when needed. The
  // token it quotes cannot change before then, except through an inner evaluation, before
  // which MaterializeErrorText is called.
  void DeferErrorText(std::string_view a, std::string_view b = {}, std::string_view c = {});
  void MaterializeErrorText();

  // The operand stack.
  std::size_t OperandCount() const { return frame_.operandCount; }
  TOperand& PopOperand() { return frame_.operands[--frame_.operandCount]; }
  void PushText(std::string_view text);
  void PushItem(const TQueueItem& item);
  // Pushes the decimal text of an integer result.
  void PushInteger(int32_t value);

  // Takes the top text off the stack and resolves it to a value text (see the class notes of
  // the evaluator): a variable's value, an element's value, or a marker. False when an index
  // text cannot be read as a number.
  bool PopOperandValue(std::string_view& value);
  // Takes the index of an array operand off the stack with the checks of operand resolution.
  // needed is how many texts must be left on the stack for it.
  bool TakeIndex(TInterpreter::variables* array, std::size_t needed, uint32_t& index);
  // Resolves a popped operand: a nameless text, a scalar or an element.
  bool Resolve(const TOperand& operand, std::size_t needed, TResolvedOperand& out);

  // Pushes the fixed text of a value (first rounded to 15 significant digits); fails without a
  // text of its own for an infinity or a NaN.
  bool PushFixed(double value);

  TEvalFrame& frame() { return frame_; }

 private:
  bool ConvertToPostfix(int& lastPosition);
  int NextToken(int position);
  bool PushOperatorToken(const TQueueItem& item);
  bool CloseParenthesis();
  bool CloseIndex();
  bool ReadOperandToken(std::string_view text, bool& isArray);
  bool FlushOperators();
  bool EvaluatePostfix();
  bool CarryOut(const TQueueItem& item, bool& finished);
  bool Finish();

  bool BinaryOperator(int code);
  bool IntegerOperator(int code, const TResolvedOperand& left, const TResolvedOperand& right);
  bool NumericOperator(int code, const TResolvedOperand& left, const TResolvedOperand& right);
  bool Assignment();
  bool UnaryOperator(int code);

  TInterpreter& in_;
  TEvalFrame& frame_;
  std::string_view text_;
  TEvalMode mode_;
  // The token being read in phase 1; copied into the context before any message is composed
  // and when phase 1 ends.
  TTokenState token_;
  bool readingTokens_ = false;
  const TPrescan* prescan_ = nullptr;
  bool errorTextDeferred_ = false;
  std::string_view deferred_[3];
  std::size_t prescanNext_ = 0;
  int commaCount_ = 0;
  bool stringsAllowed_ = false;
};

// Marker texts that stand for a value that could not be taken.
inline constexpr std::string_view kEmptyStackMarker = "!STOSPUSTY!";
inline constexpr std::string_view kBadIndexMarker = "!ZLYINDEKS!";
inline constexpr std::string_view kNotConstantMarker = "!NIESTALA!";

inline constexpr std::string_view kSyntaxErrorCaption = "Błąd składni! ";
inline constexpr std::string_view kNotAllowedCaption = "Wyrażenie niedozwolone dla bloku!";
inline constexpr std::string_view kCannotExecuteCaption = "Wyrażenie nie może być wykonane!";

}  // namespace zuvar
