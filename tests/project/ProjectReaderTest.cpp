#include <gtest/gtest.h>

#include <filesystem>

#include "model/FixedWidthMeasurer.h"
#include "model/Schemat.h"
#include "project/ProjectFile.h"
#include "project/ProjectReader.h"
#include "tests/project/FinishesInTime.h"
#include "tests/project/TempDir.h"
#include "tests/support/RecordingHost.h"

namespace zuvar {
namespace {

using test::CrLfLines;
using test::TRecordingHost;
using test::TTempDir;

// One block record: Id, caption, left, top, width, height, type, colours, targets, codes, code.
std::string Record(std::string_view id, std::string_view type, std::string_view linkId,
                   std::string_view linkCode, std::vector<std::string_view> code = {},
                   std::string_view linkFalseId = "0", std::string_view linkFalseCode = "0") {
  std::string text = CrLfLines({id, "?x?", "10", "20", "50", "30", type, "32768", "255", linkId,
                                linkFalseId, linkCode, linkFalseCode, std::to_string(code.size())});
  for (std::string_view line : code) text += std::string(line) + "\r\n";
  return text;
}

const std::string kHeader = CrLfLines({"ZUVAR2.0", "500", "1000"});

class ProjectReaderTest : public ::testing::Test {
 protected:
  TReadResult Read(std::string_view bytes) {
    file_ = dir_.Write("project.bin", bytes);
    return TProjectReader(host_).Read(file_, doc_);
  }

  std::vector<TNewShape*> Blocks() const {
    std::vector<TNewShape*> blocks;
    for (TNewShape* b = doc_.FirstBlock; b; b = b->Next) blocks.push_back(b);
    return blocks;
  }

  void ExpectGeneralError(const std::string& text) {
    ASSERT_EQ(host_.messages.size(), 1u);
    EXPECT_EQ(host_.messages[0].text, text);
    EXPECT_EQ(host_.messages[0].caption, "ZUVAR 32 Pro");
    EXPECT_EQ(host_.messages[0].icon, TMsgIcon::Error);
    EXPECT_EQ(host_.messages[0].buttons, TMsgButtons::Ok);
    EXPECT_EQ(host_.log, (std::vector<std::string>{"Otwarcie projektu " + file_}));
  }

