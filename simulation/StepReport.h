#pragma once

#include <cstdint>
#include <string_view>

namespace zuvar {

class TNewShape;

// What one step of a run did: the block it ended in, the code line it ran there and the text
// that `write` put out meanwhile. The variables it changed are the run's Changes().
struct TStepReport {
  TNewShape* Block = nullptr;
  // The number of the line run (from 1); 0 when the step ran no line (it entered a block
  // without code, stopped at a breakpoint, or reached the stop block).
  int32_t Line = 0;
  // The text written, lines joined by "\n"; valid only during the call.
  std::string_view Written;
};

}  // namespace zuvar
