// libFuzzer harness: arbitrary bytes as one code line of a block.
#include "fuzz/FuzzTargets.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  zuvar::fuzz::FuzzTargets::InterpretLine(data, size);
  return 0;
}
