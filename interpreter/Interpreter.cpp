#include "interpreter/Interpreter.h"

#include "interpreter/Builtins.h"
#include "interpreter/EvalFrame.h"

namespace zuvar {

TInterpreter::TInterpreter(THost& hostRef) : host(hostRef) {
  Builtins::FillBuiltinFunctions(*this);
}

TInterpreter::~TInterpreter() = default;

TInterpreter::variables* TInterpreter::FindVariable(std::string_view name) const {
  return index_.Find(name);
}

TInterpreter::variables* TInterpreter::AppendVariable(std::unique_ptr<variables> variable) {
  variables* node = variable.get();
  // Every reader relies on one text per element (one for a scalar).
  const std::size_t texts = node->Count > 0 ? node->Count : 1;
  if (node->Values.size() < texts) {
    const bool numeric = node->Type >= vtChar && node->Type <= vtDouble;
    node->Values.resize(texts, numeric ? "0" : "");
  }
  node->Prev = tail_;
  node->Next = nullptr;
  if (tail_) {
    tail_->Next = node;
  } else {
    Variables = node;
  }
  tail_ = node;
  nodes_.push_back(std::move(variable));
  index_.Insert(node);
  NoteChange(node, -1);
  return node;
}

void TInterpreter::ClearVariables() {
  index_.Clear();
  nodes_.clear();
  Variables = nullptr;
  tail_ = nullptr;
  changes_.clear();
}

// A statement changes few variables: a linear search keeps the list free of repeats.
void TInterpreter::NoteChange(const variables* var, int32_t index) {
  if (var->Count == 0) index = -1;
  for (const TChange& change : changes_) {
    if (change.Var == var && (change.Index == index || change.Index < 0)) return;
  }
  if (changes_.size() < kMaxChanges) changes_.push_back({var, index});
}

void TInterpreter::TruncateVariables(std::size_t count) {
  if (count >= nodes_.size()) return;
  if (count == 0) {
    ClearVariables();
    return;
  }
  nodes_.resize(count);
  tail_ = nodes_.back().get();
  tail_->Next = nullptr;
  // The index cannot forget single names: it is rebuilt from the variables that stay.
  index_.Clear();
  for (const auto& node : nodes_) index_.Insert(node.get());
}

void TInterpreter::ShowVariables() {
  if (VariablesListener) VariablesListener->OnVariablesChanged();
}

TEvalFrame& TInterpreter::EvalFrame(int depth) {
  while (static_cast<int>(frames_.size()) <= depth) {
    frames_.push_back(std::make_unique<TEvalFrame>());
  }
  return *frames_[static_cast<std::size_t>(depth)];
}

}  // namespace zuvar
