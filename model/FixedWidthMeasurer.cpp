#include "model/FixedWidthMeasurer.h"

#include "model/Cp1250.h"

namespace zuvar {

int TFixedWidthMeasurer::TextWidth(std::string_view utf8Text) const {
  int codePoints = 0;
  std::size_t pos = 0;
  while (pos < utf8Text.size()) {
    Cp1250::DecodeUtf8(utf8Text, pos);
    ++codePoints;
  }
  return codePoints * CharWidth;
}

}  // namespace zuvar
