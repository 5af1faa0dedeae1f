#pragma once

#include <QColor>
#include <QString>
#include <cstdint>

class QPainter;
class QRect;

namespace zuvar {

// Everything the drawing of one block needs, taken from the block itself or made up (the tool
// cursors draw small blocks of their own).
struct TBlockLook {
  uint8_t Shape = 3;  // a TNewShapeType value; values outside 0..6 draw a dashed "?" box
  int Width = 50;
  int Height = 30;
  uint32_t PenColor = 0;
  int PenWidth = 1;
  uint32_t BrushColor = 0xFFFFFF;
  bool BrushClear = true;
  QString Caption;
  bool ShowText = true;  // false: the figure alone
};

// Draws the figure and text of a block inside its own rectangle (0, 0)-(Width, Height).
class TBlockPainter {
 public:
  static void Paint(QPainter& painter, const TBlockLook& look);
  // Converts a 0x00BBGGRR colour value.
  static QColor ToQColor(uint32_t color);

 private:
  static void DrawFigure(QPainter& painter, const TBlockLook& look, int o, int w, int h);
  static void DrawUnknownFigure(QPainter& painter, const QRect& box);
  static void DrawText(QPainter& painter, const TBlockLook& look, int w, int h);
};

}  // namespace zuvar
