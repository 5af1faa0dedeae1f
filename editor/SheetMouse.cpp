#include "editor/SheetMouse.h"

#include <QGraphicsEllipseItem>
#include <QGraphicsRectItem>
#include <QUndoStack>
#include <algorithm>
#include <cstdlib>
#include <limits>

#include "editor/CanvasHost.h"
#include "editor/SchematView.h"
#include "editor/commands/PlaceBlockCommand.h"
#include "model/GridSnap.h"

namespace zuvar {

void TSheetMouse::SchematMouseDown(Qt::MouseButton button, int32_t x, int32_t y) {
  if (view_.Tool == nstNULL && button == Qt::LeftButton) {
    DeselectAll();
    view_.SetActiveBlock(nullptr);
    view_.viewport()->setCursor(Qt::CrossCursor);
    view_.BandArmed = true;
    view_.Band->setRect(x, y, 0, 0);
    view_.Band->show();
  } else if (view_.Tool == nstNULL && button == Qt::RightButton) {
    view_.viewport()->setCursor(Qt::SizeAllCursor);
  }
  view_.PressX = x;
  view_.PressY = y;
}

void TSheetMouse::DeselectAll() {
  for (TNewShape* block = view_.Document().FirstBlock; block != nullptr; block = block->Next)
    TSchematView::MarkUnselected(*block);
}

void TSheetMouse::SchematMouseMove(Qt::MouseButtons buttons, int32_t x, int32_t y) {
  view_.LinkHandle->hide();
  if ((buttons & Qt::LeftButton) && view_.BandArmed) {
    view_.BandActive = true;
    DragBand(x, y);
  }
  if (buttons & Qt::RightButton) {
    view_.viewport()->setCursor(Qt::SizeAllCursor);
    view_.ScrollBySheet(view_.PressX - x, view_.PressY - y);
  }
}

// Scrolls by 2 pixels while the pointer is outside the canvas, then stretches the band.
void TSheetMouse::DragBand(int32_t x, int32_t y) {
  const QPoint client = view_.ViewportOfSheet(x, y);
  const QSize canvas = view_.viewport()->size();
  if (client.x() > canvas.width()) view_.SetHorzPosition(view_.HorzPosition() + 2);
  if (client.x() < 0) view_.SetHorzPosition(view_.HorzPosition() - 2);
  if (client.y() > canvas.height()) view_.SetVertPosition(view_.VertPosition() + 2);
  if (client.y() < 0) view_.SetVertPosition(view_.VertPosition() - 2);
  view_.Band->setRect(std::min(view_.PressX, x), std::min(view_.PressY, y),
                      std::abs(view_.PressX - x), std::abs(view_.PressY - y));
}

void TSheetMouse::SchematMouseUp(Qt::MouseButton button, int32_t x, int32_t y) {
  if (view_.Tool != nstNULL) PlaceBlock(x, y);
  if (button == Qt::LeftButton && view_.BandActive) {
    view_.BandActive = false;
    view_.BandArmed = false;
    view_.Band->hide();
    SelectByBand(x, y);
  }
}

// The new block is laid out first, so that it is centred with its final size.
void TSheetMouse::PlaceBlock(int32_t x, int32_t y) {
  TSchemat& document = view_.Document();
  if (document.LastId == std::numeric_limits<uint32_t>::max()) {
    ReportIdsExhausted();
    return;
  }
  TNewShape* last = document.LastBlock;
  if (view_.Host().SnapToGrid()) {
    x = GridSnap::Nearest(x);
    y = GridSnap::Nearest(y);
  }
  view_.UndoStack().push(new TPlaceBlockCommand(view_, view_.Tool, x, y));
  TNewShape* block = document.LastBlock != last ? document.LastBlock : nullptr;
  view_.SelectTool(nstNULL);
  if (block != nullptr) view_.SetActiveBlock(block);
}

// A block read from a file may carry the largest Id, and Ids are never handed out twice: no
// new block can get one. The diagram stays as it is and the user is told why.
void TSheetMouse::ReportIdsExhausted() {
  const QString text = QString::fromUtf8(kIdsExhausted);
  view_.SelectTool(nstNULL);
  view_.Host().AppendLogLine(QStringLiteral("BŁĄD: ") + text);
  view_.Host().Ask(text, QStringLiteral("Błąd operacji edycji...."), TMsgIcon::Error,
                   TMsgButtons::Ok);
}

bool TSheetMouse::Overlaps(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t left,
                           int32_t top, int32_t width, int32_t height) {
  return std::min(x1, x2) < left + width && left < std::max(x1, x2) &&
         std::min(y1, y2) < top + height && top < std::max(y1, y2);
}

void TSheetMouse::SelectByBand(int32_t x, int32_t y) {
  TSchemat& document = view_.Document();
  for (TNewShape* block = document.FirstBlock; block != nullptr; block = block->Next) {
    if (Overlaps(view_.PressX, view_.PressY, x, y, block->Left, block->Top, block->Width,
                 block->Height)) {
      TSchematView::MarkSelected(*block);
      continue;
    }
    block->SetPen(TPen{clBlack, block->Pen.Width});
    if (block != document.ActiveBlock) {
      block->SavedBrush = TBrush::Solid(block->Shape == nstNode ? clSilver : clWhite);
      block->SetBrush(block->SavedBrush);
    }
  }
}

}  // namespace zuvar
