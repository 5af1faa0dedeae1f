#include "model/Line.h"

#include "model/Link.h"

namespace zuvar {
namespace {

int32_t Wrap(int64_t v) { return static_cast<int32_t>(v); }
int32_t AbsLength(int32_t length) { return Wrap(length < 0 ? -int64_t{length} : int64_t{length}); }

}  // namespace

TLine::TLine(TPoint start, uint8_t orientation, int32_t length, const TPen& pen, TLink* owner)
    : Pen(pen), Owner(owner) {
  SetThickness(pen.Width + 2);
  Place(start, orientation, length);
}

TLine::TLine(TLine* previous, int32_t length)
    : PrevLine(previous), Pen(previous->Pen), Owner(previous->Owner) {
  thickness_ = previous->thickness_;
  previous->NextLine = this;
  Place(TPoint{previous->X2, previous->Y2},
        previous->Orientation == Vertical ? Horizontal : Vertical, length);
}

TLine::~TLine() {
  if (PrevLine != nullptr && PrevLine->NextLine == this) PrevLine->NextLine = nullptr;
  if (NextLine != nullptr && NextLine->PrevLine == this) NextLine->PrevLine = nullptr;
}

void TLine::SetThickness(int32_t thickness) { thickness_ = thickness < 0 ? 0 : thickness; }

void TLine::Place(TPoint start, uint8_t orientation, int32_t length) {
  Orientation = orientation;
  Length = length;
  X1 = start.X;
  Y1 = start.Y;
  X2 = start.X;
  Y2 = start.Y;
  if (Orientation == Vertical) {
    Y2 = Wrap(int64_t{Y1} + Length);
  } else {
    X2 = Wrap(int64_t{X1} + Length);
  }
}

void TLine::Draw() {
  if (PrevLine != nullptr) {
    Pen = PrevLine->Pen;
    X1 = PrevLine->X2;
    Y1 = PrevLine->Y2;
    thickness_ = PrevLine->thickness_;
  }
  if (NextLine != nullptr) {
    X2 = NextLine->X1;
    Y2 = NextLine->Y1;
  }
  if (Orientation == Vertical) {
    Length = Wrap(int64_t{Y2} - Y1);
    Width = thickness_;
    Height = AbsLength(Length);
    Top = Y1 < Y2 ? Y1 : Y2;
    Left = Wrap(int64_t{X1} - Width / 2);
  } else {
    Length = Wrap(int64_t{X2} - X1);
    Height = thickness_;
    Width = AbsLength(Length);
    Top = Wrap(int64_t{Y1} - Height / 2);
    Left = X1 < X2 ? X1 : X2;
  }
}

void TLine::SetPen(const TPen& pen) {
  Pen = pen;
  // The first segment's thickness follows the pen; the others take it over in Draw.
  if (PrevLine == nullptr) SetThickness(pen.Width + 2);
  if (NextLine != nullptr) NextLine->SetPen(pen);
}

void TLine::Press(int32_t localX, int32_t localY) {
  Dragging = true;
  PressX = localX;
  PressY = localY;
}

bool TLine::DragTo(int32_t sheetX, int32_t sheetY) {
  if (!Dragging || !HasBothNeighbours()) return false;
  if (Orientation == Vertical) {
    const int64_t x = int64_t{sheetX} - PressX;
    if (x < 0) return false;
    X1 = X2 = Wrap(x);
  } else {
    const int64_t y = int64_t{sheetY} - PressY;
    if (y < 0) return false;
    Y1 = Y2 = Wrap(y);
  }
  // The neighbours take their ends from this segment first, then this one follows them.
  PrevLine->Draw();
  NextLine->Draw();
  Draw();
  if (Owner != nullptr) Owner->NotifyRerouted();
  return true;
}

TPoint TLine::PaintFrom() const {
  const int32_t o = Pen.Width / 2;
  if (Orientation == Vertical) return TPoint{Width / 2, o};
  return TPoint{o, Height / 2};
}

TPoint TLine::PaintTo() const {
  const int32_t o = Pen.Width / 2;
  if (Orientation == Vertical) return TPoint{Width / 2, Height - o};
  return TPoint{Width - o, Height / 2};
}

}  // namespace zuvar
