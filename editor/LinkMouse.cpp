#include "editor/LinkMouse.h"

#include <QGraphicsEllipseItem>
#include <QGraphicsLineItem>
#include <algorithm>

#include "editor/BlockMouse.h"
#include "editor/SchematView.h"

namespace zuvar {

namespace {
constexpr int32_t kGrip = 5;
}

void TLinkMouse::LinkHandleMouseMove(Qt::MouseButtons buttons, int32_t x, int32_t y) {
  if (!(buttons & Qt::LeftButton)) return;
  MarkSidesUnder(x, y);
  MoveGrip(x, y);
  const QPointF grip = view_.LinkHandle->pos();
  view_.RubberLine->setLine(view_.LinkStartX, view_.LinkStartY, grip.x() + 2, grip.y() + 2);
  view_.RubberLine->show();
  const int horz = view_.HorzPosition();
  const int vert = view_.VertPosition();
  view_.ScrollInView(QRectF(grip, QSizeF(kGrip, kGrip)));
  if (horz != view_.HorzPosition() || vert != view_.VertPosition()) view_.PauseAfterScroll(10);
}

// Only a block under the pointer shows a marker, on the side nearest to the pointer.
void TLinkMouse::MarkSidesUnder(int32_t x, int32_t y) {
  for (TNewShape* b = view_.Document().FirstBlock; b != nullptr; b = b->Next) {
    const int32_t side = TBlockMouse::GetRegion(*b, x - b->Left, y - b->Top);
    if (side != 0)
      view_.ShowSideMarker(*b, side);
    else if (view_.SideMarkerVisible(*b))
      view_.HideSideMarker(*b);
  }
}

void TLinkMouse::MoveGrip(int32_t x, int32_t y) {
  const TSchemat& document = view_.Document();
  const int32_t left = std::max(0, std::min(x - 2, document.SheetWidth - kGrip));
  const int32_t top = std::max(0, std::min(y - 2, document.SheetHeight - kGrip));
  view_.LinkHandle->setPos(left, top);
}

void TLinkMouse::LinkHandleMouseUp(Qt::MouseButton, int32_t x, int32_t y) {
  view_.ScrollInView(QRectF(view_.LinkHandle->pos(), QSizeF(kGrip, kGrip)));
  view_.RubberLine->hide();
  view_.LinkHandle->hide();
  TSchemat& document = view_.Document();
  TNewShape* source = view_.LinkSource;
  for (TNewShape* b = document.FirstBlock; b != nullptr; b = b->Next) {
    if (view_.SideMarkerVisible(*b)) view_.HideSideMarker(*b);
    if (b == source || source == nullptr) continue;
    const int32_t side = TBlockMouse::GetRegion(*b, x - b->Left, y - b->Top);
    if (side == 0) continue;
    view_.BlockMouse().Link(*source, *b, view_.LinkExitSide, side);
    break;
  }
  // The markers of the blocks after the one connected go too.
  for (TNewShape* b = document.FirstBlock; b != nullptr; b = b->Next) {
    if (view_.SideMarkerVisible(*b)) view_.HideSideMarker(*b);
  }
}

void TLinkMouse::SegmentMouseDown(TLine& line, Qt::MouseButton button, int32_t x, int32_t y) {
  if (button == Qt::LeftButton) line.Press(x - line.Left, y - line.Top);
}

void TLinkMouse::SegmentMouseMove(TLine& line, Qt::MouseButtons, int32_t x, int32_t y) {
  if (!line.Dragging || line.Owner == nullptr) return;
  line.Owner->DragSegment(line, x, y);
}

void TLinkMouse::SegmentMouseUp(TLine& line, Qt::MouseButton button) {
  if (button == Qt::LeftButton) line.Release();
}

}  // namespace zuvar
