#include "app/ToolGlyphs.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <array>

#include "app/GlyphIconEngine.h"
#include "editor/BlockGlyph.h"

namespace zuvar {

namespace {
constexpr qreal kOutlineWidth = 1.25;  // in grid units, as the block pictures
const QColor kGreen(20, 160, 40);
const QColor kRed(220, 40, 40);
// Lines drawn inside a white figure: dark on either theme, as the figure stays white.
const QColor kInk(70, 70, 70);

// A line in `colour` laid over a wider one in the outline colour, so that it stands out on a
// light and on a dark background.
void StrokeWithEdge(QPainter& painter, const QPainterPath& path, const QColor& colour,
                    const QColor& outline, qreal width) {
  painter.strokePath(
      path, QPen(outline, width + 2 * kOutlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.strokePath(path, QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

QPolygonF Triangle(qreal left, qreal right) {
  return QPolygonF({QPointF(left, 4), QPointF(right, 10), QPointF(left, 16)});
}

// The block types the block tools place, in the order of their glyphs (StartBlock..NodeBlock).
constexpr std::array<uint8_t, 7> kBlockShapes = {0, 1, 3, 4, 5, 2, 6};

// The block type a block tool places; -1 for the other glyphs.
int ShapeOf(TToolGlyphs::TGlyph glyph) {
  if (glyph < TToolGlyphs::StartBlock || glyph > TToolGlyphs::NodeBlock) return -1;
  return kBlockShapes[static_cast<size_t>(glyph - TToolGlyphs::StartBlock)];
}
}  // namespace

QIcon TToolGlyphs::Icon(TGlyph glyph) { return QIcon(new TGlyphIconEngine(glyph)); }

QIcon TToolGlyphs::StandardIcon(QStyle::StandardPixmap standard) {
  switch (standard) {
    case QStyle::SP_MediaPlay:
      return Icon(Run);
    case QStyle::SP_MediaStop:
      return Icon(EndRun);
    case QStyle::SP_MediaSkipForward:
      return Icon(Step);
    case QStyle::SP_MediaSeekForward:
      return Icon(RunAll);
    case QStyle::SP_MediaPause:
      return Icon(Pause);
    case QStyle::SP_CommandLink:
      return Icon(RealTime);
    case QStyle::SP_TitleBarShadeButton:
      return Icon(Variables);
    default:
      return QApplication::style()->standardIcon(standard);
  }
}

void TToolGlyphs::Paint(QPainter& painter, TGlyph glyph, const QRectF& box, const QColor& outline) {
  const qreal side = std::min(box.width(), box.height());
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.translate(box.center() - QPointF(side / 2, side / 2));
  painter.scale(side / BlockGlyph::GridSize, side / BlockGlyph::GridSize);
  Draw(painter, glyph, outline);
  painter.restore();
}

void TToolGlyphs::Draw(QPainter& painter, TGlyph glyph, const QColor& outline) {
  const int shape = ShapeOf(glyph);
  if (shape >= 0) {
    BlockGlyph::Draw(painter, static_cast<uint8_t>(shape), QRectF(0, 0, 20, 20), outline);
    return;
  }
  painter.setPen(QPen(outline, kOutlineWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  switch (glyph) {
    case New:
    case Open:
    case Save:
    case Exit:
      DrawFileGlyph(painter, glyph);
      break;
    case Delete:
    case DeleteActive:
    case DeleteSelected:
      DrawDeleteGlyph(painter, glyph, outline);
      break;
    case SelectAll:
      painter.setPen(QPen(outline, kOutlineWidth, Qt::DotLine));
      painter.drawRect(QRectF(1.5, 1.5, 17, 17));
      painter.setPen(QPen(kRed, kOutlineWidth));
      painter.setBrush(QColor(255, 230, 0));
      painter.drawRect(QRectF(5, 6, 10, 8));
      break;
    case Check: {
      QPainterPath tick(QPointF(4, 10));
      tick.lineTo(8, 15);
      tick.lineTo(16, 4);
      StrokeWithEdge(painter, tick, kGreen, outline, 2.5);
      break;
    }
    case Variables:
      painter.setBrush(Qt::white);
      painter.drawRect(QRectF(2.5, 3.5, 15, 13));
      painter.setPen(QPen(kInk, 1));
      painter.drawLine(QPointF(8, 3.5), QPointF(8, 16.5));
      painter.drawLine(QPointF(2.5, 8), QPointF(17.5, 8));
      painter.drawLine(QPointF(2.5, 12.25), QPointF(17.5, 12.25));
      break;
    case Undo:
    case Redo:
      DrawHistoryGlyph(painter, glyph, outline);
      break;
    default:
      DrawRunGlyph(painter, glyph, outline);
      break;
  }
}

void TToolGlyphs::DrawFileGlyph(QPainter& painter, TGlyph glyph) {
  switch (glyph) {
    case New:
      painter.setBrush(Qt::white);
      painter.drawPolygon(QPolygonF(
          {QPointF(4, 2), QPointF(12, 2), QPointF(16, 6), QPointF(16, 18), QPointF(4, 18)}));
      painter.setPen(QPen(kInk, 1));
      painter.drawPolyline(QPolygonF({QPointF(12, 2.5), QPointF(12, 6), QPointF(15.5, 6)}));
      break;
    case Open:
      painter.setBrush(QColor(235, 190, 70));
      painter.drawRect(QRectF(2, 6, 16, 11));
      painter.drawRect(QRectF(2, 3.5, 6, 2.5));
      break;
    case Save:
      painter.setBrush(QColor(70, 110, 210));
      painter.drawRect(QRectF(3, 3, 14, 14));
      painter.setBrush(Qt::white);
      painter.drawRect(QRectF(6, 3, 8, 5));
      painter.drawRect(QRectF(5, 11, 10, 6));
      break;
    default:  // Exit: a door with its knob
      painter.setBrush(QColor(175, 115, 60));
      painter.drawRect(QRectF(5, 2, 10, 16));
      painter.setBrush(QColor(255, 230, 0));
      painter.drawEllipse(QPointF(12.5, 10), 1.3, 1.3);
      break;
  }
}

void TToolGlyphs::DrawDeleteGlyph(QPainter& painter, TGlyph glyph, const QColor& outline) {
  if (glyph == DeleteSelected) {
    painter.setPen(QPen(outline, kOutlineWidth, Qt::DotLine));
    painter.drawRect(QRectF(1.5, 1.5, 17, 17));
  }
  if (glyph == DeleteActive) BlockGlyph::Draw(painter, 3, QRectF(0, 0, 20, 20), outline);
  QPainterPath cross(QPointF(5, 5));
  cross.lineTo(15, 15);
  cross.moveTo(15, 5);
  cross.lineTo(5, 15);
  StrokeWithEdge(painter, cross, kRed, outline, 2.2);
}

// The run commands: a green triangle for a start, two for running on, a bar for an end.
void TToolGlyphs::DrawRunGlyph(QPainter& painter, TGlyph glyph, const QColor& outline) {
  painter.setBrush(kGreen);
  switch (glyph) {
    case Run:
      painter.drawPolygon(Triangle(5, 15));
      break;
    case Step:
      painter.drawPolygon(Triangle(3, 12));
      painter.setBrush(outline);
      painter.drawRect(QRectF(14, 4, 2.5, 12));
      break;
    case RunAll:
      painter.drawPolygon(Triangle(1.5, 10));
      painter.drawPolygon(Triangle(10, 18.5));
      break;
    case RealTime:
      painter.drawPolygon(Triangle(1, 8.5));
      painter.drawPolygon(Triangle(8.5, 16));
      painter.setBrush(outline);
      painter.drawRect(QRectF(16.5, 4, 2.5, 12));
      break;
    case EndRun:
      painter.setBrush(kRed);
      painter.drawRect(QRectF(4.5, 4.5, 11, 11));
      break;
    default:  // Pause
      painter.setBrush(QColor(245, 170, 30));
      painter.drawRect(QRectF(4.5, 4, 4, 12));
      painter.drawRect(QRectF(11.5, 4, 4, 12));
      break;
  }
}

// Undo: a blue arrow bending back to the left; redo: its mirror image.
void TToolGlyphs::DrawHistoryGlyph(QPainter& painter, TGlyph glyph, const QColor& outline) {
  painter.save();
  if (glyph == Redo) {
    painter.translate(20, 0);
    painter.scale(-1, 1);
  }
  QPainterPath arc(QPointF(6, 8));
  arc.lineTo(11, 8);
  arc.cubicTo(QPointF(19, 8), QPointF(19, 17), QPointF(11, 17));
  arc.lineTo(8, 17);
  StrokeWithEdge(painter, arc, QColor(40, 110, 220), outline, 2.2);
  painter.setBrush(QColor(40, 110, 220));
  painter.setPen(QPen(outline, kOutlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.drawPolygon(QPolygonF({QPointF(1.5, 8), QPointF(7.5, 3), QPointF(7.5, 13)}));
  painter.restore();
}

}  // namespace zuvar
