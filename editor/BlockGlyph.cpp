#include "editor/BlockGlyph.h"

#include <QPainter>
#include <QPen>
#include <QPolygonF>

namespace zuvar::BlockGlyph {

namespace {
constexpr uint8_t kStart = 0, kStop = 1, kContinuum = 2, kCalc = 3, kInOut = 4, kChoice = 5,
                  kNode = 6;
// Outline width in grid units: one pixel at 16 pixels, two at 32.
constexpr qreal kOutlineWidth = 1.25;

QColor FillOf(uint8_t shape) {
  switch (shape) {
    case kStart:
      return QColor(40, 175, 60);
    case kStop:
      return QColor(225, 50, 45);
    case kNode:
      return QColor(165, 165, 165);
    default:
      return QColor(Qt::white);
  }
}

// The figure on the 20 x 20 grid.
void DrawFigure(QPainter& painter, uint8_t shape) {
  switch (shape) {
    case kStart:
    case kStop:
      painter.drawEllipse(QRectF(1.5, 5, 17, 10));
      break;
    case kCalc:
      painter.drawRect(QRectF(2.5, 5, 15, 10));
      break;
    case kInOut:
      painter.drawPolygon(
          QPolygonF({QPointF(1.5, 15), QPointF(6.5, 5), QPointF(18.5, 5), QPointF(13.5, 15)}));
      break;
    case kChoice:
      painter.drawPolygon(
          QPolygonF({QPointF(10, 1.5), QPointF(18.5, 10), QPointF(10, 18.5), QPointF(1.5, 10)}));
      break;
    case kContinuum:
      painter.drawEllipse(QPointF(10, 10), 6.5, 6.5);
      break;
    case kNode:
      painter.drawEllipse(QPointF(10, 10), 3.75, 3.75);
      break;
    default:
      break;
  }
}
}  // namespace

void Draw(QPainter& painter, uint8_t shape, const QRectF& box, const QColor& outline) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.translate(box.topLeft());
  painter.scale(box.width() / GridSize, box.height() / GridSize);
  QPen pen(outline, kOutlineWidth);
  pen.setJoinStyle(Qt::MiterJoin);
  painter.setPen(pen);
  painter.setBrush(FillOf(shape));
  DrawFigure(painter, shape);
  painter.restore();
}

}  // namespace zuvar::BlockGlyph
