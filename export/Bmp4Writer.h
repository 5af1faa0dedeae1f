#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "project/SafeFile.h"

namespace zuvar {

// Writes a picture as a Windows bitmap of 4 bits per pixel with the 16 standard colours.
// The source is a 32-bit buffer of 0x00RRGGBB pixels (the top byte is ignored), rows from top
// to bottom, `stride` pixels from the start of one row to the start of the next. Every pixel
// becomes the nearest palette colour (least squared distance in RGB; a tie goes to the colour
// that comes first in the palette). The writer keeps the colours it has already matched, so
// one writer serves several pictures faster than a new one each time.
class TBmp4Writer {
 public:
  // black, maroon, green, olive, navy, purple, teal, silver, gray, red, lime, yellow, blue,
  // fuchsia, aqua, white, as 0x00RRGGBB.
  static const std::array<uint32_t, 16> Palette;

  // Sizes of the two headers and of the palette in the file.
  static constexpr uint32_t FileHeaderSize = 14;
  static constexpr uint32_t InfoHeaderSize = 40;
  static constexpr uint32_t PaletteSize = 16 * 4;
  static constexpr uint32_t PixelOffset = FileHeaderSize + InfoHeaderSize + PaletteSize;

  // Bytes of one stored row: two pixels a byte, padded to a multiple of 4.
  static uint32_t RowSize(int32_t width);

  // Index of the palette colour nearest to the 0x00RRGGBB colour.
  uint8_t NearestIndex(uint32_t rgb);

  // The whole file in memory. Empty when the size is not positive, the stride is shorter than
  // the width, the buffer is null, or the file would not fit the format's 32-bit sizes.
  std::vector<uint8_t> Encode(const uint32_t* pixels, int32_t width, int32_t height,
                              int32_t stride);

  // Writes the file into a new file that replaces the old one only when it is complete. False
  // when the picture cannot be encoded or the file cannot be created or fully written; the old
  // file is then untouched. fault: for tests, makes the writing fail after that many bytes.
  bool Write(const std::string& path, const uint32_t* pixels, int32_t width, int32_t height,
             int32_t stride, TWriteFault fault = {});

 private:
  static uint8_t SearchNearest(uint32_t rgb);
  void EncodeRow(const uint32_t* row, int32_t width, uint8_t* out);

  std::unordered_map<uint32_t, uint8_t> cache_;
  // The colour matched last; black is palette entry 0.
  uint32_t lastRgb_ = 0;
  uint8_t lastIndex_ = 0;
};

}  // namespace zuvar
