#pragma once

#include <array>
#include <cstdint>

#include "model/Drawing.h"

namespace zuvar {

// The arrow head at the end of a link: an 8 x 8 box with a solid black triangle pointing into
// the entry side. Direction is the entry side, 1 top, 2 left, 3 right, 4 bottom.
class TStrzala {
 public:
  static constexpr int32_t Width = 8;
  static constexpr int32_t Height = 8;

  int32_t Direction = 0;
  int32_t Left = 0;
  int32_t Top = 0;

  // Places the box at the end point by the entry side. A Direction outside 1..4 leaves the box
  // where it is.
  void Place(TPoint end);

  // True when Direction is a side 1..4 and a triangle is drawn; otherwise a filled circle
  // covers the whole box.
  bool HasTriangle() const { return Direction >= 1 && Direction <= 4; }

  // The triangle's corners inside the box (valid only when HasTriangle()).
  std::array<TPoint, 3> Triangle() const;

  TRect Bounds() const { return TRect{Left, Top, Width, Height}; }
};

}  // namespace zuvar
