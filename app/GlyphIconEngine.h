#pragma once

#include <QIconEngine>

#include "app/ToolGlyphs.h"

namespace zuvar {

// Draws one tool bar glyph whenever its icon is asked for: at the size asked for, outlined in
// the text colour of the application's current palette, and faded when disabled.
class TGlyphIconEngine : public QIconEngine {
 public:
  explicit TGlyphIconEngine(TToolGlyphs::TGlyph glyph);

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
  QIconEngine* clone() const override;

 private:
  TToolGlyphs::TGlyph glyph_;
};

}  // namespace zuvar
