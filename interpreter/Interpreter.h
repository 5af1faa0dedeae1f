#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "interpreter/FunctionNames.h"
#include "interpreter/LanguageTables.h"
#include "interpreter/VariableIndex.h"
#include "interpreter/VariablesListener.h"
#include "model/Host.h"

namespace zuvar {

class TNewShape;
class TSchemat;
class TOutputLines;
class TStepJournal;
struct TEvalFrame;

// How an expression is evaluated: when a block runs; during the code check pass, which writes
// nothing, asks for nothing and divides by 1 instead of 0; or read-only, to inspect the run
// without disturbing it: an assignment, `read` and `write` are refused, a division by zero is
// an error as when running, and the current block's ConditionResult is left alone.
enum class TEvalMode : uint8_t { Execute, Check, Inspect };

// The context of one simulation run (or code check): where the run stands, the tokenizer's last
// token, the declared variables and the counters. Every operation of the interpreter works on
// one context; nothing of a run lives elsewhere.
class TInterpreter {
 public:
  // One declared variable, linked in declaration order. The context owns every node.
  struct variables {
    std::string Name;
    uint8_t Type = 0;
    uint32_t Count = 0;               // 0 for a scalar, else the number of elements
    std::vector<std::string> Values;  // one text for a scalar, Count texts for an array
    variables* Next = nullptr;
    variables* Prev = nullptr;
  };
  // A change of a variable by a statement: one element of an array (Index), or the whole
  // variable (Index -1: a scalar, or an array just declared).
  struct TChange {
    const variables* Var = nullptr;
    int32_t Index = -1;
  };

  explicit TInterpreter(THost& host);
  ~TInterpreter();
  TInterpreter(const TInterpreter&) = delete;
  TInterpreter& operator=(const TInterpreter&) = delete;

  TNewShape* CurrentBlock = nullptr;
  TSchemat* Diagram = nullptr;
  uint8_t Faulted = 0;
  TNewShape* SavedActiveBlock = nullptr;
  int32_t Line = 0;
  variables* Variables = nullptr;  // head of the list; read it, change it only through the calls
  std::string Token;
  TTokenKind TokenKind = tkInvalid;
  std::string TokenMessage;
  int32_t OperatorCode = opNone;
  uint8_t StepInterrupt = 0;
  uint32_t AnimationDelay = 5;
  uint8_t Finished = 0;
  int32_t StartError = 0;
  TOutputLines* OutputLines = nullptr;
  uint8_t Checking = 0;
  uint32_t StatementCount = 0;
  uint32_t BlockStatementCount = 0;

  // Where messages, log lines, beeps and `read` entries go.
  THost& host;
  // The option "Pokazuj indeksy tablic w osobnych polach": each array element on a row of its
  // own in the variables grid.
  bool ShowArrayIndexesSeparately = true;
  // Set when `read` found that no entry can ever come: the run must end (no message is shown).
  bool InputEnded = false;
  // Names of the built-in functions; refilled by FillBuiltinFunctions when a run is prepared.
  TFunctionNames BuiltinFunctions;
  // Told by ShowVariables; may be null.
  TVariablesListener* VariablesListener = nullptr;
  // Told of every value and condition result that a statement overwrites; null when no step is
  // being recorded.
  TStepJournal* StepJournal = nullptr;

  bool VariableExists(std::string_view name) const { return FindVariable(name) != nullptr; }
  variables* FindVariable(std::string_view name) const;
  const variables* LastVariable() const { return tail_; }
  std::size_t VariableCount() const { return index_.size(); }
  // Links a new variable at the tail of the list. Its name must not be in the list yet. Missing
  // texts of its values are added as initial values.
  variables* AppendVariable(std::unique_ptr<variables> variable);
  // Frees every variable.
  void ClearVariables();
  // Frees the variables declared after the first `count` ones (the tail of the list).
  void TruncateVariables(std::size_t count);
  // Tells the listener that the variables grid should be refilled.
  void ShowVariables();
  // The variables changed since ForgetChanges, each once, in the order of their first change;
  // a declaration counts as a change. The list holds at most kMaxChanges entries.
  const std::vector<TChange>& Changes() const { return changes_; }
  void NoteChange(const variables* var, int32_t index);
  void ForgetChanges() { changes_.clear(); }
  static constexpr std::size_t kMaxChanges = 256;

  // Scratch space of the evaluation at the given nesting depth (0 outermost), kept between
  // evaluations so that a run does not allocate per statement.
  TEvalFrame& EvalFrame(int depth);
  int EvalDepth = 0;

 private:
  std::vector<std::unique_ptr<variables>> nodes_;
  TVariableIndex<variables> index_;
  variables* tail_ = nullptr;
  std::vector<TChange> changes_;
  std::vector<std::unique_ptr<TEvalFrame>> frames_;
};

}  // namespace zuvar
