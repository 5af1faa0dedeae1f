#pragma once

#include <QImage>
#include <QPointF>
#include <QSizeF>
#include <vector>

class QGraphicsItem;
class QPainter;
class QPrinter;

namespace zuvar {

class TSchematView;

// Paints a canvas's sheet with its blocks and links onto a device: the sheet's top-left corner
// at (0, 0), one sheet pixel per unit of the painter (printing scales the painter first). The
// editor's passing marks (the connection markers and grip, the selection band, the rubber line,
// the animation's ball) are hidden while painting, so they never reach paper or file, and shown
// again afterwards.
class TSheetRenderer {
 public:
  // The largest picture made of a sheet, in pixels (a gigabyte at 32 bits a pixel): a larger
  // sheet is refused rather than exhausting the memory.
  static constexpr qint64 MaximumPixels = qint64{1} << 28;

  explicit TSheetRenderer(TSchematView& canvas);

  int Width() const;
  int Height() const;
  void Render(QPainter& painter);
  // Prints the sheet on one page at its size on screen: one sheet pixel is one pixel of a
  // 96 dots-per-inch screen, whatever the printer's resolution; a sheet larger than the page is
  // scaled down to fit it, keeping its proportions. False when the printer cannot start.
  bool Print(QPrinter& printer);
  // Printer device units per sheet pixel, across and down, for a sheet of the given size on a
  // page of the given size in device units at the given resolution.
  static QPointF PrintScale(QSizeF sheet, QSizeF page, qreal dpiX, qreal dpiY);
  // The sheet as a 32-bit picture; a null image when it is too large or cannot be allocated.
  QImage ToImage();

 private:
  std::vector<QGraphicsItem*> HidePassingMarks();
  static void HideScreenOnlyChildren(QGraphicsItem* item, std::vector<QGraphicsItem*>& hidden);

  TSchematView& canvas_;
};

}  // namespace zuvar
