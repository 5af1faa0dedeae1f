#include "model/LinkRoute.h"

namespace zuvar {
namespace {

constexpr uint8_t kVertical = 0;
constexpr uint8_t kHorizontal = 1;
// How far a link that leaves and enters through the same kind of side runs beyond the outer
// of its two connection points before it turns.
constexpr int64_t kDetour = 10;

int64_t Abs(int64_t v) { return v < 0 ? -v : v; }

}  // namespace

void TLinkRoute::Add(uint8_t orientation, int64_t length) {
  // Lengths are kept as signed 32-bit numbers; coordinates far outside the sheet wrap instead
  // of overflowing.
  steps_[count_++] = TRouteStep{orientation, static_cast<int32_t>(length)};
}

// Top to top (detour -10: up) or bottom to bottom (detour +10: down). targetBeyond: the target
// lies further out on that side than the start.
void TLinkRoute::SameSideVertical(bool targetBeyond, int64_t dx, int64_t dy, int64_t detour) {
  if (targetBeyond) {
    Add(kVertical, dy + detour);
    Add(kHorizontal, dx);
    Add(kVertical, -detour);
  } else {
    Add(kVertical, detour);
    Add(kHorizontal, dx);
    Add(kVertical, dy - detour);
  }
}

// Left to left (detour -10) or right to right (detour +10).
void TLinkRoute::SameSideHorizontal(bool targetBeyond, int64_t dx, int64_t dy, int64_t detour) {
  if (targetBeyond) {
    Add(kHorizontal, dx + detour);
    Add(kVertical, dy);
    Add(kHorizontal, -detour);
  } else {
    Add(kHorizontal, detour);
    Add(kVertical, dy);
    Add(kHorizontal, dx - detour);
  }
}

void TLinkRoute::SplitVertical(int64_t dx, int64_t dy) {
  Add(kVertical, dy / 2);
  Add(kHorizontal, dx);
  Add(kVertical, dy / 2);
}

void TLinkRoute::SplitHorizontal(int64_t dx, int64_t dy) {
  Add(kHorizontal, dx / 2);
  Add(kVertical, dy);
  Add(kHorizontal, dx / 2);
}

TLinkRoute TLinkRoute::Compute(int32_t linkCode, TPoint start, TPoint end) {
  TLinkRoute route;
  const int64_t dx = int64_t{end.X} - start.X;
  const int64_t dy = int64_t{end.Y} - start.Y;
  switch (linkCode) {
    case 17:  // top to top
      route.SameSideVertical(end.Y < start.Y, dx, dy, -kDetour);
      break;
    case 68:  // bottom to bottom
      route.SameSideVertical(start.Y < end.Y, dx, dy, kDetour);
      break;
    case 34:  // left to left
      route.SameSideHorizontal(end.X < start.X, dx, dy, -kDetour);
      break;
    case 51:  // right to right
      route.SameSideHorizontal(start.X < end.X, dx, dy, kDetour);
      break;
    case 20:  // top to bottom
    case 65:  // bottom to top
      route.SplitVertical(dx, dy);
      break;
    case 35:  // left to right
    case 50:  // right to left
      route.SplitHorizontal(dx, dy);
      break;
    case 18:  // top to left
    case 19:  // top to right
    case 66:  // bottom to left
    case 67:  // bottom to right
      route.Add(kVertical, dy);
      route.Add(kHorizontal, dx);
      break;
    case 33:  // left to top
    case 36:  // left to bottom
    case 49:  // right to top
    case 52:  // right to bottom
      route.Add(kHorizontal, dx);
      route.Add(kVertical, dy);
      break;
    default:
      if (Abs(dy) < Abs(dx)) {
        route.SplitHorizontal(dx, dy);
      } else {
        route.SplitVertical(dx, dy);
      }
      break;
  }
  return route;
}

}  // namespace zuvar
