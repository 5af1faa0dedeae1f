#pragma once

namespace zuvar {

// Why a run must stop before its end: Ctrl+C (SIGINT), SIGTERM, or standard output that cannot
// take the algorithm's output any more. The runner looks at it between two steps, and it makes
// a blocking read of standard input give up. Installing it replaces the default handlers of the
// two signals, which would end the process without the end of the run and its output.
namespace InterruptFlag {

void Install();
bool Raised();
// The exit status of the first reason raised: 128 + the signal's number for a signal,
// kExitOutputFailed for the output.
int ExitStatus();
// Stops the run because its output cannot be written.
void RaiseOutputFailed();

}  // namespace InterruptFlag

}  // namespace zuvar
