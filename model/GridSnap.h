#pragma once

#include <cstdint>

namespace zuvar {

// The grid that placed and dragged blocks snap to: block centres (left + width / 2) on multiples
// of Step sheet pixels.
namespace GridSnap {

inline constexpr int32_t Step = 10;

// The multiple of Step nearest to a value; a value halfway goes up.
int32_t Nearest(int32_t value);
// The left (or top) edge nearest to the given one that puts the centre of a span of the given
// size on the grid.
int32_t StartForCentre(int32_t start, int32_t size);

}  // namespace GridSnap

}  // namespace zuvar
