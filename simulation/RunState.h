#pragma once

namespace zuvar {

// Where a run stands. A check (validation without a run) never leaves Idle.
enum class TRunState {
  // No run exists.
  Idle,
  // A run exists and waits for the next command: a step, run to the end, or its end.
  Ready,
  // One step is in progress (its link animation lets the window work meanwhile).
  Stepping,
  // The run goes step after step until the algorithm ends, a step fails or a stop is asked for.
  RunningToEnd,
  // The run can go no further: the algorithm has ended or a step failed. Only its end remains.
  Finished,
};

}  // namespace zuvar
