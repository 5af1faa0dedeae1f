#include "model/Strzala.h"

namespace zuvar {

void TStrzala::Place(TPoint end) {
  switch (Direction) {
    case 1:  // enters from above: the box stands on the end point
      Left = end.X - Width / 2;
      Top = end.Y - Height;
      break;
    case 2:  // from the left
      Left = end.X - Width;
      Top = end.Y - Height / 2;
      break;
    case 3:  // from the right
      Left = end.X;
      Top = end.Y - Height / 2;
      break;
    case 4:  // from below
      Left = end.X - Width / 2;
      Top = end.Y;
      break;
    default:
      break;
  }
}

std::array<TPoint, 3> TStrzala::Triangle() const {
  constexpr int32_t w = Width;
  constexpr int32_t h = Height;
  switch (Direction) {
    case 1:
      return {TPoint{0, 0}, TPoint{w, 0}, TPoint{w / 2, h}};
    case 2:
      return {TPoint{0, 0}, TPoint{w, h / 2}, TPoint{0, h}};
    case 3:
      return {TPoint{w, 0}, TPoint{w, h}, TPoint{0, h / 2}};
    case 4:
      return {TPoint{0, h}, TPoint{w / 2, 0}, TPoint{w, h}};
    default:
      return {TPoint{0, 0}, TPoint{0, 0}, TPoint{0, 0}};
  }
}

}  // namespace zuvar
