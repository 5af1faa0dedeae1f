#include "interpreter/StatementInterpreter.h"

#include <string>

#include "interpreter/Builtins.h"
#include "interpreter/Declaration.h"
#include "interpreter/EvalFrame.h"
#include "interpreter/ExpressionEvaluator.h"
#include "interpreter/StatementErrors.h"
#include "interpreter/Tokenizer.h"
#include "model/NewShape.h"

namespace zuvar {

namespace {

constexpr std::string_view kNoSemicolon = "Brak średnika na końcu instrukcji! -> ";
constexpr std::string_view kOneStatementInDecision =
    "W bloku decyzyjnym moze występować tylko jedna instrukcja kodu! -> ";
constexpr std::string_view kDeclarationOnlyInCalc =
    "Deklaracja zmiennych jest możliwa tylko w blokach obliczeniowych! -> ";
constexpr std::string_view kUndefinedPrefix = "Zmienna \"";
constexpr std::string_view kUndefinedSuffix = "\" nie została wcześniej zdefiniowana!";
constexpr std::string_view kUndefinedToken = "Token niezdefiniowany! -> ";
constexpr std::string_view kCharMisused = "Błędne użycie wartości typu ASCII!";
constexpr std::string_view kStringMisused = "Błędne użycie wartości typu string!";
constexpr std::string_view kNotUnderstood = "A tego to ja sam nie rozumiem! :-( -> ";
constexpr std::string_view kInOutOnly =
    "W bloku wejścia/wyjścia mogą znajdować się tylko funkcje \"read\" lub \"write\"! -> ";
constexpr std::string_view kCause = "Przyczyna -> ";

enum class TOutcome { Continue, LineDone, Failed };

// The functions an input/output block may begin a statement with.
bool IsInOutFunction(std::string_view name) {
  const TBuiltinRow* row = Builtins::Find(name);
  return row != nullptr && row->InOutOnly;
}

class TLineRun {
 public:
  TLineRun(TInterpreter& in, TEvalMode mode)
      : in_(in),
        mode_(mode),
        block_(*in.CurrentBlock),
        tokens_(in.EvalFrame(in.EvalDepth).statementTokens),
        result_(in.EvalFrame(in.EvalDepth).statementResult) {}

  int Run(std::string_view line);

 private:
  TOutcome NextStatement(std::string_view& rest);
  TOutcome Dispatch(std::string_view statement, const TTokenState& first, int afterFirst);
  TOutcome Expression(std::string_view statement, int afterFirst);
  TOutcome Fail(TErrorClass errorClass, std::string_view message) {
    StatementErrors::ReportWithToken(in_, errorClass, message);
    return TOutcome::Failed;
  }
  TOutcome InOutMessage() { return Fail(TErrorClass::NotAllowed, kInOutOnly); }
  bool InOut() const { return block_.Shape == nstInOut; }

