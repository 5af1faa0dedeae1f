#pragma once

#include <QGraphicsItem>
#include <QPainterPath>

namespace zuvar {

class TLink;
class TLine;

// The picture of one link: its segments, the start square and the arrow head. The item sits at
// the sheet's origin, so its coordinates are sheet coordinates.
class TLinkItem : public QGraphicsItem {
 public:
  enum { Type = UserType + 2 };

  TLinkItem(TLink& link, QGraphicsItem* sheet);

  int type() const override { return Type; }
  QRectF boundingRect() const override { return bounds_; }
  QPainterPath shape() const override;
  void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

  TLink& Link() const { return link_; }
  // Takes over the route after the link was re-routed.
  void FollowRoute();
  // The segment whose bounds meet the sheet area, last drawn first; null when none.
  TLine* SegmentAt(const QRectF& sheetArea) const;

 private:
  QRectF ComputeBounds() const;
  void PaintSegments(QPainter& painter) const;
  void PaintStartMarker(QPainter& painter) const;
  void PaintArrow(QPainter& painter) const;

  TLink& link_;
  QRectF bounds_;
};

}  // namespace zuvar
