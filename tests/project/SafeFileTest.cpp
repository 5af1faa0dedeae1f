#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <iterator>

#include "project/FileError.h"
#include "project/SafeFile.h"
#include "tests/project/FinishesInTime.h"
#include "tests/project/TempDir.h"

namespace zuvar {
namespace {

namespace fs = std::filesystem;
using test::TTempDir;

std::size_t FilesIn(const TTempDir& dir) {
  return static_cast<std::size_t>(
      std::distance(fs::directory_iterator(dir.File("")), fs::directory_iterator()));
}

TEST(SafeFileTest, TheTargetChangesOnlyWhenTheWritingIsCommitted) {
  TTempDir dir;
  const std::string file = dir.Write("a.txt", "old");
  ::chmod(file.c_str(), 0604);
  {
    TSafeFile safe(file);
    EXPECT_EQ(fs::path(safe.TemporaryName()).parent_path(), fs::path(dir.File("")).parent_path());
    safe.Write("new ");
    safe.Write(std::string(200000, 'x'));  // more than the buffer holds
    EXPECT_EQ(TTempDir::Read(file), "old");
    safe.Commit();
  }
  EXPECT_EQ(TTempDir::Read(file), "new " + std::string(200000, 'x'));
  EXPECT_EQ(fs::status(file).permissions(), fs::perms(0604));
  EXPECT_EQ(FilesIn(dir), 1u);
}

TEST(SafeFileTest, AnUncommittedWritingLeavesNothingBehind) {
  TTempDir dir;
  const std::string file = dir.Write("a.txt", "old");
  {
    TSafeFile safe(file);
    safe.Write("new");
    EXPECT_TRUE(fs::exists(safe.TemporaryName()));
  }
  EXPECT_EQ(TTempDir::Read(file), "old");
  { TSafeFile(dir.File("new.txt")).Write("never committed"); }
  EXPECT_FALSE(fs::exists(dir.File("new.txt")));
  EXPECT_EQ(FilesIn(dir), 1u);
}

TEST(SafeFileTest, AFaultStopsTheWritingAfterTheGivenBytes) {
  TTempDir dir;
  const std::string file = dir.Write("a.txt", "old");
  TSafeFile safe(file, TWriteFault{5});
  safe.Write("abc");
  try {
    safe.Write("defgh");
    FAIL() << "wrote past the fault";
  } catch (const TFileError& error) {
    EXPECT_EQ(error.Kind(), TFileError::TKind::Write);
    EXPECT_EQ(error.FileName(), file);
  }
  EXPECT_EQ(TTempDir::Read(safe.TemporaryName()), "abcde");
  EXPECT_EQ(TTempDir::Read(file), "old");
}

TEST(SafeFileTest, ALinkStaysALinkToTheNewFile) {
  TTempDir dir;
  const std::string real = dir.Write("real.txt", "old");
  const std::string link = dir.File("link.txt");
  fs::create_symlink(real, link);
  TSafeFile safe(link);
  safe.Write("new");
  safe.Commit();
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(TTempDir::Read(real), "new");
}

TEST(SafeFileTest, RefusesTargetsThatAreNoRegularFilesOrCannotBeCreated) {
  TTempDir dir;
  const std::string fifo = dir.File("pipe.bin");
  ASSERT_TRUE(test::MakeFifo(fifo));
  for (const std::string& target :
       {fifo, dir.File(""), std::string("/dev/null"), dir.File("no/such/folder.txt")}) {
    try {
      TSafeFile safe(target);
      FAIL() << "accepted " << target;
    } catch (const TFileError& error) {
      EXPECT_EQ(error.Kind(), TFileError::TKind::Create) << target;
    }
  }
  EXPECT_TRUE(fs::is_fifo(fifo));
  EXPECT_TRUE(fs::is_character_file("/dev/null"));
}

}  // namespace
}  // namespace zuvar
