#pragma once

#include <QFont>

namespace zuvar {

// The font blocks, captions and the layout measurer use: a sans-serif face found on every
// fresh Debian machine, 11 pixels high. Pixel sizing keeps block sizes independent of the
// screen's dots per inch, while Qt still renders the glyphs at the device's full resolution.
class TBlockFont {
 public:
  static QFont Font();
  static constexpr int PixelSize = 11;
};

}  // namespace zuvar
