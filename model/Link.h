#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "model/Drawing.h"
#include "model/Line.h"
#include "model/Strzala.h"

namespace zuvar {

class TNewShape;
class TSchematObserver;

// The drawn form of one block exit: an orthogonal chain of two or three segments from the
// source block's connection point to the target's, a 5 x 5 start marker and an arrow head.
// The link code (exit side x 16 + entry side) fixes the route; the route is recomputed from the
// code and the two end points whenever a block moves or changes size.
class TLink {
 public:
  // Creates the pen (black, width 1), stores the code and the points and builds the route.
  TLink(int32_t linkCode, TPoint end, TPoint start);
  // Frees the segments from the last to the first.
  ~TLink();
  TLink(const TLink&) = delete;
  TLink& operator=(const TLink&) = delete;

  TPen Pen;
  int32_t StartX = 0;
  int32_t StartY = 0;
  int32_t EndX = 0;
  int32_t EndY = 0;
  TLine* FirstLine = nullptr;
  TLine* LastLine = nullptr;
  TRect StartMarker;
  TStrzala Arrow;
  int32_t LinkCode = 0;
  bool Visible = true;
  // The block whose exit this link draws (not owned); set by the block.
  TNewShape* Source = nullptr;
  // Told of re-routing, pen changes, showing and hiding (not owned); may be null.
  TSchematObserver* Observer = nullptr;

  // Builds the segments, the start marker and the arrow from scratch.
  void EDraw(TPoint end, TPoint start);
  // Recomputes the route with the existing segments; allocates nothing.
  void ReDraw(TPoint end, TPoint start);
  void Show();
  void Hide();
  // Copies the pen and passes it along the whole chain.
  void SetPen(const TPen& pen);

  // Number of segments of the chain.
  int SegmentCount() const { return static_cast<int>(lines_.size()); }
  TPoint Start() const { return TPoint{StartX, StartY}; }
  TPoint End() const { return TPoint{EndX, EndY}; }

  // Drags a middle segment (see TLine::DragTo) and reports the change to the observer.
  bool DragSegment(TLine& line, int32_t sheetX, int32_t sheetY);

  // Called by a segment that moved on its own (dragging).
  void NotifyRerouted();

 private:
  void StorePoints(TPoint end, TPoint start);
  void PlaceStartMarker();
  void DestroySegments();
  std::vector<std::unique_ptr<TLine>> lines_;
};

}  // namespace zuvar
