#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zuvar {

// Reads back a Windows bitmap of 4 bits per pixel: the header fields that matter, the palette
// and the palette index of every pixel. Used to check exported pictures.
class TBmp4Reader {
 public:
  // Parses a whole file; false (with Error set) when it is not an uncompressed 4-bit bitmap or
  // is shorter than its headers say.
  bool Parse(const std::vector<uint8_t>& file);
  bool Load(const std::string& path);

  uint32_t FileSize = 0;
  uint32_t PixelOffset = 0;
  uint32_t InfoHeaderSize = 0;
  int32_t Width = 0;
  // As stored: positive for rows stored bottom-up.
  int32_t Height = 0;
  uint16_t Planes = 0;
  uint16_t BitsPerPixel = 0;
  uint32_t Compression = 0;
  uint32_t ImageSize = 0;
  uint32_t ColorsUsed = 0;
  // Palette entries as 0x00RRGGBB.
  std::vector<uint32_t> Palette;
  std::string Error;

  // Palette index of the pixel at (x, y), y counted from the top row.
  uint8_t IndexAt(int32_t x, int32_t y) const;
  // Colour of that pixel as 0x00RRGGBB.
  uint32_t ColorAt(int32_t x, int32_t y) const;
  // Stored bytes of a row, y counted from the top row, padding included.
  std::vector<uint8_t> RowBytes(int32_t y) const;

 private:
  bool Fail(const std::string& why);
  std::vector<uint8_t> pixels_;
  uint32_t rowSize_ = 0;
};

}  // namespace zuvar
