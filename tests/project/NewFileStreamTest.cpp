#include <gtest/gtest.h>

#include <filesystem>

#include "project/FileError.h"
#include "project/NewFileStream.h"
#include "tests/project/FinishesInTime.h"
#include "tests/project/TempDir.h"

namespace zuvar {
namespace {

using test::TTempDir;

TEST(NewFileStreamTest, ReadsWholeFileAndSplitsAtCarriageReturns) {
  TTempDir dir;
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
  TTempDir dir;
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
  TTempDir dir;
  TNewFileStream stream(dir.Write("a.bin", "ZUVAR2.0\n500\n"), TNewFileStream::TMode::Read);
  EXPECT_EQ(stream.ReadLine(), "ZUVAR2.0\n500\n");
  EXPECT_TRUE(stream.AtEnd());
}

TEST(NewFileStreamTest, EmptyFileIsAtEndAtOnce) {
  TTempDir dir;
  TNewFileStream stream(dir.Write("a.bin", ""), TNewFileStream::TMode::Read);
  EXPECT_EQ(stream.DataSize(), 0);
  EXPECT_TRUE(stream.AtEnd());
  EXPECT_EQ(stream.ReadLine(), "");
}

TEST(NewFileStreamTest, KeepsEveryByteValue) {
  TTempDir dir;
  std::string bytes;
  for (int c = 0; c < 256; ++c) {
    if (c != 13) bytes += static_cast<char>(c);
  }
  TNewFileStream stream(dir.Write("a.bin", bytes), TNewFileStream::TMode::Read);
  EXPECT_EQ(stream.Buffer(), bytes);
  EXPECT_EQ(stream.ReadLine(), bytes);
}

TEST(NewFileStreamTest, CreateTruncatesAndWrites) {
  TTempDir dir;
  const std::string file = dir.Write("a.bin", "old content that is longer");
  {
    TNewFileStream stream(file, TNewFileStream::TMode::Create);
    EXPECT_TRUE(stream.Buffer().empty());
    stream.Write("new\r\n");
    stream.Write("");
    stream.Close();
  }
  EXPECT_EQ(TTempDir::Read(file), "new\r\n");
}

TEST(NewFileStreamTest, ReportsFilesThatCannotBeOpenedOrCreated) {
  TTempDir dir;
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

TEST(NewFileStreamTest, AFailedWritingKeepsTheOldFile) {
  TTempDir dir;
  const std::string file = dir.Write("a.bin", "old");
  {
    TNewFileStream stream(file, TNewFileStream::TMode::Create,
                          TFileStreamOptions::WithFault(TWriteFault{4}));
    stream.Write("new");
    EXPECT_THROW(stream.Write("\r\n"), TFileError);
    EXPECT_THROW(stream.Close(), TFileError);
  }
  EXPECT_EQ(TTempDir::Read(file), "old");
  // A device is not written through: creating over it is refused.
  if (std::filesystem::exists("/dev/full")) {
    EXPECT_THROW(TNewFileStream("/dev/full", TNewFileStream::TMode::Create), TFileError);
  }
}

// Opening a pipe for reading would wait for a writer for ever; it is refused at once, like a
// device, as a file that cannot be opened.
TEST(NewFileStreamTest, RefusesPipesAndDevicesWithoutWaiting) {
  TTempDir dir;
  const std::string fifo = dir.File("pipe.bin");
  ASSERT_TRUE(test::MakeFifo(fifo));
  for (const std::string& name : {fifo, std::string("/dev/zero")}) {
    bool refused = false;
    bool exists = true;
    EXPECT_TRUE(test::FinishesInTime(
        [&] {
          exists = TNewFileStream::CanOpenForReading(name);
          try {
            TNewFileStream stream(name, TNewFileStream::TMode::Read);
          } catch (const TFileError& error) {
            refused = error.Kind() == TFileError::TKind::Open;
          }
        },
        fifo))
        << name;
    EXPECT_TRUE(refused) << name;
    EXPECT_FALSE(exists) << name;
  }
}

// A file that does not start as required is taken as empty after reading as many bytes as the
// required start has: a huge file of zero bytes is refused at once.
TEST(NewFileStreamTest, AFileWithoutTheRequiredStartIsNotReadFurther) {
  TTempDir dir;
  const auto header = TFileStreamOptions::RequiringStart("ZUVAR2.0\r");
  const std::string good = dir.Write("good.bin", "ZUVAR2.0\r\n5\r\n");
  TNewFileStream stream(good, TNewFileStream::TMode::Read, header);
  EXPECT_EQ(stream.ReadLine(), "ZUVAR2.0");
  EXPECT_EQ(stream.ReadLine(), "5");
  for (const char* bytes : {"", "ZUVAR2.0", "ZUVAR2.0\n500\n", "ZUVAR2.1\r\n"}) {
    TNewFileStream bad(dir.Write("bad.bin", bytes), TNewFileStream::TMode::Read, header);
    EXPECT_EQ(bad.DataSize(), 0) << bytes;
    EXPECT_EQ(bad.ReadLine(), "") << bytes;
  }
  const std::string huge = dir.File("zeros.bin");
  std::filesystem::resize_file(dir.Write("zeros.bin", ""), std::uintmax_t{1} << 40);
  TNewFileStream zeros(huge, TNewFileStream::TMode::Read, header);
  EXPECT_EQ(zeros.DataSize(), 0);
}

}  // namespace
}  // namespace zuvar
