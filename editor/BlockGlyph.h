#pragma once

#include <QColor>
#include <QRectF>
#include <cstdint>

class QPainter;

namespace zuvar::BlockGlyph {

// The side of the square grid the figures are designed on; any square box scales it.
constexpr qreal GridSize = 20;

// Draws the small picture of a block type (a TNewShapeType value 0..6) that the tool bar and
// the placing cursors show, filling the square `box`. The seven pictures stay apart at 16
// pixels: start and stop are green and red ellipses, calculation a rectangle, input/output a
// parallelogram, decision a diamond, continuation a circle and node a small grey dot. Every
// figure is outlined in `outline`, which the caller picks to contrast with the background;
// the fills are light or saturated so that they stand out on dark backgrounds too.
void Draw(QPainter& painter, uint8_t shape, const QRectF& box, const QColor& outline);

}  // namespace zuvar::BlockGlyph
