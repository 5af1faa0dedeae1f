#pragma once

#include <cstddef>
#include <deque>

#include "interpreter/StepJournal.h"
#include "simulation/SimulationEngine.h"
#include "simulation/StepRecord.h"

namespace zuvar {

class TInterpreter;

// The steps of a run that can be undone, newest last, at most Limit() of them: when a step is
// recorded beyond the limit the oldest record is dropped (and reused). While a step is being
// recorded the history is the context's step journal, so that it keeps the old text of every
// value and the old condition result that the step overwrites.
class TRunHistory : private TStepJournal {
 public:
  static constexpr std::size_t kDefaultLimit = 1000;

  explicit TRunHistory(std::size_t limit = kDefaultLimit) : limit_(limit) {}
  TRunHistory(const TRunHistory&) = delete;
  TRunHistory& operator=(const TRunHistory&) = delete;

  // 0 keeps no history at all (zuvar-run). Records beyond a smaller limit are dropped.
  void SetLimit(std::size_t limit);
  std::size_t Limit() const { return limit_; }
  bool Empty() const { return records_.empty(); }
  std::size_t Size() const { return records_.size(); }

  // Before a step: records where the run stands and starts journaling the run's overwrites.
  void BeginStep(TInterpreter& run, const TSimulationEngine::TPosition& engine);
  // After the step (however it ended): stops journaling.
  void EndStep(TInterpreter& run);
  // Undoes the newest recorded step on the run and forgets it; returns the engine's position
  // before that step. Nothing may be empty.
  TSimulationEngine::TPosition Undo(TInterpreter& run);
  void Clear();

  // The bytes that the records hold, with their strings' storage (for the benchmarks).
  std::size_t MemoryBytes() const;

 private:
  void ValueOverwriting(TInterpreter::variables& variable, std::size_t index) override;
  void ConditionSetting(TNewShape& block, uint8_t result) override;
  TStepRecord& NewRecord();

  std::size_t limit_;
  std::deque<TStepRecord> records_;
  // A record given up by Undo, kept for the next step so that its storage is reused.
  std::deque<TStepRecord> spare_;
  TStepRecord* open_ = nullptr;
};

}  // namespace zuvar
