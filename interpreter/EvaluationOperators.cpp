#include <cmath>
#include <cstdint>

#include "interpreter/Evaluation.h"
#include "interpreter/NumberText.h"
#include "interpreter/StepJournal.h"

namespace zuvar {

namespace {

constexpr std::string_view kOperatorPrefix = "Operator \"";
constexpr std::string_view kNeedsTwo = "\" wymaga dwóch operandów!";
constexpr std::string_view kNeedsOne = "\" wymaga jednego operandu!";
constexpr std::string_view kTypeMismatch = "Niezgodność typów danych!";
constexpr std::string_view kNotAddressable = "Lewa strona operatora \"=\" (\"";
constexpr std::string_view kNotAddressableEnd = "\") nie jest adresowalna! ";
constexpr std::string_view kUnaryMisused = "Błędne użycie jednoargumentowego operatora \"";
constexpr std::string_view kUnaryMisusedEnd = "\" ! ";
constexpr std::string_view kDivisionByZero = "Wykryto dzielenie przez zero! ";
constexpr std::string_view kNoAssignmentWhenInspecting =
    "Operator \"=\" nie może zmieniać zmiennych w warunku! ";

struct TIntegerOperandMessages {
  int code;
  std::string_view left;
  std::string_view right;
};

constexpr TIntegerOperandMessages kIntegerMessages[] = {
    {opShiftLeft, "Lewy operand bitowego przesunięcia w lewo (\"<<\") musi być liczba całkowitą! ",
     "Prawy operand bitowego przesunięcia w lewo (\"<<\") musi być liczba całkowitą! "},
    {opShiftRight,
     "Lewy operand bitowego przesunięcia w prawo (\">>\") musi być liczba całkowitą! ",
     "Prawy operand bitowego przesunięcia w prawo (\">>\") musi być liczba całkowitą! "},
    {opBitXor, "Lewy operand bitowego operatora EOR (\"^\") musi być liczba całkowitą! ",
     "Prawy operand bitowego operatora EOR (\"^\") musi być liczba całkowitą! "},
    {opBitOr, "Lewy operand bitowego operatora OR (\"|\") musi być liczba całkowitą! ",
     "Prawy operand bitowego operatora OR (\"|\") musi być liczba całkowitą! "},
    {opBitAnd, "Lewy operand bitowego operatora AND (\"&\") musi być liczba całkowitą! ",
     "Prawy operand bitowego operatora AND (\"&\") musi być liczba całkowitą! "},
    {opModulo, "Lewy operand operacji reszty z dzielenia (\"%\") musi być liczba całkowitą! ",
     "Prawy operand operacji reszty z dzielenia (\"%\") musi być liczba całkowitą! "},
};

bool IsNumericType(uint8_t type) { return type >= vtChar && type <= vtDouble; }
bool IsIntegerType(uint8_t type) { return type >= vtChar && type <= vtLong; }

bool IsIntegerOperator(int code) {
  return code == opShiftLeft || code == opShiftRight || code == opBitXor || code == opBitOr ||
         code == opBitAnd || code == opModulo;
}

const TIntegerOperandMessages& IntegerMessagesOf(int code) {
  for (const auto& row : kIntegerMessages) {
    if (row.code == code) return row;
  }
  return kIntegerMessages[0];
}

// Two's-complement results for every pair of 32-bit operands, without undefined behaviour.
int32_t IntegerResult(int code, int32_t left, int32_t right) {
  const auto l = static_cast<uint32_t>(left);
  const auto shift = static_cast<uint32_t>(right) & 31u;
  switch (code) {
    case opShiftLeft:
      return static_cast<int32_t>(l << shift);
    case opShiftRight:
      return left >> shift;
    case opBitXor:
      return left ^ right;
    case opBitOr:
      return left | right;
    case opBitAnd:
      return left & right;
    default:  // "%": the caller has refused a zero divisor
      if (right == -1) return 0;
      return left % right;
  }
}

}  // namespace

bool TEvaluation::PushFixed(double value) {
  double readBack = 0;
  if (!NumberText::FormatFixed(value, true, frame_.result, &readBack)) return FailSilently();
  PushText(frame_.result);
  TOperand& slot = frame_.operands[frame_.operandCount - 1];
  slot.hasNumber = true;
  slot.number = readBack;
  slot.type = vtDouble;
  return true;
}

bool TEvaluation::BinaryOperator(int code) {
  if (OperandCount() < 2) return Fail(kOperatorPrefix, OperatorText(code), kNeedsTwo);
  TResolvedOperand right;
  if (!Resolve(PopOperand(), 2, right)) return false;
  // A nested index of the right operand (t[t[0]]) may have taken the texts left for the left.
  if (OperandCount() == 0) return FailSilently();
  TResolvedOperand left;
  if (!Resolve(PopOperand(), 1, left)) return false;
  if (IsIntegerOperator(code)) return IntegerOperator(code, left, right);
  return NumericOperator(code, left, right);
}

bool TEvaluation::IntegerOperator(int code, const TResolvedOperand& left,
                                  const TResolvedOperand& right) {
  const TIntegerOperandMessages& messages = IntegerMessagesOf(code);
  if (!IsIntegerType(left.type)) return Fail(messages.left);
  if (!IsIntegerType(right.type)) return Fail(messages.right);
  const int32_t l = left.Integer();
  const int32_t r = right.Integer();
  if (code == opModulo && r == 0) return FailSilently();
  PushInteger(IntegerResult(code, l, r));
  return true;
}

bool TEvaluation::NumericOperator(int code, const TResolvedOperand& left,
                                  const TResolvedOperand& right) {
  if (!IsNumericType(left.type) || !IsNumericType(right.type)) return FailSilently();
  const double l = left.Number();
  double r = right.Number();
  bool truth = false;
  switch (code) {
    case opPlus:
      return PushFixed(l + r);
    case opMinus:
      return PushFixed(l - r);
    case opMultiply:
      return PushFixed(l * r);
    case opDivide:
      if (r == 0) {
        if (mode_ != TEvalMode::Check) {
          frame_.errorCaption.assign(kCannotExecuteCaption);
          return Fail(kDivisionByZero);
        }
        r = 1;
      }
      return PushFixed(l / r);
    case opOr:
      truth = l != 0 || r != 0;
      break;
    case opAnd:
      truth = l != 0 && r != 0;
      break;
    case opEqual:
      truth = l == r;
      break;
    case opNotEqual:
      truth = l != r;
      break;
    case opGreater:
      truth = l > r;
      break;
    case opLess:
      truth = l < r;
      break;
    case opGreaterEqual:
      truth = l >= r;
      break;
    case opLessEqual:
      truth = l <= r;
      break;
    default:
      return FailSilently();
  }
  PushInteger(truth ? 1 : 0);
  return true;
}

bool TEvaluation::Assignment() {
  if (mode_ == TEvalMode::Inspect) return Fail(kNoAssignmentWhenInspecting);
  if (OperandCount() < 2) return Fail(kOperatorPrefix, OperatorText(opAssign), kNeedsTwo);
  DeferErrorText(kTypeMismatch);
  TResolvedOperand right;
  if (!Resolve(PopOperand(), 2, right)) return false;
  if (OperandCount() == 0) return FailSilently();  // taken by a nested index on the right
  const TOperand& leftOperand = PopOperand();
  TResolvedOperand left;
  if (!Resolve(leftOperand, 1, left)) return false;
  if (left.var == nullptr) return Fail(kNotAddressable, leftOperand.Text(), kNotAddressableEnd);
  if (!IsNumericType(left.type) || !IsNumericType(right.type)) return FailSilently();
  const double value = right.Number();
  if (left.var->Type == vtDouble && right.hasNumber && right.type == vtDouble) {
    // A fixed text written by an operator is already the canonical text of its value.
    frame_.result.assign(right.text);
  } else if (!NumberText::CanonicalText(left.var->Type, value, frame_.result)) {
    return FailSilently();
  }
  const std::size_t index = left.index < 0 ? 0 : static_cast<std::size_t>(left.index);
  if (in_.StepJournal) in_.StepJournal->ValueOverwriting(*left.var, index);
  left.var->Values[index].assign(frame_.result);
  in_.NoteChange(left.var, left.index);
  PushText(frame_.result);
  return true;
}

bool TEvaluation::UnaryOperator(int code) {
  const std::string_view text = OperatorText(code);
  if (OperandCount() == 0) return Fail(kOperatorPrefix, text, kNeedsOne);
  const TOperand& operand = PopOperand();
  DeferErrorText(kUnaryMisused, text, kUnaryMisusedEnd);
  double value = operand.number;
  if (operand.var || !operand.hasNumber) {
    std::string_view valueText = operand.Text();
    if (operand.var) {
      uint32_t index = 0;
      if (operand.var->Count > 0 && !TakeIndex(operand.var, 1, index)) return false;
      valueText = operand.var->Values[index];
    }
    if (!NumberText::ParseNumber(valueText, value)) return FailSilently();
  }
  switch (code) {
    case opNot:
      value = value == 0 ? 1 : 0;
      break;
    case opComplement:
      value = ~NumberText::TruncateToInt32(value);
      break;
    case opNegate:
      value = -value;
      break;
    default:
      break;
  }
  return PushFixed(value);
}

}  // namespace zuvar