  TInterpreter& in_;
  TEvalMode mode_;
  TNewShape& block_;
  // The tokens of the current statement, read once for its end and reused by the evaluation.
  std::vector<TScannedToken>& tokens_;
  std::string& result_;
};

int TLineRun::Run(std::string_view line) {
  std::string_view rest = line;
  for (;;) {
    switch (NextStatement(rest)) {
      case TOutcome::Continue:
        break;
      case TOutcome::LineDone:
        return 1;
      case TOutcome::Failed:
        return 0;
    }
  }
}

// Finds the statement at the start of rest, up to and including its ";", and runs it.
// The tokens are read on a state of their own; only the last one reaches the context.
TOutcome TLineRun::NextStatement(std::string_view& rest) {
  TTokenState token = TTokenState::From(in_);
  int position = 1;
  bool first = true;
  tokens_.clear();
  for (;;) {
    const int after = Tokenizer::Scan(in_, rest, position, token);
    tokens_.push_back({token, after});
    if (token.IsOperator(opSemicolon)) {
      position = after;
      break;
    }
    if (after == -1) {
      token.CommitTo(in_);
      if (first &&
          (token.kind == tkComment || (token.kind == tkInvalid && token.message == kTokenFine))) {
        return TOutcome::LineDone;
      }
      // A token that ends the line with an error of its own is reported, not passed over.
      if (first && token.kind == tkInvalid) return Fail(TErrorClass::Syntax, kUndefinedToken);
      return Fail(TErrorClass::Syntax, kNoSemicolon);
    }
    first = false;
    position = after;
  }
  token.CommitTo(in_);
  const std::string_view statement = rest.substr(0, static_cast<std::size_t>(position) - 1);
  rest.remove_prefix(statement.size());
  ++in_.StatementCount;
  ++in_.BlockStatementCount;
  if (block_.Shape == nstChoice && in_.BlockStatementCount > 1) {
    return Fail(TErrorClass::NotAllowed, kOneStatementInDecision);
  }
  return Dispatch(statement, tokens_.front().state, tokens_.front().after);
}

// The first token of the statement is the one the statement's search began with.
TOutcome TLineRun::Dispatch(std::string_view statement, const TTokenState& first, int afterFirst) {
  first.CommitTo(in_);
  switch (in_.TokenKind) {
    case tkTypeName:
      if (InOut()) return InOutMessage();
      if (block_.Shape != nstCalc) return Fail(TErrorClass::NotAllowed, kDeclarationOnlyInCalc);
      return Declaration::Run(in_, statement, mode_) ? TOutcome::Continue : TOutcome::Failed;
    case tkIntConst:
    case tkDoubleConst:
    case tkOperator:
      if (InOut()) return InOutMessage();
      return Expression(statement, afterFirst);
    case tkIdentifier:
      if (InOut()) return InOutMessage();
      if (!in_.VariableExists(in_.Token)) {
        std::string message(kUndefinedPrefix);
        message.append(in_.Token);
        message.append(kUndefinedSuffix);
        StatementErrors::Report(in_, TErrorClass::Syntax, message);
        return TOutcome::Failed;
      }
      return Expression(statement, afterFirst);
    case tkFunction:
      if (InOut() && !IsInOutFunction(in_.Token)) return InOutMessage();
      return Expression(statement, afterFirst);
    case tkInvalid:
      if (afterFirst == -1) return TOutcome::LineDone;
      return Fail(TErrorClass::Syntax, kUndefinedToken);
    case tkCharConst:
      return Fail(TErrorClass::Syntax, kCharMisused);
    case tkStringConst:
      return Fail(TErrorClass::Syntax, kStringMisused);
    case tkComment:
      return TOutcome::Continue;
    default:
      return Fail(TErrorClass::Syntax, kNotUnderstood);
  }
}

TOutcome TLineRun::Expression(std::string_view statement, int afterFirst) {
  if (afterFirst == -1) return Fail(TErrorClass::Syntax, kCause);
  const std::size_t start = Tokenizer::TokenStart(statement, 1);
  int position = afterFirst;
  const TPrescan prescan{&tokens_, static_cast<int>(start)};
  if (!ExpressionEvaluator::EvaluateInto(in_, statement.substr(start), position, mode_, result_,
                                         &prescan)) {
    return TOutcome::Failed;
  }
  in_.ShowVariables();
  return position == -1 ? TOutcome::LineDone : TOutcome::Continue;
}

}  // namespace

int StatementInterpreter::InterpretLine(TInterpreter& interpreter, TEvalMode mode) {
  TNewShape* block = interpreter.CurrentBlock;
  if (block == nullptr || block->Code.empty()) return 1;
  if (interpreter.Line < 1 || static_cast<std::size_t>(interpreter.Line) > block->Code.size()) {
    return 1;
  }
  const std::string& line = block->Code[static_cast<std::size_t>(interpreter.Line) - 1];
  TLineRun run(interpreter, mode);
  return run.Run(line);
}

}  // namespace zuvar
