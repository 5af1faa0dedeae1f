#include "app/SheetRenderer.h"

#include <QGraphicsEllipseItem>
#include <QGraphicsLineItem>
#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QPainter>
#include <QPrinter>
#include <algorithm>

#include "editor/SchematView.h"
#include "editor/ScreenMarks.h"

namespace zuvar {

TSheetRenderer::TSheetRenderer(TSchematView& canvas) : canvas_(canvas) {}

int TSheetRenderer::Width() const { return static_cast<int>(canvas_.Sheet->rect().width()); }
int TSheetRenderer::Height() const { return static_cast<int>(canvas_.Sheet->rect().height()); }

// The markers, the grip and the ball are the sheet's only ellipse items; blocks and links are
// items of their own kinds.
std::vector<QGraphicsItem*> TSheetRenderer::HidePassingMarks() {
  std::vector<QGraphicsItem*> hidden;
  for (QGraphicsItem* item : canvas_.Sheet->childItems()) {
    const bool passing = item->type() == QGraphicsEllipseItem::Type || item == canvas_.Band ||
                         item == canvas_.RubberLine;
    if (!passing || !item->isVisible()) {
      HideScreenOnlyChildren(item, hidden);
      continue;
    }
    item->hide();
    hidden.push_back(item);
  }
  return hidden;
}

// Marks drawn on a block for the screen only, such as the breakpoint dot.
void TSheetRenderer::HideScreenOnlyChildren(QGraphicsItem* item,
                                            std::vector<QGraphicsItem*>& hidden) {
  for (QGraphicsItem* child : item->childItems()) {
    if (!ScreenMarks::IsScreenOnly(child) || !child->isVisible()) continue;
    child->hide();
    hidden.push_back(child);
  }
}

void TSheetRenderer::Render(QPainter& painter) {
  const std::vector<QGraphicsItem*> hidden = HidePassingMarks();
  const QRectF target(0, 0, Width(), Height());
  const QRectF source = target.translated(TSchematView::SheetLeft, TSchematView::SheetTop);
  canvas_.scene()->render(&painter, target, source, Qt::IgnoreAspectRatio);
  for (QGraphicsItem* item : hidden) item->show();
}

QPointF TSheetRenderer::PrintScale(QSizeF sheet, QSizeF page, qreal dpiX, qreal dpiY) {
  constexpr qreal kScreenDpi = 96;
  QPointF scale(dpiX / kScreenDpi, dpiY / kScreenDpi);
  if (sheet.width() <= 0 || sheet.height() <= 0) return scale;
  // One factor for both directions keeps the sheet's proportions on paper.
  const qreal fit = std::min({qreal{1}, page.width() / (sheet.width() * scale.x()),
                              page.height() / (sheet.height() * scale.y())});
  return scale * std::max(fit, qreal{0});
}

bool TSheetRenderer::Print(QPrinter& printer) {
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  // The painter starts at the printable area's corner, in the printer's device pixels.
  const QPointF scale =
      PrintScale(QSizeF(Width(), Height()), printer.pageRect(QPrinter::DevicePixel).size(),
                 printer.logicalDpiX(), printer.logicalDpiY());
  painter.scale(scale.x(), scale.y());
  Render(painter);
  return painter.end();
}

QImage TSheetRenderer::ToImage() {
  if (Width() <= 0 || Height() <= 0) return QImage();
  if (qint64{Width()} * Height() > MaximumPixels) return QImage();
  QImage image(Width(), Height(), QImage::Format_RGB32);
  if (image.isNull()) return image;
  image.fill(Qt::white);
  QPainter painter(&image);
  Render(painter);
  painter.end();
  return image;
}

}  // namespace zuvar
