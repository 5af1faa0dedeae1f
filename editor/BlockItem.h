#pragma once

#include <QGraphicsItem>

namespace zuvar {

class TNewShape;

// The picture of one block on the sheet. Its position is the block's top-left corner in sheet
// coordinates; painting only draws what the block holds.
class TBlockItem : public QGraphicsItem {
 public:
  enum { Type = UserType + 1 };

  TBlockItem(TNewShape& block, QGraphicsItem* sheet);

  int type() const override { return Type; }
  QRectF boundingRect() const override;
  void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

  TNewShape& Block() const { return block_; }
  // Takes over the block's position.
  void FollowPosition();
  // Takes over the block's size.
  void FollowSize();

 private:
  TNewShape& block_;
  QSizeF size_;
};

}  // namespace zuvar
