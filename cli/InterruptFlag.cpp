#include "cli/InterruptFlag.h"

#include <csignal>

#include "cli/ExitStatus.h"

namespace zuvar {

namespace {

// A signal handler can reach nothing but a static object of this type; it is the one piece of
// process-wide state of zuvar-run: the exit status of the reason to stop, 0 while there is none.
volatile std::sig_atomic_t stopStatus = 0;

extern "C" void OnSignal(int signal) {
  if (stopStatus == 0) stopStatus = 128 + signal;
}

void Catch(int signal) {
  struct sigaction action {};
  action.sa_handler = OnSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = 0;  // no SA_RESTART: a blocking read returns EINTR and sees the flag
  sigaction(signal, &action, nullptr);
}

}  // namespace

void InterruptFlag::Install() {
  Catch(SIGINT);
  Catch(SIGTERM);
}

bool InterruptFlag::Raised() { return stopStatus != 0; }

int InterruptFlag::ExitStatus() { return stopStatus != 0 ? stopStatus : kExitInterrupted; }

void InterruptFlag::RaiseOutputFailed() {
  if (stopStatus == 0) stopStatus = kExitOutputFailed;
}

}  // namespace zuvar
