#include "editor/BlockPainter.h"

#include <QBrush>
#include <QPainter>
#include <QPen>
#include <QPolygon>

#include "editor/BlockFont.h"

namespace zuvar {

namespace {
constexpr uint8_t kStart = 0, kStop = 1, kContinuum = 2, kCalc = 3, kInOut = 4, kChoice = 5,
                  kNode = 6;
}

QColor TBlockPainter::ToQColor(uint32_t color) {
  return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                static_cast<int>((color >> 16) & 0xFF));
}

void TBlockPainter::Paint(QPainter& painter, const TBlockLook& look) {
  const int p = look.PenWidth;
  const int o = p / 2;
  const int w = p == 0 ? look.Width - p : look.Width - p + 1;
  const int h = p == 0 ? look.Height - p : look.Height - p + 1;
  painter.save();
  QPen pen(ToQColor(look.PenColor));
  pen.setWidth(p);
  pen.setJoinStyle(Qt::MiterJoin);
  painter.setPen(p == 0 ? QPen(Qt::NoPen) : pen);
  painter.setBrush(look.BrushClear ? QBrush(Qt::NoBrush) : QBrush(ToQColor(look.BrushColor)));
  DrawFigure(painter, look, o, w, h);
  if (look.ShowText) DrawText(painter, look, w, h);
  painter.restore();
}

// The figure's box runs from (o, o) to (o + w, o + h) exclusive of its right and bottom edge,
// which is one pixel less than Qt's outline rectangles of the same numbers.
void TBlockPainter::DrawFigure(QPainter& painter, const TBlockLook& look, int o, int w, int h) {
  const QRect box(o, o, w - 1, h - 1);
  switch (look.Shape) {
    case kStart:
    case kStop:
    case kContinuum:
    case kNode:
      painter.setRenderHint(QPainter::Antialiasing, true);
      painter.drawEllipse(QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5));
      painter.setRenderHint(QPainter::Antialiasing, false);
      break;
    case kCalc:
      painter.drawRect(box);
      break;
    case kInOut: {
      const QPolygon figure{QPoint(o + 1, o + h - 1), QPoint(o + 11, o + 1),
                            QPoint(o + w - 1, o + 1), QPoint(o + w - 11, o + h - 1)};
      painter.drawPolygon(figure);
      break;
    }
    case kChoice: {
      const QPolygon figure{QPoint(o, o + h / 2),          QPoint(o + 20, o),
                            QPoint(o + w - 20, o),         QPoint(o + w - 1, o + h / 2),
                            QPoint(o + w - 20, o + h - 1), QPoint(o + 20, o + h - 1)};
      painter.drawPolygon(figure);
      break;
    }
    default:
      DrawUnknownFigure(painter, box);
      break;
  }
}

// A type this program does not know (read from a damaged or foreign file) is still drawn, so
// that the block can be seen, selected and deleted: a dashed outline with a question mark.
void TBlockPainter::DrawUnknownFigure(QPainter& painter, const QRect& box) {
  QPen pen = painter.pen();
  if (pen.style() == Qt::NoPen) pen = QPen(ToQColor(0));
  pen.setStyle(Qt::DashLine);
  painter.save();
  painter.setPen(pen);
  painter.drawRect(box);
  painter.restore();
}

void TBlockPainter::DrawText(QPainter& painter, const TBlockLook& look, int w, int h) {
  QString text;
  int x = 10;
  switch (look.Shape) {
    case kStart:
      text = QStringLiteral("START");
      x = w / 2 - 17;
      break;
    case kStop:
      text = QStringLiteral("STOP");
      x = w / 2 - 13;
      break;
    case kContinuum:
    case kCalc:
    case kInOut:
    case kChoice:
      text = look.Caption;
      break;
    case kNode:
      return;
    default:
      text = QStringLiteral("?");
      x = w / 2 - QFontMetrics(TBlockFont::Font()).horizontalAdvance(text) / 2;
      break;
  }
  painter.setFont(TBlockFont::Font());
  painter.setPen(ToQColor(0));
  if (!look.BrushClear) {
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(ToQColor(look.BrushColor));
  }
  const QFontMetrics metrics(painter.font());
  const QRect cell(x, h / 2 - 6, metrics.horizontalAdvance(text), metrics.height());
  painter.drawText(cell, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
  painter.setBackgroundMode(Qt::TransparentMode);
}

}  // namespace zuvar
