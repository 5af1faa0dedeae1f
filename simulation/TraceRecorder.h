#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <unordered_map>
#include <vector>

#include "simulation/RunObserver.h"
#include "simulation/TraceBuffer.h"

namespace zuvar {

// Keeps the trace of a run: one row per step with the block, the code line, the variables the
// step changed with their new values and the text it wrote; only the newest Capacity() rows
// stay. The trace is emptied when a new run starts and kept after the run ends. The caption and
// code of each block are copied once per run, when the block first runs, and shared by its rows:
// a step writes only what it changed and wrote.
class TTraceRecorder : public TRunObserver {
 public:
  static constexpr std::size_t kDefaultCapacity = 100000;
  // An array declared by a step shows this many elements at most.
  static constexpr std::size_t kElementsShown = 10;

  explicit TTraceRecorder(std::size_t capacity = kDefaultCapacity);

  const TTraceBuffer& Rows() const { return rows_; }
  void Clear();
  // While off, steps are only counted: rows taken later keep their run's step numbers. On when
  // made, so that whoever asks for no trace says so.
  void SetRecording(bool recording) { recording_ = recording; }
  bool Recording() const { return recording_; }

  TRunEvents Events() const override {
    return {TRunEvent::StepDone, TRunEvent::RunEnded, TRunEvent::StateChanged};
  }
  void StepDone(const TInterpreter& run, const TStepReport& step) override;
  void RunEnded(const TInterpreter& run) override;
  void StateChanged(TRunState state) override;

 private:
  // A block's texts as they were when the run first reached it.
  struct TBlockTexts {
    std::string Caption;
    std::vector<std::string> Code;
  };

  const TBlockTexts& TextsOf(const TNewShape& block);
  void ForgetBlocks();
  void DescribeChanges(const TInterpreter& run, std::string& text) const;

  // Declared before the rows, which point into them, so that they go after the rows.
  std::deque<TBlockTexts> texts_;
  // The blocks of the run in progress; forgotten when it ends, since the diagram may change then.
  std::unordered_map<const TNewShape*, const TBlockTexts*> blocks_;
  struct TRecent {
    const TNewShape* Block = nullptr;
    const TBlockTexts* Texts = nullptr;
  };
  std::array<TRecent, 64> recent_{};
  TTraceBuffer rows_;
  std::uint64_t steps_ = 0;
  bool recording_ = true;
  TRunState state_ = TRunState::Idle;
};

}  // namespace zuvar
