#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "export/Bmp4Reader.h"
#include "export/Bmp4Writer.h"

namespace zuvar {
namespace {

TBmp4Reader ReadBack(const std::vector<uint8_t>& file) {
  TBmp4Reader reader;
  EXPECT_TRUE(reader.Parse(file)) << reader.Error;
  return reader;
}

TEST(Bmp4Writer, HeadersDescribeA16ColourBitmapOfTheGivenSize) {
  const std::vector<uint32_t> pixels(7 * 3, 0xFFFFFF);
  TBmp4Writer writer;
  const std::vector<uint8_t> file = writer.Encode(pixels.data(), 7, 3, 7);
  const TBmp4Reader bmp = ReadBack(file);
  EXPECT_EQ(bmp.FileSize, file.size());
  EXPECT_EQ(bmp.PixelOffset, 14u + 40u + 64u);
  EXPECT_EQ(bmp.InfoHeaderSize, 40u);
  EXPECT_EQ(bmp.Width, 7);
  EXPECT_EQ(bmp.Height, 3);  // positive: bottom-up rows
  EXPECT_EQ(bmp.Planes, 1);
  EXPECT_EQ(bmp.BitsPerPixel, 4);
  EXPECT_EQ(bmp.Compression, 0u);
  EXPECT_EQ(bmp.ColorsUsed, 16u);
  EXPECT_EQ(bmp.ImageSize, 3u * 4u);
  const std::vector<uint32_t> vga = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080,
                                     0x008080, 0xC0C0C0, 0x808080, 0xFF0000, 0x00FF00, 0xFFFF00,
                                     0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
  EXPECT_EQ(bmp.Palette, vga);
}

TEST(Bmp4Writer, RowsArePaddedToFourBytes) {
  EXPECT_EQ(TBmp4Writer::RowSize(1), 4u);
  EXPECT_EQ(TBmp4Writer::RowSize(8), 4u);
  EXPECT_EQ(TBmp4Writer::RowSize(9), 8u);
  EXPECT_EQ(TBmp4Writer::RowSize(17), 12u);
  // An odd width: the unused low nibble and the padding bytes are zero.
  const std::vector<uint32_t> pixels(3 * 2, 0xFFFFFF);
  TBmp4Writer writer;
  const TBmp4Reader bmp = ReadBack(writer.Encode(pixels.data(), 3, 2, 3));
  EXPECT_EQ(bmp.RowBytes(0), (std::vector<uint8_t>{0xFF, 0xF0, 0x00, 0x00}));
  EXPECT_EQ(bmp.RowBytes(1), (std::vector<uint8_t>{0xFF, 0xF0, 0x00, 0x00}));
}

TEST(Bmp4Writer, PixelsMapToTheNearestStandardColour) {
  TBmp4Writer writer;
  EXPECT_EQ(writer.NearestIndex(0x000000), 0);
  EXPECT_EQ(writer.NearestIndex(0xFF0000), 9);   // red
  EXPECT_EQ(writer.NearestIndex(0x00FF00), 10);  // lime
  EXPECT_EQ(writer.NearestIndex(0x008000), 2);   // green
  EXPECT_EQ(writer.NearestIndex(0xFFFF00), 11);  // yellow
  EXPECT_EQ(writer.NearestIndex(0xFEFEFE), 15);  // near white
  EXPECT_EQ(writer.NearestIndex(0xC8C8C8), 7);   // light grey is silver
  EXPECT_EQ(writer.NearestIndex(0x707070), 8);   // dark grey is gray
  EXPECT_EQ(writer.NearestIndex(0xF01010), 9);
  EXPECT_EQ(writer.NearestIndex(0x200000), 0);
  EXPECT_EQ(writer.NearestIndex(0xFF0000FF), 12);  // the top byte is ignored: blue
  // Asking again gives the cached answer.
  EXPECT_EQ(writer.NearestIndex(0xC8C8C8), 7);
  EXPECT_EQ(writer.NearestIndex(0x000000), 0);
}

TEST(Bmp4Writer, RowsAreStoredBottomUpAndStrideSkipsExtraPixels) {
  // 3 x 2 picture in a buffer 4 pixels wide; the fourth column must not be read.
  const std::vector<uint32_t> pixels = {0xFF0000, 0x00FF00, 0x0000FF, 0x123456,
                                        0xFFFFFF, 0x000000, 0xFFFF00, 0x654321};
  TBmp4Writer writer;
  const TBmp4Reader bmp = ReadBack(writer.Encode(pixels.data(), 3, 2, 4));
  EXPECT_EQ(bmp.ColorAt(0, 0), 0xFF0000u);
  EXPECT_EQ(bmp.ColorAt(1, 0), 0x00FF00u);
  EXPECT_EQ(bmp.ColorAt(2, 0), 0x0000FFu);
  EXPECT_EQ(bmp.ColorAt(0, 1), 0xFFFFFFu);
  EXPECT_EQ(bmp.ColorAt(1, 1), 0x000000u);
  EXPECT_EQ(bmp.ColorAt(2, 1), 0xFFFF00u);
  // The top row of the picture is the last one in the file.
  EXPECT_EQ(bmp.RowBytes(0)[0], 0x9A);
  EXPECT_EQ(bmp.RowBytes(1)[0], 0xF0);
}

TEST(Bmp4Writer, RefusesPicturesItCannotEncode) {
  const std::vector<uint32_t> pixels(4, 0);
  TBmp4Writer writer;
  EXPECT_TRUE(writer.Encode(nullptr, 2, 2, 2).empty());
  EXPECT_TRUE(writer.Encode(pixels.data(), 0, 2, 2).empty());
  EXPECT_TRUE(writer.Encode(pixels.data(), 2, 0, 2).empty());
  EXPECT_TRUE(writer.Encode(pixels.data(), 2, 2, 1).empty());
  EXPECT_TRUE(writer.Encode(pixels.data(), 2, -1, 2).empty());
}

class Bmp4WriterFile : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() /
           ("zuvar_bmp_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  std::filesystem::path dir_;
};

TEST_F(Bmp4WriterFile, WritesAFileThatReadsBack) {
  const std::vector<uint32_t> pixels = {0x800000, 0x008080, 0xC0C0C0, 0xFF00FF, 0x00FFFF};
  const std::string path = (dir_ / "out.bmp").string();
  TBmp4Writer writer;
  ASSERT_TRUE(writer.Write(path, pixels.data(), 5, 1, 5));
  TBmp4Reader bmp;
  ASSERT_TRUE(bmp.Load(path)) << bmp.Error;
  EXPECT_EQ(bmp.Width, 5);
  EXPECT_EQ(bmp.Height, 1);
  EXPECT_EQ(std::filesystem::file_size(path), bmp.FileSize);
  for (int x = 0; x < 5; ++x) EXPECT_EQ(bmp.ColorAt(x, 0), pixels[x]) << x;
}

TEST_F(Bmp4WriterFile, ReplacesAnExistingFile) {
  const std::string path = (dir_ / "old.bmp").string();
  {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    const std::string junk(5000, 'x');
    std::fwrite(junk.data(), 1, junk.size(), f);
    std::fclose(f);
  }
  const std::vector<uint32_t> pixels(2, 0);
  TBmp4Writer writer;
  ASSERT_TRUE(writer.Write(path, pixels.data(), 2, 1, 2));
  EXPECT_EQ(std::filesystem::file_size(path), 14u + 40u + 64u + 4u);
}

TEST_F(Bmp4WriterFile, FailsWhenTheFileCannotBeCreated) {
  const std::vector<uint32_t> pixels(1, 0);
  TBmp4Writer writer;
  EXPECT_FALSE(writer.Write((dir_ / "missing" / "x.bmp").string(), pixels.data(), 1, 1, 1));
  EXPECT_FALSE(writer.Write(dir_.string(), pixels.data(), 1, 1, 1));  // a folder
  EXPECT_FALSE(writer.Write((dir_ / "empty.bmp").string(), pixels.data(), 0, 1, 1));
  EXPECT_FALSE(std::filesystem::exists(dir_ / "empty.bmp"));
}

// A failed export (a full disk in the middle of the picture) keeps the old bitmap as it was.
TEST_F(Bmp4WriterFile, AFailedWritingKeepsTheOldBitmap) {
  const std::string path = (dir_ / "old.bmp").string();
  const std::vector<uint32_t> old(4, 0xFFFFFF);
  TBmp4Writer writer;
  ASSERT_TRUE(writer.Write(path, old.data(), 2, 2, 2));
  const auto bytesOf = [&path] {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  };
  const std::string before = bytesOf();
  TBmp4Reader bitmap;
  const std::vector<uint32_t> pixels(400 * 300, 0x800000);
  for (const std::uint64_t after : {0ull, 100ull, 50000ull}) {
    EXPECT_FALSE(writer.Write(path, pixels.data(), 400, 300, 400, TWriteFault{after})) << after;
    EXPECT_EQ(bytesOf(), before);
    ASSERT_TRUE(bitmap.Load(path)) << bitmap.Error;
    EXPECT_EQ(bitmap.Width, 2);
    EXPECT_EQ(bitmap.ColorAt(1, 1), 0xFFFFFFu);
  }
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_), {}), 1);
}

}  // namespace
}  // namespace zuvar
