#include "model/BlockAlignment.h"

#include <algorithm>

#include "model/NewShape.h"

namespace zuvar::BlockAlignment {

namespace {

// The start of a span of the given size centred on a point, within [0, limit) where it fits.
int32_t StartOnSheet(int64_t centre, int32_t size, int32_t limit) {
  int64_t start = centre - size / 2;
  if (start + size > limit) start = int64_t{limit} - size;
  if (start < 0) start = 0;
  return static_cast<int32_t>(std::clamp<int64_t>(start, INT32_MIN, INT32_MAX));
}

}  // namespace

std::vector<TPlace> Align(const std::vector<TNewShape*>& blocks, const TNewShape& anchor,
                          TAxis axis, int32_t sheetWidth, int32_t sheetHeight) {
  const int64_t centreX = int64_t{anchor.Left} + anchor.Width / 2;
  const int64_t centreY = int64_t{anchor.Top} + anchor.Height / 2;
  std::vector<TPlace> places;
  for (TNewShape* block : blocks) {
    if (block == &anchor) continue;
    TPlace place{block, block->Left, block->Top};
    if (axis == TAxis::Vertical)
      place.Left = StartOnSheet(centreX, block->Width, sheetWidth);
    else
      place.Top = StartOnSheet(centreY, block->Height, sheetHeight);
    if (place.Left != block->Left || place.Top != block->Top) places.push_back(place);
  }
  return places;
}

}  // namespace zuvar::BlockAlignment
