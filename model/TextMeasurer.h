#pragma once

#include <string_view>

namespace zuvar {

// Measures the pixel width of a text in the font that blocks are drawn with. The desktop program
// passes the real font metrics; tests and zuvar-run pass a deterministic measurer.
class TTextMeasurer {
 public:
  virtual ~TTextMeasurer() = default;
  virtual int TextWidth(std::string_view utf8Text) const = 0;
};

}  // namespace zuvar
