#include "interpreter/Evaluation.h"

#include <cmath>

#include "interpreter/Builtins.h"
#include "interpreter/NumberText.h"
#include "interpreter/StepJournal.h"
#include "interpreter/Tokenizer.h"
#include "model/NewShape.h"

namespace zuvar {

namespace {

constexpr std::string_view kNoIndexBracket = "Brak nawiasu indeksowego zmiennej tablicwej \"";
constexpr std::string_view kNoArgumentParen =
    "Brak nawiasu otwierającego listę argumentów funkcji!";
constexpr std::string_view kCommaInDecision =
    "Stosowanie operatora \",\" w bloku decyzyjnym jest niedozwolone!";
constexpr std::string_view kNothingAfterComma = "Brak wyrażenia po operatorze \",\"! ";
constexpr std::string_view kStringMisused = "Błędne użycie wartości typu string!";
constexpr std::string_view kNoOpeningParen = "Niezgodność nawiasów - brak nawiasu otwierającego!";
constexpr std::string_view kNoOpeningBracket =
    "Niezgodność nawiasów indeksowych - brak nawiasu otwierającego!";
constexpr std::string_view kNoArrayForIndex = "Brak zmiennej tablicowej dla podanego indeksu!";
constexpr std::string_view kUnknownCharacters =
    "Wyrażenie zawiera znaki nie pasujące do żadnych operatorów obliczeniowych!";
constexpr std::string_view kUndefinedVariable = "Niezdefiniowana zmienna: ";
constexpr std::string_view kNoClosingParen = "Niezgodność nawiasów - brak nawiasu zamykającego!";
constexpr std::string_view kNoIndex = "Brak indeksu dla zmiennej tablicowej \"";
constexpr std::string_view kBadIndex = "Indeks tablicy musi być liczbą nieujemną całkowitą!!";
constexpr std::string_view kIndexTooLarge = "Przekroczony rozmiar tablicy!";
constexpr std::string_view kLeftOver = "Nierozładowane wyrażenie!";

bool IsMarker(std::string_view text) {
  return text == kEmptyStackMarker || text == kBadIndexMarker || text == kNotConstantMarker;
}

}  // namespace

TEvaluation::TEvaluation(TInterpreter& interpreter, TEvalFrame& frame, std::string_view text,
                         TEvalMode mode, const TPrescan* prescan)
    : in_(interpreter), frame_(frame), text_(text), mode_(mode), prescan_(prescan) {
  frame_.Reset();
  frame_.errorCaption.assign(kSyntaxErrorCaption);
}

bool TEvaluation::Run(int& lastPosition) {
  in_.Token.clear();
  in_.TokenKind = tkInvalid;
  token_ = TTokenState::From(in_);
  lastPosition = 1;
  if (!ConvertToPostfix(lastPosition)) return false;
  if (!EvaluatePostfix()) return false;
  return Finish();
}

void TEvaluation::Report() {
  if (in_.InputEnded) return;  // the run ends quietly when no entry can come
  MaterializeErrorText();
  in_.host.ShowMessage(frame_.errorText, frame_.errorCaption, TMsgIcon::None, TMsgButtons::Ok);
  frame_.scratch.assign(frame_.errorCaption);
  frame_.scratch.append(frame_.errorText);
  in_.host.AppendLog(frame_.scratch);
  in_.host.ScrollLogPage();
}

void TEvaluation::DeferErrorText(std::string_view a, std::string_view b, std::string_view c) {
  deferred_[0] = a;
  deferred_[1] = b;
  deferred_[2] = c;
  errorTextDeferred_ = true;
}

void TEvaluation::MaterializeErrorText() {
  if (!errorTextDeferred_) return;
  errorTextDeferred_ = false;
  SetErrorText(deferred_[0], deferred_[1], deferred_[2]);
}

void TEvaluation::SetErrorText(std::string_view a, std::string_view b, std::string_view c) {
  errorTextDeferred_ = false;
  // In phase 2 the context's token is left alone: a `read` may have put its entry's last
  // token there, and the message quotes that.
  if (readingTokens_) token_.CommitTo(in_);
  std::string& text = frame_.errorText;
  text.assign(a);
  text.append(b);
  text.append(c);
  text.append(in_.Token);
  text.append(" : ");
  text.append(in_.TokenMessage);
}

bool TEvaluation::Fail(std::string_view message) {
  SetErrorText(message);
  return false;
}

bool TEvaluation::Fail(std::string_view a, std::string_view b, std::string_view c) {
  SetErrorText(a, b, c);
  return false;
}

bool TEvaluation::FailInBlock(std::string_view message) {
  frame_.errorCaption.assign(kNotAllowedCaption);
  return Fail(message);
}

bool TEvaluation::FailInBlock(std::string_view a, std::string_view b, std::string_view c) {
  frame_.errorCaption.assign(kNotAllowedCaption);
  return Fail(a, b, c);
}

double TResolvedOperand::Number() const {
  return hasNumber ? number : NumberText::NumberOrZero(text);
}

int32_t TResolvedOperand::Integer() const {
  if (hasNumber && type >= vtChar && type <= vtLong) return static_cast<int32_t>(number);
  return NumberText::IntegerOrZero(text);
}

void TEvaluation::PushText(std::string_view text) {
  auto& operands = frame_.operands;
  if (frame_.operandCount == operands.size()) operands.emplace_back();
  TOperand& slot = operands[frame_.operandCount++];
  slot.own.assign(text.data(), text.size());
  slot.owned = true;
  slot.hasNumber = false;
  slot.var = nullptr;
}

void TEvaluation::PushInteger(int32_t value) {
  auto& operands = frame_.operands;
  if (frame_.operandCount == operands.size()) operands.emplace_back();
  TOperand& slot = operands[frame_.operandCount++];
  NumberText::FormatInteger(value, slot.own);
  slot.owned = true;
  slot.hasNumber = true;
  slot.number = value;
  const auto bits = static_cast<uint32_t>(value);
  slot.type = bits > 65535u ? vtLong : bits > 255u ? vtInt : vtChar;
  slot.var = nullptr;
}

void TEvaluation::PushItem(const TQueueItem& item) {
  auto& operands = frame_.operands;
  if (frame_.operandCount == operands.size()) operands.emplace_back();
  TOperand& slot = operands[frame_.operandCount++];
  slot.ext = item.text;
  slot.owned = false;
  slot.hasNumber = false;
  slot.var = item.var;
}

// Phase 1: tokens to postfix order.
bool TEvaluation::ConvertToPostfix(int& lastPosition) {
  TTokenKind previousKind = tkInvalid;
  std::string_view previousToken;
  bool expectOperand = true;
  bool arrayNamePending = false;
  stringsAllowed_ = false;
  readingTokens_ = true;
  while (lastPosition != -1) {
    if (token_.IsOperator(opSemicolon)) break;
    lastPosition = NextToken(lastPosition);
    std::string_view token = token_.text;
    const TTokenKind kind = token_.kind;
    const bool isOperator = kind == tkOperator;
    int code = isOperator ? token_.operatorCode : opNone;
    if (arrayNamePending) {
      if (!(isOperator && code == opIndexOpen)) return Fail(kNoIndexBracket, previousToken, "\" !");
      arrayNamePending = false;
    }
    if (previousKind == tkFunction && !(isOperator && code == opParenOpen)) {
      return Fail(kNoArgumentParen);
    }
    if (isOperator && code == opComma) {
      if (mode_ != TEvalMode::Inspect && in_.CurrentBlock && in_.CurrentBlock->Shape == nstChoice) {
        return FailInBlock(kCommaInDecision);
      }
      ++commaCount_;
    }
    if (previousKind == tkOperator && previousToken == "," && isOperator && code == opSemicolon) {
      return Fail(kNothingAfterComma);
    }
    previousKind = kind;
    previousToken = token;
    if (kind == tkStringConst && !stringsAllowed_) return Fail(kStringMisused);
    if (expectOperand && isOperator && (code == opMinus || code == opPlus)) {
      token = code == opMinus ? OperatorText(opNegate) : OperatorText(opUnaryPlus);
      code = code == opMinus ? opNegate : opUnaryPlus;
      token_.text = token;
    }
    expectOperand = isOperator && code != opParenClose && code != opIndexClose;

    if (isOperator || kind == tkFunction) {
      TQueueItem item;
      item.text = token;
      item.code = static_cast<int8_t>(code);
      item.function = kind == tkFunction;
      if (item.function) item.builtin = Builtins::Find(token);
      if (!PushOperatorToken(item)) return false;
    } else if (kind == tkTypeName || kind == tkInvalid || kind == tkComment) {
      return Fail(kUnknownCharacters);
    } else if (!ReadOperandToken(token, arrayNamePending)) {
      return false;
    }
  }
  token_.CommitTo(in_);
  const bool flushed = FlushOperators();
  readingTokens_ = false;
  return flushed;
}

// The next token: taken from the tokens the statement interpreter already read, if any (the
// same tokens a new reading would give), else read from the text.
int TEvaluation::NextToken(int position) {
  if (prescan_ && prescanNext_ < prescan_->tokens->size()) {
    const TScannedToken& scanned = (*prescan_->tokens)[prescanNext_++];
    token_ = scanned.state;
    return scanned.after < 0 ? -1 : scanned.after - prescan_->offset;
  }
  return Tokenizer::Scan(in_, text_, position, token_);
}

bool TEvaluation::PushOperatorToken(const TQueueItem& item) {
  auto& stack = frame_.operators;
  switch (item.code) {
    case opParenOpen:
    case opIndexOpen:
      stack.push_back(item);
      return true;
    case opParenClose:
      return CloseParenthesis();
    case opIndexClose:
      return CloseIndex();
    case opComma:
      while (!stack.empty() && !stack.back().IsOpenParen()) {
        frame_.queue.push_back(stack.back());
        stack.pop_back();
      }
      return true;
    default:
      break;
  }
  while (!stack.empty()) {
    const TQueueItem& top = stack.back();
    if (top.function || item.function) break;
    if (!(top.code > item.code)) break;
    frame_.queue.push_back(top);
    stack.pop_back();
  }
  if (item.builtin != nullptr && item.builtin->TakesString) stringsAllowed_ = true;
  stack.push_back(item);
  return true;
}

bool TEvaluation::CloseParenthesis() {
  auto& stack = frame_.operators;
  stringsAllowed_ = false;
  if (stack.empty()) return Fail(kNoOpeningParen);
  for (;;) {
    if (stack.empty()) return Fail(kNoOpeningParen);
    const TQueueItem item = stack.back();
    stack.pop_back();
    if (item.IsOpenParen()) break;
    frame_.queue.push_back(item);
  }
  if (!stack.empty() && stack.back().function) {
    frame_.queue.push_back(stack.back());
    stack.pop_back();
  }
  return true;
}

bool TEvaluation::CloseIndex() {
  auto& stack = frame_.operators;
  if (stack.empty()) return Fail(kNoOpeningBracket);
  for (;;) {
    if (stack.empty()) return Fail(kNoOpeningBracket);
    const TQueueItem item = stack.back();
    stack.pop_back();
    if (item.code == opIndexOpen) break;
    frame_.queue.push_back(item);
  }
  if (stack.empty() || !stack.back().IsArrayName()) return Fail(kNoArrayForIndex);
  frame_.queue.push_back(stack.back());
  stack.pop_back();
  return true;
}

// An identifier or a constant. Every operand's text is looked up among the variables whatever
// its kind (a number cannot be a name, so numbers are not looked up).
bool TEvaluation::ReadOperandToken(std::string_view token, bool& isArray) {
  const TTokenKind kind = token_.kind;
  TQueueItem item;
  item.text = token;
  item.constant = kind != tkIdentifier;
  if (kind != tkIntConst && kind != tkDoubleConst) item.var = in_.FindVariable(token);
  if (kind == tkIdentifier && item.var == nullptr) return Fail(kUndefinedVariable);
  isArray = item.IsArrayName();
  if (isArray) {
    frame_.operators.push_back(item);
  } else {
    frame_.queue.push_back(item);
  }
  return true;
}

bool TEvaluation::FlushOperators() {
  auto& stack = frame_.operators;
  while (!stack.empty()) {
    const TQueueItem item = stack.back();
    stack.pop_back();
    if (item.IsOpenParen()) return Fail(kNoClosingParen);
    frame_.queue.push_back(item);
  }
  return true;
}

// Phase 2: the postfix queue.
bool TEvaluation::EvaluatePostfix() {
  for (const TQueueItem& item : frame_.queue) {
    const bool operation = !item.constant && (item.function || item.code != opNone);
    if (!operation) {
      PushItem(item);
      continue;
    }
    bool finished = false;
    if (!CarryOut(item, finished)) return false;
    if (finished) break;
  }
  return true;
}

bool TEvaluation::CarryOut(const TQueueItem& item, bool& finished) {
  if (item.function) return Builtins::CallBuiltin(*this, item.builtin);
  const int code = item.code;
  if (code == opSemicolon) {
    std::string_view value;
    if (!PopOperandValue(value)) return false;
    frame_.result.assign(value);
    PushText(frame_.result);
    finished = true;
    return true;
  }
  if (code == opAssign) return Assignment();
  if (code >= opOr && code <= opModulo) return BinaryOperator(code);
  if (code >= opNot) return UnaryOperator(code);
  PushItem(item);  // punctuation left in the queue is an operand text
  return true;
}

bool TEvaluation::Finish() {
  if (frame_.operandCount == 0) return FailSilently();
  const TOperand& top = PopOperand();
  if (top.var) {
    frame_.result.assign(top.var->Values[0]);
  } else if (top.owned) {
    frame_.result.swap(frame_.operands[frame_.operandCount].own);
  } else {
    frame_.result.assign(top.ext);
  }
  if (frame_.operandCount > static_cast<std::size_t>(commaCount_)) return Fail(kLeftOver);
  if (in_.CurrentBlock && mode_ != TEvalMode::Inspect) {
    int32_t value = 0;
    const bool zero = NumberText::ParseInteger(frame_.result, value) && value == 0;
    const uint8_t result = zero ? 0 : 1;
    if (in_.StepJournal) in_.StepJournal->ConditionSetting(*in_.CurrentBlock, result);
    in_.CurrentBlock->ConditionResult = result;
  }
  return true;
}

bool TEvaluation::PopOperandValue(std::string_view& value) {
  auto& chain = frame_.arrayChain;
  chain.clear();
  for (;;) {
    if (frame_.operandCount == 0) {
      value = kEmptyStackMarker;
      break;
    }
    const TOperand& operand = PopOperand();
    if (operand.var && operand.var->Count > 0) {
      chain.push_back(operand.var);
      continue;
    }
    if (operand.var) {
      value = operand.var->Values[0];
      break;
    }
    value = operand.Text();
    if (IsTypeName(value) || Tokenizer::IsFunctionName(in_, value) ||
        OperatorCodeOf(value) != opNone) {
      value = kNotConstantMarker;
    }
    break;
  }
  // The innermost array takes the value found as its index, and so on outward.
  for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
    if (IsMarker(value)) continue;
    double number = 0;
    if (!NumberText::ParseNumber(value, number)) return FailSilently();
    const double index = std::trunc(number);
    if (!(index >= 0) || index >= static_cast<double>((*it)->Count)) {
      value = kBadIndexMarker;
    } else {
      value = (*it)->Values[static_cast<std::size_t>(index)];
    }
  }
  return true;
}

