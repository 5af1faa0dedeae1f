#pragma once

#include <Qt>
#include <cstdint>

namespace zuvar {

class TLine;
class TSchematView;

// Dragging a new connection from the grip, and dragging the middle segment of a link.
// Coordinates are sheet coordinates.
class TLinkMouse {
 public:
  explicit TLinkMouse(TSchematView& view) : view_(view) {}

  void LinkHandleMouseMove(Qt::MouseButtons buttons, int32_t x, int32_t y);
  void LinkHandleMouseUp(Qt::MouseButton button, int32_t x, int32_t y);

  void SegmentMouseDown(TLine& line, Qt::MouseButton button, int32_t x, int32_t y);
  void SegmentMouseMove(TLine& line, Qt::MouseButtons buttons, int32_t x, int32_t y);
  void SegmentMouseUp(TLine& line, Qt::MouseButton button);

 private:
  void MarkSidesUnder(int32_t x, int32_t y);
  void MoveGrip(int32_t x, int32_t y);

  TSchematView& view_;
};

}  // namespace zuvar
