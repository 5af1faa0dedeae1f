#include "editor/BlockItem.h"

#include <QPainter>

#include "editor/BlockPainter.h"
#include "model/NewShape.h"

namespace zuvar {

TBlockItem::TBlockItem(TNewShape& block, QGraphicsItem* sheet)
    : QGraphicsItem(sheet), block_(block) {
  setFlag(ItemUsesExtendedStyleOption, false);
  FollowSize();
  FollowPosition();
}

QRectF TBlockItem::boundingRect() const { return QRectF(QPointF(0, 0), size_); }

void TBlockItem::FollowPosition() { setPos(block_.Left, block_.Top); }

void TBlockItem::FollowSize() {
  const QSizeF size(block_.Width, block_.Height);
  if (size == size_) return;
  prepareGeometryChange();
  size_ = size;
}

void TBlockItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
  TBlockLook look;
  look.Shape = static_cast<uint8_t>(block_.Shape);
  look.Width = block_.Width;
  look.Height = block_.Height;
  look.PenColor = block_.Pen.Color;
  look.PenWidth = block_.Pen.Width;
  look.BrushColor = block_.Brush.Color;
  look.BrushClear = block_.Brush.Clear;
  look.Caption = QString::fromStdString(block_.Caption);
  TBlockPainter::Paint(*painter, look);
}

}  // namespace zuvar
