#include "editor/BlockFont.h"

#include <QStringList>

namespace zuvar {

QFont TBlockFont::Font() {
  QFont font;
  font.setFamilies(QStringList{QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(PixelSize);
  font.setKerning(false);
  return font;
}

}  // namespace zuvar
