#pragma once

#include <cstdint>

#include "model/Drawing.h"

namespace zuvar {

class TLink;

// One straight segment of a link. The segments of a link form a doubly linked chain from the
// start point to the end point. Left, Top, Width and Height are the segment's bounds on the
// sheet: the line is drawn inside them (see PaintFrom/PaintTo).
class TLine {
 public:
  static constexpr uint8_t Vertical = 0;
  static constexpr uint8_t Horizontal = 1;

  // A first segment: starts at start and runs length pixels along orientation. Its thickness
  // (width of a vertical, height of a horizontal segment) is the pen width + 2.
  TLine(TPoint start, uint8_t orientation, int32_t length, const TPen& pen, TLink* owner);
  // A following segment: turns at the previous segment's end point, so its orientation is the
  // opposite one. It becomes previous->NextLine.
  TLine(TLine* previous, int32_t length);
  // Unlinks the segment from both neighbours.
  ~TLine();
  TLine(const TLine&) = delete;
  TLine& operator=(const TLine&) = delete;

  bool Dragging = false;
  int32_t PressX = 0;
  int32_t PressY = 0;
  TLine* PrevLine = nullptr;
  TLine* NextLine = nullptr;
  uint8_t Orientation = Vertical;
  int32_t Length = 0;
  int32_t X1 = 0;
  int32_t Y1 = 0;
  int32_t X2 = 0;
  int32_t Y2 = 0;
  // Bounds on the sheet.
  int32_t Left = 0;
  int32_t Top = 0;
  int32_t Width = 0;
  int32_t Height = 0;
  TPen Pen;
  // The link the segment belongs to (not owned); may be null.
  TLink* Owner = nullptr;

  // Follows the neighbours (start at the previous end, end at the next start, the previous
  // segment's pen and thickness) and recomputes Length and the bounds.
  void Draw();

  // Copies the pen and passes it on to the next segment.
  void SetPen(const TPen& pen);

  // Thickness across the segment.
  int32_t Thickness() const { return thickness_; }
  bool HasBothNeighbours() const { return PrevLine != nullptr && NextLine != nullptr; }

  // Mouse handling of the editor, in the segment's own coordinates (press) and in sheet
  // coordinates (drag). Only a segment with both neighbours can be dragged: a vertical one
  // sideways, a horizontal one up and down; a move that would give a negative coordinate is
  // refused. Returns true when the segment moved; the neighbours follow at once.
  void Press(int32_t localX, int32_t localY);
  bool DragTo(int32_t sheetX, int32_t sheetY);
  void Release() { Dragging = false; }

  // The line to draw, in the segment's own coordinates.
  TPoint PaintFrom() const;
  TPoint PaintTo() const;
  TRect Bounds() const { return TRect{Left, Top, Width, Height}; }

  // Sets the start, orientation and length directly and the end point from them; used when a
  // link re-routes its existing segments.
  void Place(TPoint start, uint8_t orientation, int32_t length);

 private:
  void SetThickness(int32_t thickness);
  int32_t thickness_ = 3;
};

}  // namespace zuvar
