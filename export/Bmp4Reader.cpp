#include "export/Bmp4Reader.h"

#include <fstream>
#include <iterator>

namespace zuvar {

namespace {

uint32_t GetU16(const std::vector<uint8_t>& f, std::size_t at) {
  return static_cast<uint32_t>(f[at]) | static_cast<uint32_t>(f[at + 1]) << 8;
}

uint32_t GetU32(const std::vector<uint8_t>& f, std::size_t at) {
  return GetU16(f, at) | GetU16(f, at + 2) << 16;
}

}  // namespace

bool TBmp4Reader::Fail(const std::string& why) {
  Error = why;
  return false;
}

bool TBmp4Reader::Load(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return Fail("cannot open " + path);
  const std::vector<uint8_t> file((std::istreambuf_iterator<char>(in)),
                                  std::istreambuf_iterator<char>());
  return Parse(file);
}

bool TBmp4Reader::Parse(const std::vector<uint8_t>& file) {
  if (file.size() < 54) return Fail("shorter than the headers");
  if (file[0] != 'B' || file[1] != 'M') return Fail("no BM signature");
  FileSize = GetU32(file, 2);
  PixelOffset = GetU32(file, 10);
  InfoHeaderSize = GetU32(file, 14);
  Width = static_cast<int32_t>(GetU32(file, 18));
  Height = static_cast<int32_t>(GetU32(file, 22));
  Planes = static_cast<uint16_t>(GetU16(file, 26));
  BitsPerPixel = static_cast<uint16_t>(GetU16(file, 28));
  Compression = GetU32(file, 30);
  ImageSize = GetU32(file, 34);
  ColorsUsed = GetU32(file, 46);
  if (BitsPerPixel != 4 || Compression != 0) return Fail("not an uncompressed 4-bit bitmap");
  if (Width <= 0 || Height <= 0) return Fail("not a bottom-up bitmap of positive size");

  const uint32_t colours = ColorsUsed == 0 ? 16 : ColorsUsed;
  const std::size_t paletteAt = 14 + static_cast<std::size_t>(InfoHeaderSize);
  if (colours > 16 || paletteAt + colours * 4 > file.size()) return Fail("bad palette");
  Palette.clear();
  for (uint32_t i = 0; i < colours; ++i) {
    const std::size_t at = paletteAt + i * 4;
    Palette.push_back(static_cast<uint32_t>(file[at + 2]) << 16 |
                      static_cast<uint32_t>(file[at + 1]) << 8 | file[at]);
  }

  rowSize_ = static_cast<uint32_t>((static_cast<uint64_t>(Width) + 1) / 2 + 3) / 4 * 4;
  const uint64_t needed = static_cast<uint64_t>(rowSize_) * static_cast<uint64_t>(Height);
  if (PixelOffset > file.size() || file.size() - PixelOffset < needed)
    return Fail("pixel data too short");
  pixels_.assign(file.begin() + PixelOffset, file.begin() + PixelOffset + needed);
  Error.clear();
  return true;
}

std::vector<uint8_t> TBmp4Reader::RowBytes(int32_t y) const {
  const std::size_t start = static_cast<std::size_t>(Height - 1 - y) * rowSize_;
  return {pixels_.begin() + start, pixels_.begin() + start + rowSize_};
}

uint8_t TBmp4Reader::IndexAt(int32_t x, int32_t y) const {
  const std::size_t row = static_cast<std::size_t>(Height - 1 - y) * rowSize_;
  const uint8_t byte = pixels_[row + static_cast<std::size_t>(x) / 2];
  return x % 2 == 0 ? byte >> 4 : byte & 0x0F;
}

uint32_t TBmp4Reader::ColorAt(int32_t x, int32_t y) const {
  const uint8_t index = IndexAt(x, y);
  return index < Palette.size() ? Palette[index] : 0;
}

}  // namespace zuvar
