#include <gtest/gtest.h>

#include "model/Schemat.h"
#include "project/ProjectFile.h"
#include "tests/project/TempDir.h"
#include "tests/support/RecordingHost.h"

namespace zuvar {
namespace {

using test::TRecordingHost;
using test::TTempDir;

void Connect(TNewShape* from, TNewShape* to, int32_t exitSide, int32_t entrySide, bool falseExit) {
  from->ExitSide = exitSide;
  from->EntrySide = entrySide;
  if (falseExit) {
    from->SetBlockLinkFalse(to);
  } else {
    from->SetBlockLink(to);
  }
}

// A diagram with every type, code with Polish letters and empty lines, a decision block with
// coloured exits, a self link and identifiers out of list order.
void BuildSample(TSchemat& doc) {
  doc.SheetWidth = 800;
  doc.SheetHeight = 1200;
  int32_t top = 10;
  for (TNewShapeType type :
       {nstStart, nstCalc, nstInOut, nstChoice, nstContinuum, nstNode, nstStop, nstCalc}) {
    TNewShape* block = doc.AddBlock(type);
    block->MoveTo(100 + top / 3, top);
    top += 70;
  }
  std::vector<TNewShape*> b;
  for (TNewShape* block = doc.FirstBlock; block; block = block->Next) b.push_back(block);
  b[1]->Code = {"int i = 0;", "", "char s[20] = \"zażółć gęślą jaźń\";"};
  b[1]->Caption = b[1]->Code[0];
  b[2]->Code = {"write(\"Łódź, Kraków, Gdańsk\")"};
  b[3]->Code = {"i < 10"};
  b[3]->TrueLinkColor = clLime;
  b[3]->FalseLinkColor = clYellow;
  b[4]->Caption = "Ćma";
  b[1]->Resize(120, 31);
  b[7]->Id = 42;
  b[0]->Id = 17;
  doc.LastId = 42;
  Connect(b[0], b[1], sideBottom, sideTop, false);
  Connect(b[1], b[2], sideRight, sideLeft, false);
  Connect(b[2], b[3], sideBottom, sideTop, false);
  Connect(b[3], b[1], sideLeft, sideLeft, false);
  Connect(b[3], b[6], sideRight, sideTop, true);
  b[3]->ColourDecisionLinks();
  Connect(b[5], b[5], sideTop, sideBottom, false);
  Connect(b[7], b[0], 0, 0, false);
}

void ExpectSameBlocks(const TSchemat& expected, const TSchemat& actual) {
  EXPECT_EQ(actual.SheetWidth, expected.SheetWidth);
  EXPECT_EQ(actual.SheetHeight, expected.SheetHeight);
  EXPECT_GE(actual.LastId, 42u);
  const TNewShape* e = expected.FirstBlock;
  const TNewShape* a = actual.FirstBlock;
  const auto idOf = [](const TNewShape* block) { return block ? block->Id : 0u; };
  for (; e && a; e = e->Next, a = a->Next) {
    SCOPED_TRACE("block " + std::to_string(e->Id));
    EXPECT_EQ(a->Id, e->Id);
    EXPECT_EQ(a->Caption, e->Caption);
    EXPECT_EQ(a->Left, e->Left);
    EXPECT_EQ(a->Top, e->Top);
    EXPECT_EQ(a->Width, e->Width);
    EXPECT_EQ(a->Height, e->Height);
    EXPECT_EQ(a->Shape, e->Shape);
    EXPECT_EQ(a->Code, e->Code);
    EXPECT_EQ(a->TrueLinkColor, e->TrueLinkColor);
    EXPECT_EQ(a->FalseLinkColor, e->FalseLinkColor);
    EXPECT_EQ(idOf(a->BlockLink), idOf(e->BlockLink));
    EXPECT_EQ(idOf(a->BlockLinkFalse), idOf(e->BlockLinkFalse));
    for (const auto& [al, el] : {std::pair{a->OutLink.get(), e->OutLink.get()},
                                 std::pair{a->OutLinkFalse.get(), e->OutLinkFalse.get()}}) {
      ASSERT_EQ(al == nullptr, el == nullptr);
      if (!al) continue;
      EXPECT_EQ(al->LinkCode, el->LinkCode);
      EXPECT_EQ(al->Pen, el->Pen);
      EXPECT_EQ(al->Start(), el->Start());
      EXPECT_EQ(al->End(), el->End());
    }
  }
  EXPECT_EQ(a, nullptr);
  EXPECT_EQ(e, nullptr);
}

TEST(RoundTripTest, SaveThenOpenKeepsEveryStoredField) {
  TTempDir dir;
  TRecordingHost host;
  TSchemat original;
  BuildSample(original);
  const std::string file = dir.File("sample.bin");
  ASSERT_TRUE(WriteProjectFile(file, original, host));
  TSchemat loaded;
  ASSERT_TRUE(ReadProjectFile(file, loaded, host));
  ExpectSameBlocks(original, loaded);
  EXPECT_TRUE(loaded.Saved);
  TNewShape* added = loaded.AddBlock(nstCalc);
  EXPECT_GT(added->Id, 42u);
  EXPECT_EQ(host.messages.size(), 0u);
}

TEST(RoundTripTest, ResaveWritesTheSameBytes) {
  TTempDir dir;
  TRecordingHost host;
  TSchemat original;
  BuildSample(original);
  const std::string first = dir.File("first.bin");
  const std::string second = dir.File("second.bin");
  ASSERT_TRUE(WriteProjectFile(first, original, host));
  TSchemat loaded;
  ASSERT_TRUE(ReadProjectFile(first, loaded, host));
  ASSERT_TRUE(WriteProjectFile(second, loaded, host));
  EXPECT_EQ(TTempDir::Read(second), TTempDir::Read(first));
}

TEST(RoundTripTest, EveryByteOfALineSurvivesOpenAndSave) {
  TTempDir dir;
  TRecordingHost host;
  std::string line;
  for (int c = 0; c < 256; ++c) {
    if (c != 13) line += static_cast<char>(c);
  }
  const std::string bytes =
      test::CrLfLines({"ZUVAR2.0", "500", "1000", "1", line, "10", "20", "50", "30", "3", "32768",
                       "255", "0", "0", "0", "0", "2", line, ""});
  const std::string in = dir.Write("in.bin", bytes);
  TSchemat doc;
  ASSERT_TRUE(ReadProjectFile(in, doc, host));
  const std::string out = dir.File("out.bin");
  ASSERT_TRUE(WriteProjectFile(out, doc, host));
  EXPECT_EQ(TTempDir::Read(out), bytes);
}

TEST(RoundTripTest, PolishTextIsStoredInWindows1250) {
  TTempDir dir;
  TRecordingHost host;
  TSchemat original;
  BuildSample(original);
  const std::string file = dir.File("sample.bin");
  ASSERT_TRUE(WriteProjectFile(file, original, host));
  const std::string bytes = TTempDir::Read(file);
  EXPECT_NE(bytes.find("\"za\xBF\xF3\xB3\xE6 g\xEA\x9Cl\xB9 ja\x9F\xF1\";\r\n"), std::string::npos);
  EXPECT_NE(bytes.find("write(\"\xA3\xF3"
                       "d\x9F, Krak\xF3w, Gda\xF1sk"),
            std::string::npos);
  EXPECT_NE(bytes.find("\r\n\xC6ma\r\n"), std::string::npos);
  EXPECT_EQ(bytes.find("\xC5"), std::string::npos);  // no UTF-8 lead byte of "Ł"/"ł" etc.
}

}  // namespace
}  // namespace zuvar
