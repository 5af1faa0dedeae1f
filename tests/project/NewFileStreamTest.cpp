#include <gtest/gtest.h>

#include "project/FileError.h"
#include "project/NewFileStream.h"
#include "tests/project/TempDir.h"

namespace zuvar {
namespace {

using test::TempDir;

TEST(NewFileStreamTest, ReadsWholeFileAndSplitsAtCarriageReturns) {
  TempDir dir;
  const std::string file = dir.Write("a.bin", "ZUVAR2.0\r\n500\r\n\r\nlast");
  TNewFileStream stream(file, TNewFileStream::TMode::Read);
  EXPECT_EQ(stream.DataSize(), 21);
  EXPECT_EQ(stream.ReadPos(), 0);
  EXPECT_EQ(stream.ReadLine(), "ZUVAR2.0");
  EXPECT_EQ(stream.ReadPos(), 10);
  EXPECT_EQ(stream.ReadLine(), "500");
  EXPECT_EQ(stream.ReadLine(), "");
  EXPECT_FALSE(stream.AtEnd());
  EXPECT_EQ(stream.ReadLine(), "last");
  EXPECT_TRUE(stream.AtEnd());
  EXPECT_EQ(stream.ReadLine(), "");
  EXPECT_EQ(stream.ReadLine(), "");
}

TEST(NewFileStreamTest, SkipsTheByteAfterCarriageReturnUnlooked) {
  TempDir dir;
  TNewFileStream stream(dir.Write("a.bin", "ab\rXcd\r\nef\r"), TNewFileStream::TMode::Read);
  EXPECT_EQ(stream.ReadLine(), "ab");
  EXPECT_EQ(stream.ReadLine(), "cd");
  EXPECT_EQ(stream.ReadLine(), "ef");
  // The CR was the last byte: the position lies past the data and nothing more is read.
  EXPECT_EQ(stream.ReadPos(), 12);
  EXPECT_TRUE(stream.AtEnd());
  EXPECT_EQ(stream.ReadLine(), "");
}

TEST(NewFileStreamTest, LineFeedsAloneDoNotEndLines) {
  TempDir dir;
  TNewFileStream stream(dir.Write("a.bin", "ZUVAR2.0\n500\n"), TNewFileStream::TMode::Read);
  EXPECT_EQ(stream.ReadLine(), "ZUVAR2.0\n500\n");
  EXPECT_TRUE(stream.AtEnd());
}

TEST(NewFileStreamTest, EmptyFileIsAtEndAtOnce) {
  TempDir dir;
  TNewFileStream stream(dir.Write("a.bin", ""), TNewFileStream::TMode::Read);
  EXPECT_EQ(stream.DataSize(), 0);
  EXPECT_TRUE(stream.AtEnd());
  EXPECT_EQ(stream.ReadLine(), "");
}

TEST(NewFileStreamTest, KeepsEveryByteValue) {
  TempDir dir;
  std::string bytes;
  for (int c = 0; c < 256; ++c) {
    if (c != 13) bytes += static_cast<char>(c);
  }
  TNewFileStream stream(dir.Write("a.bin", bytes), TNewFileStream::TMode::Read);
  EXPECT_EQ(stream.Buffer(), bytes);
  EXPECT_EQ(stream.ReadLine(), bytes);
}

TEST(NewFileStreamTest, CreateTruncatesAndWrites) {
  TempDir dir;
  const std::string file = dir.Write("a.bin", "old content that is longer");
  {
    TNewFileStream stream(file, TNewFileStream::TMode::Create);
    EXPECT_TRUE(stream.Buffer().empty());
    stream.Write("new\r\n");
    stream.Write("");
    stream.Close();
  }
  EXPECT_EQ(TempDir::Read(file), "new\r\n");
}

TEST(NewFileStreamTest, ReportsFilesThatCannotBeOpenedOrCreated) {
  TempDir dir;
  const std::string missing = dir.File("missing.bin");
  try {
    TNewFileStream stream(missing, TNewFileStream::TMode::Read);
    FAIL() << "opened a missing file";
  } catch (const TFileError& error) {
    EXPECT_EQ(error.Kind(), TFileError::TKind::Open);
    EXPECT_EQ(error.FileName(), missing);
    EXPECT_EQ(std::string(error.what()), "Nie można otworzyć pliku \"" + missing + "\".");
  }
  try {
    TNewFileStream stream(dir.File(""), TNewFileStream::TMode::Read);
    FAIL() << "read a folder";
  } catch (const TFileError& error) {
    EXPECT_EQ(error.Kind(), TFileError::TKind::Open);
  }
  EXPECT_FALSE(TNewFileStream::CanOpenForReading(missing));
  EXPECT_FALSE(TNewFileStream::CanOpenForReading(dir.File("")));
  EXPECT_TRUE(TNewFileStream::CanOpenForReading(dir.Write("there.bin", "x")));
  const std::string inMissingDir = dir.File("no/such/dir.bin");
  try {
    TNewFileStream stream(inMissingDir, TNewFileStream::TMode::Create);
    FAIL() << "created a file in a missing folder";
  } catch (const TFileError& error) {
    EXPECT_EQ(error.Kind(), TFileError::TKind::Create);
  }
}

TEST(NewFileStreamTest, ReportsDataThatCannotBeWritten) {
  if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
  TNewFileStream stream("/dev/full", TNewFileStream::TMode::Create);
  EXPECT_THROW(
      {
        stream.Write(std::string(1 << 20, 'x'));
        stream.Close();
      },
      TFileError);
}

}  // namespace
}  // namespace zuvar
