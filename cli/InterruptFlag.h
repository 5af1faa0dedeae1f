#pragma once

namespace zuvar {

// Turns Ctrl+C (SIGINT) into a flag that the runner looks at between two steps, and that makes
// a blocking read of standard input give up. Installing it replaces the default handler, which
// would end the process without flushing its output.
class InterruptFlag {
 public:
  static void Install();
  static bool Raised();
};

}  // namespace zuvar
