#include "editor/LinkItem.h"

#include <QPainter>
#include <QPolygon>

#include "editor/BlockPainter.h"
#include "model/Link.h"

namespace zuvar {

namespace {
QRectF ToRectF(const TRect& r) { return QRectF(r.Left, r.Top, r.Width, r.Height); }
}  // namespace

TLinkItem::TLinkItem(TLink& link, QGraphicsItem* sheet) : QGraphicsItem(sheet), link_(link) {
  bounds_ = ComputeBounds();
  setVisible(link.Visible);
}

QRectF TLinkItem::ComputeBounds() const {
  QRectF bounds = ToRectF(link_.StartMarker);
  for (const TLine* line = link_.FirstLine; line != nullptr; line = line->NextLine)
    bounds |= ToRectF(line->Bounds());
  bounds |= ToRectF(link_.Arrow.Bounds());
  return bounds.adjusted(-1, -1, 1, 1);
}

void TLinkItem::FollowRoute() {
  const QRectF bounds = ComputeBounds();
  if (bounds != bounds_) {
    prepareGeometryChange();
    bounds_ = bounds;
  }
  update();
}

QPainterPath TLinkItem::shape() const {
  QPainterPath path;
  for (const TLine* line = link_.FirstLine; line != nullptr; line = line->NextLine)
    path.addRect(ToRectF(line->Bounds()));
  path.addRect(ToRectF(link_.StartMarker));
  path.addRect(ToRectF(link_.Arrow.Bounds()));
  return path;
}

TLine* TLinkItem::SegmentAt(const QRectF& a) const {
  for (TLine* line = link_.LastLine; line != nullptr; line = line->PrevLine) {
    const TRect b = line->Bounds();
    if (a.left() < b.Left + b.Width && b.Left < a.right() && a.top() < b.Top + b.Height &&
        b.Top < a.bottom())
      return line;
  }
  return nullptr;
}

void TLinkItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
  PaintSegments(*painter);
  PaintStartMarker(*painter);
  PaintArrow(*painter);
}

void TLinkItem::PaintSegments(QPainter& painter) const {
  for (const TLine* line = link_.FirstLine; line != nullptr; line = line->NextLine) {
    QPen pen(TBlockPainter::ToQColor(line->Pen.Color));
    pen.setWidth(line->Pen.Width);
    pen.setCapStyle(Qt::SquareCap);
    painter.setPen(line->Pen.Width == 0 ? QPen(Qt::NoPen) : pen);
    const TPoint from = line->PaintFrom();
    const TPoint to = line->PaintTo();
    painter.drawLine(line->Left + from.X, line->Top + from.Y, line->Left + to.X, line->Top + to.Y);
  }
}

void TLinkItem::PaintStartMarker(QPainter& painter) const {
  const TRect& r = link_.StartMarker;
  painter.setPen(QPen(Qt::black, 1));
  painter.setBrush(Qt::white);
  painter.drawRect(r.Left, r.Top, r.Width - 1, r.Height - 1);
}

void TLinkItem::PaintArrow(QPainter& painter) const {
  const TStrzala& arrow = link_.Arrow;
  painter.setPen(QPen(Qt::black, 1));
  painter.setBrush(Qt::black);
  if (!arrow.HasTriangle()) {
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.drawEllipse(QRectF(arrow.Left, arrow.Top, TStrzala::Width - 1, TStrzala::Height - 1));
    painter.setRenderHint(QPainter::Antialiasing, false);
    return;
  }
  QPolygon triangle;
  for (const TPoint& p : arrow.Triangle()) triangle << QPoint(arrow.Left + p.X, arrow.Top + p.Y);
  painter.drawPolygon(triangle);
}

}  // namespace zuvar
