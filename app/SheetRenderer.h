#pragma once

#include <QImage>
#include <vector>

class QGraphicsItem;
class QPainter;

namespace zuvar {

class TSchematView;

// Paints a canvas's sheet with its blocks and links onto a device: the sheet's top-left corner
// at (0, 0), one sheet pixel per device unit, no scaling. The editor's passing marks (the
// connection markers and grip, the selection band, the rubber line, the animation's ball) are
// hidden while painting, so they never reach paper or file, and shown again afterwards.
class TSheetRenderer {
 public:
  // The largest picture made of a sheet, in pixels (a gigabyte at 32 bits a pixel): a larger
  // sheet is refused rather than exhausting the memory.
  static constexpr qint64 MaximumPixels = qint64{1} << 28;

  explicit TSheetRenderer(TSchematView& canvas);

  int Width() const;
  int Height() const;
  void Render(QPainter& painter);
  // The sheet as a 32-bit picture; a null image when it is too large or cannot be allocated.
  QImage ToImage();

 private:
  std::vector<QGraphicsItem*> HidePassingMarks();

  TSchematView& canvas_;
};

}  // namespace zuvar
