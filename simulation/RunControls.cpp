#include "simulation/RunControls.h"

namespace zuvar {

TRunControls TRunControls::For(TRunState state, bool hasHistory) {
  TRunControls controls = ForState(state);
  // A step is undone between steps only: not while one runs, nor during a run to the end.
  controls.StepBack = hasHistory && (state == TRunState::Ready || state == TRunState::Finished);
  return controls;
}

TRunControls TRunControls::ForState(TRunState state) {
  //                                 Start  End    Step   RunToEnd Stop   RealTime
  switch (state) {
    case TRunState::Idle:
      return TRunControls{true, false, false, false, false, true};
    case TRunState::Ready:
      return TRunControls{false, true, true, true, false, true};
    case TRunState::Stepping:
      // The step key pressed during the step's animation only cuts the animation short.
      return TRunControls{false, false, true, false, false, false};
    case TRunState::RunningToEnd:
      // Between two steps the step key runs one more step; inside a step it cuts the running
      // animation short, and so does the stop.
      return TRunControls{false, false, true, false, true, false};
    case TRunState::Finished:
      return TRunControls{false, true, false, false, false, true};
  }
  return TRunControls{};
}

}  // namespace zuvar
