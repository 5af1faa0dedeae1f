#include "simulation/RunHistory.h"

#include "model/NewShape.h"
#include "model/OutputLines.h"

namespace zuvar {

void TRunHistory::SetLimit(std::size_t limit) {
  limit_ = limit;
  ring_.clear();
  Clear();
}

void TRunHistory::Clear() {
  start_ = 0;
  size_ = 0;
  open_ = nullptr;
}

// The slot `offset` places after the oldest record, around the ring's end; a step costs no
// division.
std::size_t TRunHistory::Slot(std::size_t offset) const {
  const std::size_t index = start_ + offset;
  return index < ring_.size() ? index : index - ring_.size();
}

TStepRecord& TRunHistory::NewRecord() {
  std::size_t index = 0;
  if (size_ == limit_) {
    // Full: the oldest record is dropped and reused.
    index = start_;
    start_ = Slot(1);
  } else {
    if (ring_.size() < limit_ && start_ + size_ == ring_.size()) ring_.emplace_back();
    index = Slot(size_);
    ++size_;
  }
  TStepRecord& record = ring_[index];
  record.OverwriteCount = 0;
  record.Conditions.clear();
  return record;
}

TStepRecord& TRunHistory::Newest() { return ring_[Slot(size_ - 1)]; }

void TRunHistory::BeginStep(TInterpreter& run, const TSimulationEngine::TPosition& engine) {
  if (limit_ == 0) return;
  TStepRecord& record = NewRecord();
  record.CurrentBlock = run.CurrentBlock;
  record.Line = run.Line;
  record.StatementCount = run.StatementCount;
  record.BlockStatementCount = run.BlockStatementCount;
  record.Finished = run.Finished;
  record.InputEnded = run.InputEnded;
  record.Engine = engine;
  record.VariableCount = run.VariableCount();
  record.OutputLineCount = run.OutputLines ? run.OutputLines->LineCount() : 0;
  record.LastLineLength = run.OutputLines ? run.OutputLines->LastLineLength() : 0;
  open_ = &record;
  run.StepJournal = this;
}

void TRunHistory::EndStep(TInterpreter& run) {
  if (run.StepJournal == this) run.StepJournal = nullptr;
  open_ = nullptr;
}

void TRunHistory::ValueOverwriting(TInterpreter::variables& variable, std::size_t index) {
  if (!open_) return;
  TStepRecord& record = *open_;
  if (record.OverwriteCount == record.Overwrites.size()) record.Overwrites.emplace_back();
  TStepRecord::TOverwrite& entry = record.Overwrites[record.OverwriteCount++];
  entry.Variable = &variable;
  entry.Index = index;
  entry.Text.assign(variable.Values[index]);
}

void TRunHistory::ConditionSetting(TNewShape& block, uint8_t result) {
  if (!open_ || block.ConditionResult == result) return;
  open_->Conditions.push_back({&block, block.ConditionResult});
}

TSimulationEngine::TPosition TRunHistory::Undo(TInterpreter& run) {
  EndStep(run);
  TStepRecord& record = Newest();
  // Newest first, so that a value overwritten twice in the step ends with its oldest text.
  for (std::size_t i = record.OverwriteCount; i-- > 0;) {
    TStepRecord::TOverwrite& entry = record.Overwrites[i];
    entry.Variable->Values[entry.Index].swap(entry.Text);
  }
  for (auto it = record.Conditions.rbegin(); it != record.Conditions.rend(); ++it)
    it->Block->ConditionResult = it->Result;
  // Variables that the step declared are the tail of the list; any value of theirs that the
  // step overwrote was put back above while they still existed.
  run.TruncateVariables(record.VariableCount);
  run.CurrentBlock = record.CurrentBlock;
  run.Line = record.Line;
  run.StatementCount = record.StatementCount;
  run.BlockStatementCount = record.BlockStatementCount;
  run.Finished = record.Finished;
  run.InputEnded = record.InputEnded;
  if (run.OutputLines) run.OutputLines->TruncateTo(record.OutputLineCount, record.LastLineLength);
  --size_;
  return record.Engine;
}

namespace {

std::size_t StringBytes(const std::string& text) {
  // Texts that fit in the string object itself take no storage of their own.
  return text.capacity() > std::string().capacity() ? text.capacity() + 1 : 0;
}

std::size_t RecordBytes(const TStepRecord& record) {
  std::size_t bytes = sizeof(TStepRecord);
  bytes += record.Overwrites.capacity() * sizeof(TStepRecord::TOverwrite);
  for (const TStepRecord::TOverwrite& entry : record.Overwrites) bytes += StringBytes(entry.Text);
  bytes += record.Conditions.capacity() * sizeof(TStepRecord::TCondition);
  return bytes;
}

}  // namespace

std::size_t TRunHistory::MemoryBytes() const {
  std::size_t bytes = (ring_.capacity() - ring_.size()) * sizeof(TStepRecord);
  for (const TStepRecord& record : ring_) bytes += RecordBytes(record);
  return bytes;
}

}  // namespace zuvar
