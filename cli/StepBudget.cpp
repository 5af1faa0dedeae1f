#include "cli/StepBudget.h"

#include "cli/InterruptFlag.h"

namespace zuvar {

void TStepBudget::Start() {
  steps_ = 0;
  timedOut_ = false;
  deadline_ = std::chrono::steady_clock::now() +
              std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                  std::chrono::duration<double>(timeoutSeconds_));
}

bool TStepBudget::KeepGoing() {
  if (InterruptFlag::Raised()) return false;
  if (maxSteps_ != 0 && steps_ == maxSteps_) return false;
  if (timeoutSeconds_ > 0 && std::chrono::steady_clock::now() >= deadline_) {
    timedOut_ = true;
    return false;
  }
  ++steps_;
  return true;
}

}  // namespace zuvar
