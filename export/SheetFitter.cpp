#include "export/SheetFitter.h"

#include <algorithm>
#include <limits>

#include "model/NewShape.h"
#include "model/Schemat.h"

namespace zuvar {

namespace {

int32_t Clamp32(int64_t value) {
  return static_cast<int32_t>(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                                  std::numeric_limits<int32_t>::max()));
}

}  // namespace

TBlockBounds TSheetFitter::BoundsOf(const TSchemat& diagram) {
  TBlockBounds b;
  for (const TNewShape* block = diagram.FirstBlock; block != nullptr; block = block->Next) {
    const int32_t right = Clamp32(int64_t{block->Left} + block->Width);
    const int32_t bottom = Clamp32(int64_t{block->Top} + block->Height);
    if (b.Empty) {
      b = TBlockBounds{block->Left, block->Top, right, bottom, false};
      continue;
    }
    b.Left = std::min(b.Left, block->Left);
    b.Top = std::min(b.Top, block->Top);
    b.Right = std::max(b.Right, right);
    b.Bottom = std::max(b.Bottom, bottom);
  }
  return b;
}

// One axis of the size by hand: grows `size` to the extent when it is smaller and answers how
// far the blocks move toward 0 so that they lie within 0..size.
int32_t TSheetFitter::ShiftFor(int32_t& size, int32_t low, int32_t high) {
  const int32_t extent = Clamp32(int64_t{high} - low);
  if (size < extent) {
    size = extent;
    return low;
  }
  if (size < high) return Clamp32(int64_t{high} - size);
  // Blocks lying before the sheet's edge (a hand-edited file) come onto the sheet.
  if (low < 0) return low;
  return 0;
}

TSheetChange TSheetFitter::PlanByHand(const TSchemat& diagram, int32_t width, int32_t height) {
  const TBlockBounds b = BoundsOf(diagram);
  TSheetChange change{width, height, 0, 0};
  change.ShiftX = ShiftFor(change.Width, b.Left, b.Right);
  change.ShiftY = ShiftFor(change.Height, b.Top, b.Bottom);
  return change;
}

TSheetChange TSheetFitter::PlanFit(const TSchemat& diagram) {
  const TBlockBounds b = BoundsOf(diagram);
  return TSheetChange{Clamp32(int64_t{b.Right} - b.Left), Clamp32(int64_t{b.Bottom} - b.Top),
                      b.Left, b.Top};
}

void TSheetFitter::Apply(TSchemat& diagram, const TSheetChange& change) {
  diagram.SetSheetSize(change.Width, change.Height);
  if (change.ShiftX != 0 || change.ShiftY != 0) {
    for (TNewShape* block = diagram.FirstBlock; block != nullptr; block = block->Next)
      block->MoveTo(Clamp32(int64_t{block->Left} - change.ShiftX),
                    Clamp32(int64_t{block->Top} - change.ShiftY));
  }
  for (TNewShape* block = diagram.FirstBlock; block != nullptr; block = block->Next)
    block->LinksRedraw();
}

TSheetChange TSheetFitter::ResizeByHand(TSchemat& diagram, int32_t width, int32_t height) {
  const TSheetChange change = PlanByHand(diagram, width, height);
  Apply(diagram, change);
  return change;
}

bool TSheetFitter::Fit(TSchemat& diagram) {
  if (diagram.FirstBlock == nullptr) return false;
  Apply(diagram, PlanFit(diagram));
  return true;
}

}  // namespace zuvar
