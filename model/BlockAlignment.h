#pragma once

#include <cstdint>
#include <vector>

namespace zuvar {

class TNewShape;

// Lining blocks up with one block. A block's centre is the middle of its sides as connections
// use it: left + width / 2, top + height / 2.
namespace BlockAlignment {

enum class TAxis {
  // One above the other: every block takes the anchor's centre x.
  Vertical,
  // Side by side: every block takes the anchor's centre y.
  Horizontal,
};

struct TPlace {
  TNewShape* Block = nullptr;
  int32_t Left = 0, Top = 0;
};

// The new places of those blocks that move to line up with the anchor, in the given order. A
// block is kept on a sheet of the given size where it fits, even if it then misses the line.
std::vector<TPlace> Align(const std::vector<TNewShape*>& blocks, const TNewShape& anchor,
                          TAxis axis, int32_t sheetWidth, int32_t sheetHeight);

}  // namespace BlockAlignment

}  // namespace zuvar
