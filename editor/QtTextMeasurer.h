#pragma once

#include <QFontMetrics>

#include "model/TextMeasurer.h"

namespace zuvar {

// Measures texts with the real metrics of the block font, so that a block's layout matches
// what its painting draws.
class TQtTextMeasurer : public TTextMeasurer {
 public:
  TQtTextMeasurer();
  int TextWidth(std::string_view utf8Text) const override;

 private:
  QFontMetrics metrics_;
};

}  // namespace zuvar
