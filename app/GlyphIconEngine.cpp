#include "app/GlyphIconEngine.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPalette>
#include <QPixmap>

namespace zuvar {

namespace {
constexpr qreal kDisabledOpacity = 0.4;
}

TGlyphIconEngine::TGlyphIconEngine(TToolGlyphs::TGlyph glyph) : glyph_(glyph) {}

void TGlyphIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) {
  const QColor outline = QGuiApplication::palette().color(QPalette::Active, QPalette::WindowText);
  painter->save();
  if (mode == QIcon::Disabled) painter->setOpacity(painter->opacity() * kDisabledOpacity);
  TToolGlyphs::Paint(*painter, glyph_, QRectF(rect), outline);
  painter->restore();
}

QPixmap TGlyphIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) {
  QPixmap picture(size);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  paint(&painter, QRect(QPoint(0, 0), size), mode, state);
  painter.end();
  return picture;
}

QIconEngine* TGlyphIconEngine::clone() const { return new TGlyphIconEngine(glyph_); }

}  // namespace zuvar
