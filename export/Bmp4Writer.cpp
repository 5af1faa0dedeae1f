#include "export/Bmp4Writer.h"

#include <limits>
#include <string_view>

#include "project/FileError.h"
#include "project/SafeFile.h"

namespace zuvar {

const std::array<uint32_t, 16> TBmp4Writer::Palette = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};

namespace {

void PutU16(uint8_t* at, uint32_t value) {
  at[0] = static_cast<uint8_t>(value);
  at[1] = static_cast<uint8_t>(value >> 8);
}

void PutU32(uint8_t* at, uint32_t value) {
  PutU16(at, value & 0xFFFF);
  PutU16(at + 2, value >> 16);
}

int32_t Channel(uint32_t rgb, int shift) { return static_cast<int32_t>((rgb >> shift) & 0xFF); }

void PutHeaders(uint8_t* out, int32_t width, int32_t height, uint32_t imageSize) {
  out[0] = 'B';
  out[1] = 'M';
  PutU32(out + 2, TBmp4Writer::PixelOffset + imageSize);
  PutU32(out + 10, TBmp4Writer::PixelOffset);
  uint8_t* info = out + TBmp4Writer::FileHeaderSize;
  PutU32(info, TBmp4Writer::InfoHeaderSize);
  PutU32(info + 4, static_cast<uint32_t>(width));
  PutU32(info + 8, static_cast<uint32_t>(height));  // positive: rows stored bottom-up
  PutU16(info + 12, 1);                             // planes
  PutU16(info + 14, 4);                             // bits per pixel
  PutU32(info + 16, 0);                             // no compression
  PutU32(info + 20, imageSize);
  PutU32(info + 24, 3780);  // 96 dots per inch, as pixels per metre
  PutU32(info + 28, 3780);
  PutU32(info + 32, 16);  // colours used
  PutU32(info + 36, 0);   // all colours important
}

void PutPalette(uint8_t* out) {
  for (std::size_t i = 0; i < TBmp4Writer::Palette.size(); ++i) {
    const uint32_t rgb = TBmp4Writer::Palette[i];
    uint8_t* quad = out + i * 4;
    quad[0] = static_cast<uint8_t>(rgb);        // blue
    quad[1] = static_cast<uint8_t>(rgb >> 8);   // green
    quad[2] = static_cast<uint8_t>(rgb >> 16);  // red
    quad[3] = 0;
  }
}

}  // namespace

uint32_t TBmp4Writer::RowSize(int32_t width) {
  if (width <= 0) return 0;
  const uint64_t bytes = (static_cast<uint64_t>(width) + 1) / 2;
  return static_cast<uint32_t>((bytes + 3) / 4 * 4);
}

uint8_t TBmp4Writer::SearchNearest(uint32_t rgb) {
  uint8_t best = 0;
  int64_t bestDistance = std::numeric_limits<int64_t>::max();
  for (std::size_t i = 0; i < Palette.size(); ++i) {
    int64_t distance = 0;
    for (int shift : {16, 8, 0}) {
      const int64_t d = Channel(rgb, shift) - Channel(Palette[i], shift);
      distance += d * d;
    }
    if (distance < bestDistance) {
      bestDistance = distance;
      best = static_cast<uint8_t>(i);
    }
  }
  return best;
}

uint8_t TBmp4Writer::NearestIndex(uint32_t rgb) {
  rgb &= 0xFFFFFF;
  if (rgb == lastRgb_) return lastIndex_;
  auto [it, inserted] = cache_.try_emplace(rgb, 0);
  if (inserted) it->second = SearchNearest(rgb);
  lastRgb_ = rgb;
  lastIndex_ = it->second;
  return lastIndex_;
}

void TBmp4Writer::EncodeRow(const uint32_t* row, int32_t width, uint8_t* out) {
  for (int32_t x = 0; x < width; x += 2) {
    const uint8_t high = NearestIndex(row[x]);
    const uint8_t low = x + 1 < width ? NearestIndex(row[x + 1]) : 0;
    out[x / 2] = static_cast<uint8_t>(high << 4 | low);
  }
}

std::vector<uint8_t> TBmp4Writer::Encode(const uint32_t* pixels, int32_t width, int32_t height,
                                         int32_t stride) {
  if (pixels == nullptr || width <= 0 || height <= 0 || stride < width) return {};
  const uint64_t rowSize = RowSize(width);
  const uint64_t imageSize = rowSize * static_cast<uint64_t>(height);
  if (imageSize + PixelOffset > std::numeric_limits<uint32_t>::max()) return {};

  std::vector<uint8_t> file(PixelOffset + imageSize, 0);
  PutHeaders(file.data(), width, height, static_cast<uint32_t>(imageSize));
  PutPalette(file.data() + FileHeaderSize + InfoHeaderSize);
  uint8_t* stored = file.data() + PixelOffset;
  for (int32_t y = 0; y < height; ++y) {
    const uint32_t* row = pixels + static_cast<std::size_t>(height - 1 - y) * stride;
    EncodeRow(row, width, stored + static_cast<std::size_t>(y) * rowSize);
  }
  return file;
}

bool TBmp4Writer::Write(const std::string& path, const uint32_t* pixels, int32_t width,
                        int32_t height, int32_t stride, TWriteFault fault) {
  const std::vector<uint8_t> file = Encode(pixels, width, height, stride);
  if (file.empty()) return false;
  try {
    TSafeFile out(path, fault);
    out.Write(std::string_view(reinterpret_cast<const char*>(file.data()), file.size()));
    out.Commit();
  } catch (const TFileError&) {
    return false;
  }
  return true;
}

}  // namespace zuvar
