#include "editor/ToolCursors.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <algorithm>
#include <cmath>

#include "editor/BlockGlyph.h"

namespace zuvar {

namespace {
// Slot order of the cursor table and the block type each slot shows.
constexpr std::array<uint8_t, 7> kSlotShapes = {0, 1, 3, 4, 5, 2, 6};
constexpr std::array<const char*, 7> kSlotNames = {
    "IDC_START", "IDC_STOP", "IDC_CALC", "IDC_INOUT", "IDC_CHOICE", "IDC_CONT", "IDC_NODE"};
constexpr int kSize = 32;
constexpr int kGlyphSize = 22;
}  // namespace

TToolCursors::TToolCursors() {
  for (int slot = 1; slot <= 7; ++slot) cursors_[static_cast<size_t>(slot - 1)] = Make(slot);
}

QCursor TToolCursors::Cursor(int slot) const {
  if (slot < 1 || slot > 7) return QCursor(Qt::ArrowCursor);
  return cursors_[static_cast<size_t>(slot - 1)];
}

const char* TToolCursors::ResourceName(int slot) {
  if (slot < 1 || slot > 7) return "";
  return kSlotNames[static_cast<size_t>(slot - 1)];
}

QCursor TToolCursors::Make(int slot) {
  const uint8_t shape = kSlotShapes[static_cast<size_t>(slot - 1)];
  // Drawn at the screen's density, so that the cursor stays sharp on high-density screens.
  const qreal ratio = std::max<qreal>(1.0, std::ceil(qGuiApp ? qGuiApp->devicePixelRatio() : 1.0));
  QPixmap pixmap(static_cast<int>(kSize * ratio), static_cast<int>(kSize * ratio));
  pixmap.setDevicePixelRatio(ratio);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  // The block's picture below and right of the cross, clear of the hot spot.
  BlockGlyph::Draw(painter, shape,
                   QRectF(kSize - kGlyphSize, kSize - kGlyphSize, kGlyphSize, kGlyphSize),
                   Qt::black);
  // A black cross with a white edge, visible on the white sheet and on the grey around it.
  painter.setPen(QPen(Qt::white, 3));
  painter.drawLine(0, 7, 14, 7);
  painter.drawLine(7, 0, 7, 14);
  painter.setPen(QPen(Qt::black, 1));
  painter.drawLine(0, 7, 14, 7);
  painter.drawLine(7, 0, 7, 14);
  painter.setPen(QPen(Qt::white, 1));
  painter.drawPoint(7, 7);
  painter.end();
  return QCursor(pixmap, 7, 7);
}

}  // namespace zuvar
