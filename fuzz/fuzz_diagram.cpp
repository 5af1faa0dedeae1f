// libFuzzer harness: arbitrary bytes as a diagram that is validated and run.
#include "fuzz/FuzzTargets.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  zuvar::fuzz::FuzzTargets::RunDiagram(data, size);
  return 0;
}
