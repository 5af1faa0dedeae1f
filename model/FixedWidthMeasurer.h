#pragma once

#include <string_view>

#include "model/TextMeasurer.h"

namespace zuvar {

// A deterministic measurer for tests and the terminal runner: every Unicode code point of the
// UTF-8 text is 6 pixels wide (an invalid byte counts as one code point). Six pixels is about
// the average character width of the 8-point sans-serif font the desktop program draws blocks
// with, so laid-out diagrams have plausible sizes, and every width is easy to compute by hand:
// "?x?" is 18 pixels, so a new calculation block lays out to 38 pixels.
class TFixedWidthMeasurer : public TTextMeasurer {
 public:
  static constexpr int CharWidth = 6;
  int TextWidth(std::string_view utf8Text) const override;
};

}  // namespace zuvar
