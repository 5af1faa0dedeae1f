#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "simulation/RunObserver.h"
#include "simulation/TraceBuffer.h"

namespace zuvar {

// Keeps the trace of a run: one row per step with the block, the code line, the variables the
// step changed with their new values and the text it wrote; only the newest Capacity() rows
// stay. The trace is emptied when a new run starts and kept after the run ends.
class TTraceRecorder : public TRunObserver {
 public:
  static constexpr std::size_t kDefaultCapacity = 100000;
  // An array declared by a step shows this many elements at most.
  static constexpr std::size_t kElementsShown = 10;

  explicit TTraceRecorder(std::size_t capacity = kDefaultCapacity);

  const TTraceBuffer& Rows() const { return rows_; }
  void Clear();

  void StepDone(const TInterpreter& run, const TStepReport& step) override;
  void StateChanged(TRunState state) override;

 private:
  void DescribeChanges(const TInterpreter& run, std::string& text) const;

  TTraceBuffer rows_;
  std::uint64_t steps_ = 0;
  TRunState state_ = TRunState::Idle;
};

}  // namespace zuvar
