#include "editor/QtTextMeasurer.h"

#include <QString>

#include "editor/BlockFont.h"

namespace zuvar {

TQtTextMeasurer::TQtTextMeasurer() : metrics_(TBlockFont::Font()) {}

int TQtTextMeasurer::TextWidth(std::string_view utf8Text) const {
  const QString text = QString::fromUtf8(utf8Text.data(), static_cast<qsizetype>(utf8Text.size()));
  return metrics_.horizontalAdvance(text);
}

}  // namespace zuvar
