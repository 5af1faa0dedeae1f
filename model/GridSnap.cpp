#include "model/GridSnap.h"

#include <algorithm>
#include <limits>

namespace zuvar::GridSnap {

namespace {

int32_t Narrow(int64_t value) {
  return static_cast<int32_t>(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                                  std::numeric_limits<int32_t>::max()));
}

int64_t NearestWide(int64_t value) {
  const int64_t shifted = value + Step / 2;
  const int64_t floored = shifted >= 0 ? shifted / Step : -((-shifted + Step - 1) / Step);
  return floored * Step;
}

}  // namespace

int32_t Nearest(int32_t value) { return Narrow(NearestWide(value)); }

int32_t StartForCentre(int32_t start, int32_t size) {
  const int64_t half = size / 2;
  return Narrow(NearestWide(int64_t{start} + half) - half);
}

}  // namespace zuvar::GridSnap
