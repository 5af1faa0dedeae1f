#pragma once

#include <array>
#include <cstdint>

#include "model/Drawing.h"

namespace zuvar {

// One straight piece of a route: its orientation (0 vertical, 1 horizontal) and its signed
// length (positive: down or right).
struct TRouteStep {
  uint8_t Orientation = 0;
  int32_t Length = 0;
  friend bool operator==(const TRouteStep&, const TRouteStep&) = default;
};

// The segments of a link, laid out from the start point in order, each starting where the
// previous one ends. Computed from the link code (exit side x 16 + entry side) and the two end
// points alone; halves of distances are truncated toward zero.
class TLinkRoute {
 public:
  static TLinkRoute Compute(int32_t linkCode, TPoint start, TPoint end);

  int Count() const { return count_; }
  const TRouteStep& Step(int index) const { return steps_[index]; }

 private:
  void Add(uint8_t orientation, int64_t length);
  void SameSideVertical(bool targetBeyond, int64_t dx, int64_t dy, int64_t detour);
  void SameSideHorizontal(bool targetBeyond, int64_t dx, int64_t dy, int64_t detour);
  void SplitVertical(int64_t dx, int64_t dy);
  void SplitHorizontal(int64_t dx, int64_t dy);

  std::array<TRouteStep, 3> steps_{};
  int count_ = 0;
};

}  // namespace zuvar
