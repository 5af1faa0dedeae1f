#pragma once

#include "simulation/RunObserver.h"

namespace zuvar {

class TZUVAR;

// Shows where a run stands inside its block: the source code window highlights the line that
// the last step ran, and a block of more than one code line carries the mark "line/count" on
// the canvas. Both follow the run once per turn of the event loop rather than at every step, so
// that a fast run to the end does not redraw them between its frames; they go when the run
// ends.
class TCurrentLineView : public TRunObserver {
 public:
  explicit TCurrentLineView(TZUVAR& window) : window_(window) {}

  TRunEvents Events() const override {
    return {TRunEvent::LineRun, TRunEvent::StepUndone, TRunEvent::RunEnded};
  }
  void LineRun(const TInterpreter& run, TNewShape* block, int line) override;
  // A step was undone: the line shown is the one the step before it ran.
  void StepUndone(const TInterpreter& run) override;
  void RunEnded(const TInterpreter& run) override;

 private:
  void Show(const TNewShape* block, int line);

  TZUVAR& window_;
  // The last line run, not shown yet while pending_.
  const TNewShape* block_ = nullptr;
  int line_ = 0;
  bool pending_ = false;
};

}  // namespace zuvar
