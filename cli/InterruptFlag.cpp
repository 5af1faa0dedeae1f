#include "cli/InterruptFlag.h"

#include <csignal>

namespace zuvar {

namespace {

// A signal handler can reach nothing but a static object of this type; it is the one piece of
// process-wide state of zuvar-run and is written only by the handler.
volatile std::sig_atomic_t interruptRaised = 0;

extern "C" void OnInterrupt(int) { interruptRaised = 1; }

}  // namespace

void InterruptFlag::Install() {
  struct sigaction action {};
  action.sa_handler = OnInterrupt;
  sigemptyset(&action.sa_mask);
  action.sa_flags = 0;  // no SA_RESTART: a blocking read returns EINTR and sees the flag
  sigaction(SIGINT, &action, nullptr);
}

bool InterruptFlag::Raised() { return interruptRaised != 0; }

}  // namespace zuvar
