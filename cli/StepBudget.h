#pragma once

#include <chrono>
#include <cstdint>

namespace zuvar {

// What a run to the end on the terminal may spend: at most a number of steps (0: any) and of
// seconds (0: any), and never past an interrupt (Ctrl+C). Asked before every step.
class TStepBudget {
 public:
  TStepBudget(std::uint64_t maxSteps, double timeoutSeconds)
      : maxSteps_(maxSteps), timeoutSeconds_(timeoutSeconds) {}

  // Starts counting the steps and the time anew.
  void Start();
  // Whether one more step may run; counts it when it may.
  bool KeepGoing();
  std::uint64_t Steps() const { return steps_; }
  // Whether the time ran out (rather than the steps, or an interrupt).
  bool TimedOut() const { return timedOut_; }

 private:
  std::uint64_t maxSteps_;
  double timeoutSeconds_;
  std::uint64_t steps_ = 0;
  std::chrono::steady_clock::time_point deadline_;
  bool timedOut_ = false;
};

}  // namespace zuvar
