#pragma once

namespace zuvar {

// The exit statuses of zuvar-run.
enum ExitStatus : int {
  kExitStopReached = 0,    // the run reached its stop block; --check: the diagram is valid
  kExitNotStarted = 1,     // the file could not be read, or the run could not start
  kExitStepFailed = 2,     // a step failed
  kExitStepLimit = 3,      // --max-steps or --timeout ran out
  kExitInputEnded = 4,     // standard input ended while `read` waited for an entry
  kExitOutputDiffers = 5,  // --expect: the output differs; --tests: a case failed
  kExitUsage = 64,         // bad command line
  kExitOutputFailed = 74,  // standard output could not be written (a full disk, a closed pipe)
  kExitInterrupted = 130,  // Ctrl+C (SIGINT)
  kExitTerminated = 143,   // SIGTERM
};

}  // namespace zuvar