bool TEvaluation::TakeIndex(TInterpreter::variables* array, std::size_t needed, uint32_t& index) {
  if (frame_.operandCount < needed) return Fail(kNoIndex, array->Name, "\" !");
  double number = 0;
  const TOperand& top = frame_.operands[frame_.operandCount - 1];
  if (top.var == nullptr && top.hasNumber) {
    number = top.number;  // an intermediate result: its value is known
    --frame_.operandCount;
  } else {
    std::string_view text;
    if (!PopOperandValue(text)) return false;
    if (!text.empty() && text[0] == '!') return Fail(kBadIndex);
    if (!NumberText::ParseNumber(text, number)) return FailSilently();
  }
  const double truncated = std::trunc(number);
  if (!(truncated >= 0)) return Fail(kBadIndex);
  if (truncated >= static_cast<double>(array->Count)) return Fail(kIndexTooLarge);
  index = static_cast<uint32_t>(truncated);
  return true;
}

bool TEvaluation::Resolve(const TOperand& operand, std::size_t needed, TResolvedOperand& out) {
  out.var = operand.var;
  out.index = -1;
  out.hasNumber = false;
  if (operand.var == nullptr) {
    out.text = operand.Text();
    if (operand.hasNumber) {
      out.hasNumber = true;
      out.number = operand.number;
      out.type = operand.type;
    } else {
      out.type = NumberText::TypeOfText(out.text);
    }
    return true;
  }
  out.type = operand.var->Type;
  if (operand.var->Count == 0) {
    out.text = operand.var->Values[0];
    return true;
  }
  uint32_t index = 0;
  if (!TakeIndex(operand.var, needed, index)) return false;
  out.index = static_cast<int32_t>(index);
  out.text = operand.var->Values[index];
  return true;
}

}  // namespace zuvar
