// libFuzzer harness: arbitrary bytes as a project file.
#include "fuzz/FuzzTargets.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  zuvar::fuzz::FuzzTargets::ReadProject(data, size);
  return 0;
}
