#include "app/ToolGlyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include "editor/BlockPainter.h"

namespace zuvar {

namespace {
constexpr int kSize = 20;
constexpr qreal kScale = 2.0;  // drawn at twice the size, sharp on high-density screens
}  // namespace

QIcon TToolGlyphs::Icon(TGlyph glyph) {
  QPixmap pixmap(static_cast<int>(kSize * kScale), static_cast<int>(kSize * kScale));
  pixmap.setDevicePixelRatio(kScale);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing, true);
  Draw(painter, glyph);
  painter.end();
  return QIcon(pixmap);
}

void TToolGlyphs::DrawBlock(QPainter& painter, int shape) {
  TBlockLook look;
  look.Shape = static_cast<uint8_t>(shape);
  const bool round = shape == 2 || shape == 6;
  look.Width = round ? 14 : 18;
  look.Height = round ? 14 : 12;
  look.BrushClear = false;
  look.BrushColor = shape == 6 ? 0xC0C0C0 : 0xFFFFFF;
  look.ShowText = false;
  painter.save();
  painter.translate((kSize - look.Width) / 2, (kSize - look.Height) / 2);
  TBlockPainter::Paint(painter, look);
  painter.restore();
}

void TToolGlyphs::Draw(QPainter& painter, TGlyph glyph) {
  const QPen outline(Qt::black, 1.2);
  painter.setPen(outline);
  switch (glyph) {
    case New: {
      painter.setBrush(Qt::white);
      painter.drawPolygon(QPolygonF({QPointF(4, 2), QPointF(12, 2), QPointF(16, 6), QPointF(16, 18),
                                     QPointF(4, 18)}));
      painter.drawLine(QPointF(12, 2), QPointF(12, 6));
      painter.drawLine(QPointF(12, 6), QPointF(16, 6));
      break;
    }
    case Open:
      painter.setBrush(QColor(230, 190, 80));
      painter.drawRect(QRectF(2, 6, 16, 11));
      painter.drawRect(QRectF(2, 4, 6, 2));
      break;
    case Save:
      painter.setBrush(QColor(60, 90, 170));
      painter.drawRect(QRectF(3, 3, 14, 14));
      painter.setBrush(Qt::white);
      painter.drawRect(QRectF(6, 3, 8, 5));
      painter.drawRect(QRectF(5, 11, 10, 6));
      break;
    case Delete:
    case DeleteActive:
    case DeleteSelected:
      if (glyph == DeleteSelected) {
        painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
        painter.drawRect(QRectF(2, 2, 16, 16));
      }
      if (glyph == DeleteActive) DrawBlock(painter, 3);
      painter.setPen(QPen(QColor(200, 0, 0), 2.2));
      painter.drawLine(QPointF(5, 5), QPointF(15, 15));
      painter.drawLine(QPointF(15, 5), QPointF(5, 15));
      break;
    case StartBlock: DrawBlock(painter, 0); break;
    case StopBlock: DrawBlock(painter, 1); break;
    case CalcBlock: DrawBlock(painter, 3); break;
    case InOutBlock: DrawBlock(painter, 4); break;
    case ChoiceBlock: DrawBlock(painter, 5); break;
    case ContinuumBlock: DrawBlock(painter, 2); break;
    case NodeBlock: DrawBlock(painter, 6); break;
    case SelectAll:
      painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
      painter.drawRect(QRectF(2, 2, 16, 16));
      painter.setPen(QPen(Qt::red, 1));
      painter.setBrush(Qt::yellow);
      painter.drawRect(QRectF(5, 6, 10, 8));
      break;
    case Check:
      painter.setPen(QPen(QColor(0, 128, 0), 2.5));
      painter.drawPolyline(QPolygonF({QPointF(4, 10), QPointF(8, 15), QPointF(16, 4)}));
      break;
    case Run:
    case RealTime: {
      painter.setBrush(QColor(0, 150, 0));
      painter.drawPolygon(QPolygonF({QPointF(5, 3), QPointF(15, 10), QPointF(5, 17)}));
      if (glyph == RealTime) {
        painter.setPen(QPen(Qt::black, 2));
        painter.drawLine(QPointF(17, 4), QPointF(17, 16));
      }
      break;
    }
    case Exit:
      painter.setBrush(QColor(150, 100, 60));
      painter.drawRect(QRectF(5, 2, 10, 16));
      painter.setBrush(Qt::yellow);
      painter.drawEllipse(QPointF(12.5, 10), 1.2, 1.2);
      break;
  }
}

}  // namespace zuvar
