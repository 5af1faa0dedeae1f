#pragma once

#include <cstddef>
#include <vector>

#include "interpreter/StepJournal.h"
#include "simulation/SimulationEngine.h"
#include "simulation/StepRecord.h"

namespace zuvar {

class TInterpreter;

// The steps of a run that can be undone, newest last, at most Limit() of them: when a step is
// recorded beyond the limit the oldest record is dropped. The records live in a ring that is
// reused from step to step and from run to run, so that recording a step allocates nothing once
// the ring is full. While a step is being recorded the history is the context's step journal,
// so that it keeps the old text of every value and the old condition result that the step
// overwrites.
class TRunHistory : private TStepJournal {
 public:
  static constexpr std::size_t kDefaultLimit = 1000;

  explicit TRunHistory(std::size_t limit = kDefaultLimit) : limit_(limit) {}
  TRunHistory(const TRunHistory&) = delete;
  TRunHistory& operator=(const TRunHistory&) = delete;

  // Sets the number of steps kept and forgets the recorded ones; 0 keeps no history at all
  // (zuvar-run).
  void SetLimit(std::size_t limit);
  std::size_t Limit() const { return limit_; }
  bool Empty() const { return size_ == 0; }
  std::size_t Size() const { return size_; }

  // Before a step: records where the run stands and starts journaling the run's overwrites.
  void BeginStep(TInterpreter& run, const TSimulationEngine::TPosition& engine);
  // After the step (however it ended): stops journaling.
  void EndStep(TInterpreter& run);
  // Undoes the newest recorded step on the run and forgets it; returns the engine's position
  // before that step. Nothing may be empty.
  TSimulationEngine::TPosition Undo(TInterpreter& run);
  // Forgets every recorded step (the ring's storage stays for the next run).
  void Clear();

  // The bytes that the ring holds, with its records' strings (for the benchmarks).
  std::size_t MemoryBytes() const;

 private:
  void ValueOverwriting(TInterpreter::variables& variable, std::size_t index) override;
  void ConditionSetting(TNewShape& block, uint8_t result) override;
  TStepRecord& NewRecord();
  TStepRecord& Newest();
  std::size_t Slot(std::size_t offset) const;

  std::size_t limit_;
  // The records: the oldest at start_, then size_ of them, wrapping around the end. The ring
  // grows up to the limit; it wraps only once it has reached it.
  std::vector<TStepRecord> ring_;
  std::size_t start_ = 0;
  std::size_t size_ = 0;
  TStepRecord* open_ = nullptr;
};

}  // namespace zuvar
