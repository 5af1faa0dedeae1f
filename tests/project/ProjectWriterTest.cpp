#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <iterator>

#include "model/Schemat.h"
#include "project/ProjectFile.h"
#include "project/ProjectWriter.h"
#include "tests/project/TempDir.h"
#include "tests/support/RecordingHost.h"

namespace zuvar {
namespace {

using test::CrLfLines;
using test::TRecordingHost;
using test::TTempDir;

TNewShape* Place(TSchemat& doc, TNewShapeType type, int32_t left, int32_t top) {
  TNewShape* block = doc.AddBlock(type);
  block->MoveTo(left, top);
  return block;
}

void Connect(TNewShape* from, TNewShape* to, int32_t exitSide, int32_t entrySide) {
  from->ExitSide = exitSide;
  from->EntrySide = entrySide;
  from->SetBlockLink(to);
}

TEST(ProjectWriterTest, WritesTheStartStopExampleByteForByte) {
  TTempDir dir;
  TRecordingHost host;
  TSchemat doc;
  TNewShape* start = Place(doc, nstStart, 225, 20);
  TNewShape* stop = Place(doc, nstStop, 225, 100);
  Connect(start, stop, sideBottom, sideTop);
  const std::string file = dir.File("example.bin");
  EXPECT_EQ(TProjectWriter(host).Write(file, doc), TWriteResult::Ok);
  EXPECT_EQ(TTempDir::Read(file),
            CrLfLines({"ZUVAR2.0", "500", "1000",                                          // header
                       "1",        "?x?", "225",  "20",  "50", "30", "0", "32768", "255",  // start
                       "2",        "0",   "65",   "0",   "0",                              //
                       "2",        "?x?", "225",  "100", "50", "30", "1", "32768", "255",  // stop
                       "0",        "0",   "0",    "0",   "0"}));
  EXPECT_TRUE(doc.Saved);
  EXPECT_EQ(doc.Title, file);
  EXPECT_EQ(host.log, (std::vector<std::string>{"Zapisanie projektu " + file}));
  EXPECT_TRUE(host.messages.empty());
}

TEST(ProjectWriterTest, EmptyDiagramIsTheHeaderAlone) {
  TTempDir dir;
  TRecordingHost host;
  TSchemat doc;
  doc.SheetWidth = 640;
  doc.SheetHeight = -3;
  const std::string file = dir.File("empty.bin");
  ASSERT_TRUE(WriteProjectFile(file, doc, host));
  EXPECT_EQ(TTempDir::Read(file), CrLfLines({"ZUVAR2.0", "640", "-3"}));
}

TEST(ProjectWriterTest, WritesCodeColoursAndOddValuesAsStored) {
  TTempDir dir;
  TRecordingHost host;
  TSchemat doc;
  TNewShape* choice = Place(doc, nstChoice, -5, 7);
  choice->Code = {"a > 1", "", "zażółć"};
  choice->Caption = "a > 1";
  choice->TrueLinkColor = 0x80000005;  // a colour value above the signed range
  choice->FalseLinkColor = clLime;
  choice->Id = 4000000000u;
  Connect(choice, choice, sideRight, sideTop);
  choice->ExitSide = sideLeft;
  choice->EntrySide = sideBottom;
  choice->SetBlockLinkFalse(choice);
  TNewShape* odd = doc.AddBlock(static_cast<TNewShapeType>(200));
  const std::string file = dir.File("odd.bin");
  ASSERT_TRUE(WriteProjectFile(file, doc, host));
  const std::string expected =
      CrLfLines({"ZUVAR2.0", "500", "1000"}) +
      CrLfLines({"4000000000", "a > 1", "-5", "7", "50", "40", "5", "-2147483643", "65280"}) +
      CrLfLines({"4000000000", "4000000000", "49", "36", "3", "a > 1", "", "za\xBF\xF3\xB3\xE6"}) +
      CrLfLines({"2", "?x?", "0", "0", std::to_string(odd->Width), std::to_string(odd->Height)}) +
      CrLfLines({"200", "32768", "255", "0", "0", "0", "0", "0"});
  EXPECT_EQ(TTempDir::Read(file), expected);
}

TEST(ProjectWriterTest, CommitsTheEditorIntoTheActiveBlockAndRestoresIt) {
  TTempDir dir;
  TRecordingHost host;
  TSchemat doc;
  std::vector<std::string> editor;
  doc.SourceLines = &editor;
  TNewShape* calc = Place(doc, nstCalc, 10, 10);
  calc->Code = {"int a;"};
  doc.SetActiveBlock(calc);
  editor = {"int a;", "a = 2;"};
  const std::string file = dir.File("active.bin");
  ASSERT_TRUE(WriteProjectFile(file, doc, host));
  EXPECT_EQ(doc.ActiveBlock, calc);
  EXPECT_EQ(calc->Code, editor);
  EXPECT_EQ(editor, (std::vector<std::string>{"int a;", "a = 2;"}));
  const std::string text = TTempDir::Read(file);
  EXPECT_NE(text.find("\r\n2\r\nint a;\r\na = 2;\r\n"), std::string::npos) << text;
  EXPECT_TRUE(doc.Saved);
}

TEST(ProjectWriterTest, ReportsAFileThatCannotBeCreated) {
  TTempDir dir;
  TRecordingHost host;
  TSchemat doc;
  doc.AddBlock(nstCalc);
  const std::string file = dir.File("missing/dir.bin");
  EXPECT_EQ(TProjectWriter(host).Write(file, doc), TWriteResult::CreateFailed);
  EXPECT_EQ(host.log,
            (std::vector<std::string>{"Wystąpił błąd podczas zapisywania projektu: " + file}));
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text,
            "Wystąpił błąd podczas zapisywania projektu - brak dostępu do zapisu!");
  EXPECT_EQ(host.messages[0].caption, "Błąd operacji zapisu....");
  EXPECT_EQ(host.messages[0].buttons, TMsgButtons::Ok);
  EXPECT_FALSE(doc.Saved);
  EXPECT_EQ(doc.Title, "Nowy Projekt");
}

// A disk that fills up in the middle of the writing: the old project stays as it was, byte for
// byte, no temporary file is left behind, and the document is neither saved nor renamed.
TEST(ProjectWriterTest, AFailedWritingLeavesTheOldProjectAndTheDocumentAsTheyWere) {
  TTempDir dir;
  const std::string old = CrLfLines({"ZUVAR2.0", "300", "200"});
  const std::string file = dir.Write("old.bin", old);
  ::chmod(file.c_str(), 0640);
  TSchemat doc;
  TNewShape* calc = doc.AddBlock(nstCalc);
  calc->Code.assign(2000, "a = a + 1;");
  for (const std::uint64_t after : {0ull, 10ull, 12000ull}) {
    SCOPED_TRACE(after);
    TRecordingHost host;
    doc.Saved = false;
    EXPECT_EQ(TProjectWriter(host, TWriteFault{after}).Write(file, doc), TWriteResult::WriteFailed);
    EXPECT_EQ(TTempDir::Read(file), old);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.File("")), {}), 1);
    EXPECT_FALSE(doc.Saved);
    EXPECT_EQ(doc.Title, "Nowy Projekt");
    EXPECT_EQ(host.log,
              (std::vector<std::string>{"Wystąpił błąd podczas zapisywania projektu: " + file}));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text,
              "Wystąpił błąd podczas zapisywania projektu - brak dostępu do zapisu!");
    EXPECT_EQ(host.messages[0].caption, "Błąd operacji zapisu....");
  }
  // The same file written completely takes the old one's place and its permissions.
  TRecordingHost host;
  EXPECT_EQ(TProjectWriter(host).Write(file, doc), TWriteResult::Ok);
  EXPECT_NE(TTempDir::Read(file), old);
  EXPECT_EQ(std::filesystem::status(file).permissions(), std::filesystem::perms(0640));
  EXPECT_TRUE(doc.Saved);
}

// A device or a folder is never replaced by a project file.
TEST(ProjectWriterTest, RefusesTargetsThatAreNoRegularFiles) {
  TTempDir dir;
  TRecordingHost host;
  TSchemat doc;
  for (const std::string& target : {std::string("/dev/full"), dir.File("")}) {
    if (!std::filesystem::exists(target)) continue;
    EXPECT_EQ(TProjectWriter(host).Write(target, doc), TWriteResult::CreateFailed) << target;
  }
  EXPECT_TRUE(std::filesystem::is_character_file("/dev/full"));
}

}  // namespace
}  // namespace zuvar