  TTempDir dir_;
  TRecordingHost host_;
  TSchemat doc_;
  std::string file_;
};

TEST_F(ProjectReaderTest, ReadsTheStartStopExample) {
  ASSERT_EQ(Read(kHeader + Record("1", "0", "2", "65") + Record("2", "1", "0", "0")),
            TReadResult::Ok);
  const auto blocks = Blocks();
  ASSERT_EQ(blocks.size(), 2u);
  EXPECT_EQ(blocks[0]->Shape, nstStart);
  EXPECT_EQ(blocks[0]->BlockLink, blocks[1]);
  EXPECT_EQ(blocks[0]->ExitSide, sideBottom);
  EXPECT_EQ(blocks[0]->EntrySide, sideTop);
  ASSERT_TRUE(blocks[0]->OutLink);
  EXPECT_EQ(blocks[0]->OutLink->LinkCode, 65);
  EXPECT_EQ(blocks[0]->OutLink->Pen.Color, clBlack);
  EXPECT_EQ(blocks[1]->BlockLink, nullptr);
  EXPECT_EQ(doc_.LastId, 2u);
  EXPECT_TRUE(doc_.Saved);
  EXPECT_EQ(doc_.Title, file_);
  EXPECT_EQ(host_.log, (std::vector<std::string>{"Otwarcie projektu " + file_}));
  EXPECT_TRUE(host_.messages.empty());
}

TEST_F(ProjectReaderTest, RejectsFilesWithoutTheMagicLine) {
  for (const std::string& bytes :
       {std::string("zuvar2.0\r\n500\r\n1000\r\n"), std::string("ZUVAR2.0\n500\n1000\n"),
        std::string(""), std::string("ZUVAR2.0 \r\n500\r\n1000\r\n")}) {
    TRecordingHost host;
    TSchemat doc;
    const std::string file = dir_.Write("bad.bin", bytes);
    EXPECT_EQ(TProjectReader(host).Read(file, doc), TReadResult::BadMagic);
    EXPECT_EQ(host.events, (std::vector<std::string>{"LOG Otwarcie projektu " + file,
                                                     "[Błąd] niepoprawny format pliku",
                                                     "LOG BŁĄD: niepoprawny format pliku"}));
    EXPECT_EQ(doc.FirstBlock, nullptr);
  }
}

// Only the first line with its CR is looked at before a file is refused: a file of zero bytes
// of any size is no project at once, and so is the first line without its line end.
TEST_F(ProjectReaderTest, RefusesAFileByItsFirstNineBytes) {
  for (const std::uintmax_t size : {std::uintmax_t{8}, std::uintmax_t{1} << 40}) {
    TRecordingHost host;
    TSchemat doc;
    const std::string file = dir_.Write("zeros.bin", "");
    std::filesystem::resize_file(file, size);
    EXPECT_EQ(TProjectReader(host).Read(file, doc), TReadResult::BadMagic) << size;
    EXPECT_EQ(host.messages.size(), 1u);
  }
  TRecordingHost host;
  TSchemat doc;
  EXPECT_EQ(TProjectReader(host).Read(dir_.Write("magic.bin", "ZUVAR2.0"), doc),
            TReadResult::BadMagic);
}

// A pipe named like a project is refused with the file-open error instead of waiting for a
// writer for ever.
TEST_F(ProjectReaderTest, RefusesAPipeWithoutWaiting) {
  file_ = dir_.File("pipe.bin");
  ASSERT_TRUE(test::MakeFifo(file_));
  TReadResult result = TReadResult::Ok;
  EXPECT_TRUE(
      test::FinishesInTime([&] { result = TProjectReader(host_).Read(file_, doc_); }, file_));
  EXPECT_EQ(result, TReadResult::FileOpenFailed);
  ExpectGeneralError("Nie można otworzyć pliku \"" + file_ + "\".");
}

TEST_F(ProjectReaderTest, ReportsAFileThatCannotBeOpened) {
  file_ = dir_.File("missing.bin");
  EXPECT_FALSE(ReadProjectFile(file_, doc_, host_));
  ExpectGeneralError("Nie można otworzyć pliku \"" + file_ + "\".");
}

TEST_F(ProjectReaderTest, HeaderErrorLeavesAnEmptyDiagram) {
  EXPECT_EQ(Read(CrLfLines({"ZUVAR2.0", "640", "wysoko"})), TReadResult::ReadFailed);
  ExpectGeneralError("'wysoko' nie jest poprawną wartością całkowitą");
  EXPECT_EQ(doc_.SheetWidth, 640);
  EXPECT_EQ(doc_.SheetHeight, 1000);
  EXPECT_EQ(doc_.FirstBlock, nullptr);
}

TEST_F(ProjectReaderTest, FieldErrorKeepsTheBlocksReadSoFarUnresolved) {
  std::string second = Record("2", "1", "0", "0");
  second.replace(second.find("50"), 2, "5x");
  EXPECT_EQ(Read(kHeader + Record("1", "0", "2", "65") + second), TReadResult::ReadFailed);
  ExpectGeneralError("'5x' nie jest poprawną wartością całkowitą");
  const auto blocks = Blocks();
  ASSERT_EQ(blocks.size(), 1u);
  EXPECT_EQ(blocks[0]->LoadedLinkId, 2u);
  EXPECT_EQ(blocks[0]->BlockLink, nullptr);
  EXPECT_FALSE(doc_.Saved);
}

TEST_F(ProjectReaderTest, BadCodeCountKeepsItsBlock) {
  std::string record = Record("1", "3", "0", "0");
  record.replace(record.rfind("0\r\n"), 1, "dwa");
  EXPECT_EQ(Read(kHeader + record), TReadResult::ReadFailed);
  ExpectGeneralError("'dwa' nie jest poprawną wartością całkowitą");
  ASSERT_EQ(Blocks().size(), 1u);
  EXPECT_EQ(Blocks()[0]->Shape, nstCalc);
}

TEST_F(ProjectReaderTest, ExtraLineEndStartsARecordThatFails) {
  EXPECT_EQ(Read(kHeader + Record("1", "0", "2", "65") + Record("2", "1", "0", "0") + "\r\n"),
            TReadResult::ReadFailed);
  ExpectGeneralError("'' nie jest poprawną wartością całkowitą");
  const auto blocks = Blocks();
  ASSERT_EQ(blocks.size(), 2u);
  EXPECT_EQ(blocks[0]->BlockLink, nullptr);
  EXPECT_FALSE(doc_.Saved);
}

TEST_F(ProjectReaderTest, TruncatedRecordFailsOnTheMissingField) {
  std::string record = Record("1", "0", "0", "0");
  record.resize(record.find("32768"));
  EXPECT_EQ(Read(kHeader + record), TReadResult::ReadFailed);
  ExpectGeneralError("'' nie jest poprawną wartością całkowitą");
  EXPECT_EQ(doc_.FirstBlock, nullptr);
}

TEST_F(ProjectReaderTest, MissingIdStopsResolvingAndSkipsTheRepair) {
  // Block 1 links to 2, block 2 names the unknown 99, block 3 (a second Id 1) links to 1.
  EXPECT_EQ(Read(kHeader + Record("1", "3", "2", "65") + Record("2", "3", "99", "65") +
                 Record("1", "3", "1", "65")),
            TReadResult::MissingId);
  EXPECT_EQ(host_.events, (std::vector<std::string>{"LOG Otwarcie projektu " + file_,
                                                    "[Błąd] Brak ID do połączenia!",
                                                    "LOG BŁĄD: Brak ID do połączenia!"}));
  const auto blocks = Blocks();
  ASSERT_EQ(blocks.size(), 3u);
  EXPECT_EQ(blocks[0]->BlockLink, blocks[1]);
  EXPECT_EQ(blocks[1]->BlockLink, nullptr);
  EXPECT_EQ(blocks[2]->BlockLink, nullptr);
  EXPECT_EQ(blocks[0]->Id, 1u);
  EXPECT_EQ(blocks[2]->Id, 1u);
  EXPECT_FALSE(doc_.Saved);
}

TEST_F(ProjectReaderTest, MissingFalseTargetKeepsTheTrueExit) {
  EXPECT_EQ(Read(kHeader + Record("1", "5", "2", "65", {}, "7", "49") + Record("2", "1", "0", "0")),
            TReadResult::MissingId);
  const auto blocks = Blocks();
  EXPECT_EQ(blocks[0]->BlockLink, blocks[1]);
  EXPECT_EQ(blocks[0]->OutLink->Pen.Color, clGreen);
  EXPECT_EQ(blocks[0]->BlockLinkFalse, nullptr);
}

TEST_F(ProjectReaderTest, RepairsDuplicateIdsAndReportsThem) {
  // Ids 5, 5, 3: LastId is 7 after reading (every added block counts once).
  EXPECT_EQ(Read(kHeader + Record("5", "3", "0", "0") + Record("5", "3", "5", "65") +
                 Record("3", "3", "5", "65")),
            TReadResult::DuplicatesRepaired);
  const auto blocks = Blocks();
  ASSERT_EQ(blocks.size(), 3u);
  EXPECT_EQ(blocks[0]->Id, 8u);
  EXPECT_EQ(blocks[1]->Id, 5u);
  EXPECT_EQ(blocks[2]->Id, 3u);
  EXPECT_EQ(doc_.LastId, 8u);
  EXPECT_EQ(blocks[1]->BlockLink, blocks[0]);
  EXPECT_EQ(blocks[2]->BlockLink, blocks[0]);
  EXPECT_TRUE(doc_.Saved);
  EXPECT_EQ(host_.events,
            (std::vector<std::string>{
                "LOG Otwarcie projektu " + file_,
                "[Błąd w strukturze wczytanego schematu blokowego!] Schemat zawiera nakładające "
                "się identyfikatory bloków!!! - więcej informacji w pliku Log ... ",
                "LOG BŁĄD: Błąd w strukturze wczytanego schematu!",
                "LOG       Schemat zawiera nakładające się identyfikatory bloków.",
                "LOG       Z tego powodu najprawdopodobniej połączenia są nieprawidłowe.",
                "LOG       Aby usunąć błąd należy poprawić połączenia i zapisać schemat do pliku,",
                "LOG       a następnie ponownie go załadować!"}));
  EXPECT_EQ(host_.messages[0].buttons, TMsgButtons::Ok);
}

TEST_F(ProjectReaderTest, UnpacksSidesAndLinksABlockToItself) {
  ASSERT_EQ(Read(kHeader + Record("1", "3", "2", "67") + Record("2", "3", "2", "20")),
            TReadResult::Ok);
  const auto blocks = Blocks();
  EXPECT_EQ(blocks[0]->ExitSide, sideBottom);
  EXPECT_EQ(blocks[0]->EntrySide, sideRight);
  EXPECT_EQ(blocks[0]->OutLink->LinkCode, 67);
  EXPECT_EQ(blocks[1]->BlockLink, blocks[1]);
  EXPECT_EQ(blocks[1]->OutLink->LinkCode, 0x14);
}

TEST_F(ProjectReaderTest, CodeCountBeyondTheDataStopsAtTheEnd) {
  std::string record = Record("1", "3", "0", "0", {"int a;", ""});
  record.replace(record.rfind("2\r\nint"), 1, "2147483647");
  ASSERT_EQ(Read(kHeader + record), TReadResult::Ok);
  EXPECT_EQ(Blocks()[0]->Code, (std::vector<std::string>{"int a;", ""}));
  EXPECT_TRUE(doc_.Saved);
}

TEST_F(ProjectReaderTest, NegativeCodeCountReadsNoLines) {
  std::string first = Record("1", "3", "2", "65");
  first.replace(first.rfind("0\r\n"), 1, "-4");
  ASSERT_EQ(Read(kHeader + first + Record("2", "1", "0", "0")), TReadResult::Ok);
  ASSERT_EQ(Blocks().size(), 2u);
  EXPECT_TRUE(Blocks()[0]->Code.empty());
  EXPECT_EQ(Blocks()[0]->BlockLink, Blocks()[1]);
}

TEST_F(ProjectReaderTest, KeepsUnknownTypesAndTheirLowByte) {
  ASSERT_EQ(Read(kHeader + Record("1", "200", "2", "65") + Record("2", "263", "0", "0") +
                 Record("3", "-256", "0", "0")),
            TReadResult::Ok);
  const auto blocks = Blocks();
  EXPECT_EQ(static_cast<int>(blocks[0]->Shape), 200);
  EXPECT_EQ(blocks[1]->Shape, nstNULL);
  EXPECT_EQ(blocks[2]->Shape, nstStart);
  EXPECT_EQ(blocks[0]->Width, 50);
  EXPECT_EQ(blocks[0]->Height, 30);
  doc_.LayoutAll(TFixedWidthMeasurer());
  EXPECT_TRUE(doc_.DeleteBlock(blocks[1]));
  EXPECT_TRUE(doc_.DeleteBlock(blocks[0]));
}

TEST_F(ProjectReaderTest, LargestIdentifiersStillLoad) {
  ASSERT_EQ(Read(kHeader + Record("-1", "3", "4294967295", "65") + Record("3", "3", "0", "0")),
            TReadResult::Ok);
  const auto blocks = Blocks();
  ASSERT_EQ(blocks.size(), 2u);
  EXPECT_EQ(blocks[0]->Id, 4294967295u);
  EXPECT_EQ(blocks[0]->BlockLink, blocks[0]);
  EXPECT_EQ(blocks[1]->Id, 3u);
  EXPECT_EQ(doc_.LastId, 4294967295u);
}

TEST_F(ProjectReaderTest, StepsLetTheCallerActInBetween) {
  file_ = dir_.Write("p.bin", CrLfLines({"ZUVAR2.0", "700", "800"}) + Record("1", "0", "0", "0"));
  TProjectReader reader(host_);
  ASSERT_EQ(reader.Open(file_), TReadResult::Ok);
  ASSERT_EQ(reader.ReadSheetSize(doc_), TReadResult::Ok);
  EXPECT_EQ(doc_.SheetWidth, 700);
  EXPECT_EQ(doc_.SheetHeight, 800);
  EXPECT_EQ(doc_.FirstBlock, nullptr);
  std::vector<std::string> editor;
  doc_.SourceLines = &editor;
  ASSERT_EQ(reader.ReadBlocks(doc_), TReadResult::Ok);
  ASSERT_NE(doc_.FirstBlock, nullptr);
  // Without an open file the later steps do nothing.
  EXPECT_EQ(reader.ReadBlocks(doc_), TReadResult::FileOpenFailed);
}

}  // namespace
}  // namespace zuvar
