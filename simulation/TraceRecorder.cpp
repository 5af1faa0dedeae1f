#include "simulation/TraceRecorder.h"

#include <algorithm>

#include "interpreter/Interpreter.h"
#include "interpreter/NumberText.h"
#include "model/NewShape.h"

namespace zuvar {

namespace {

constexpr std::string_view kSeparator = "; ";
constexpr std::string_view kMore = ", …";

void AppendElements(const TInterpreter::variables& var, std::size_t shown, std::string& text) {
  text += '{';
  const std::size_t count = std::min(var.Values.size(), shown);
  for (std::size_t i = 0; i < count; ++i) {
    if (i > 0) text += ", ";
    text += var.Values[i];
  }
  if (var.Values.size() > count) text += kMore;
  text += '}';
}

// The block as the canvas names it: the start and stop blocks by their kind, a node (which
// shows no text) by its kind too, the others by their caption.
std::string_view BlockText(const TNewShape& block) {
  switch (block.Shape) {
    case nstStart:
      return "START";
    case nstStop:
      return "STOP";
    case nstNode:
      return "Węzeł";
    default:
      return block.Caption;
  }
}

}  // namespace

TTraceRecorder::TTraceRecorder(std::size_t capacity) : rows_(capacity) {}

void TTraceRecorder::Clear() {
  rows_.Clear();
  steps_ = 0;
  ForgetBlocks();
  texts_.clear();
}

void TTraceRecorder::ForgetBlocks() {
  blocks_.clear();
  recent_.fill(TRecent{});
}

void TTraceRecorder::RunEnded(const TInterpreter& /*run*/) { ForgetBlocks(); }

// A loop runs the same few blocks over and over: a small table indexed by the block's address
// answers most steps before the map is asked.
const TTraceRecorder::TBlockTexts& TTraceRecorder::TextsOf(const TNewShape& block) {
  // Heap blocks start at multiples of 16 bytes.
  constexpr std::uintptr_t kGrain = 16;
  TRecent& recent = recent_[(reinterpret_cast<std::uintptr_t>(&block) / kGrain) % recent_.size()];
  if (recent.Block == &block) return *recent.Texts;
  const TBlockTexts*& texts = blocks_[&block];
  if (texts == nullptr)
    texts = &texts_.emplace_back(TBlockTexts{std::string(BlockText(block)), block.Code});
  recent = {&block, texts};
  return *texts;
}

// A new run: the controller leaves Idle for Ready. A check stays Idle and keeps the trace.
void TTraceRecorder::StateChanged(TRunState state) {
  if (state_ == TRunState::Idle && state == TRunState::Ready) Clear();
  state_ = state;
}

void TTraceRecorder::StepDone(const TInterpreter& run, const TStepReport& step) {
  ++steps_;
  if (!recording_) return;
  TTraceRow& row = rows_.Append();
  row.Step = steps_;
  row.Line = step.Line;
  if (step.Block != nullptr) {
    const TBlockTexts& texts = TextsOf(*step.Block);
    row.Block = texts.Caption;
    const auto line = static_cast<std::size_t>(step.Line);
    if (line >= 1 && line <= texts.Code.size()) row.Code = texts.Code[line - 1];
  }
  DescribeChanges(run, row.Changed);
  row.Written.assign(step.Written);
}

// "name = value" for each change, in the order the step made them: an element of an array
// with its index, an array declared with its first elements.
void TTraceRecorder::DescribeChanges(const TInterpreter& run, std::string& text) const {
  text.clear();
  for (const TInterpreter::TChange& change : run.Changes()) {
    const TInterpreter::variables& var = *change.Var;
    if (!text.empty()) text += kSeparator;
    text += var.Name;
    if (var.Count > 0 && change.Index >= 0) {
      text += '[';
      NumberText::AppendInteger(change.Index, text);
      text += ']';
    }
    text += " = ";
    if (var.Count == 0) {
      if (!var.Values.empty()) text += var.Values[0];
    } else if (change.Index >= 0) {
      const auto index = static_cast<std::size_t>(change.Index);
      if (index < var.Values.size()) text += var.Values[index];
    } else {
      AppendElements(var, kElementsShown, text);
    }
  }
}

}  // namespace zuvar
