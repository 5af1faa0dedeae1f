#include <gtest/gtest.h>

#include "model/Schemat.h"
#include "project/BlockSetText.h"
#include "tests/support/DiagramBuilder.h"

namespace zuvar {
namespace {

using test::TDiagramBuilder;

// A start block leading to a decision with coloured exits: TRUE from its right side into the
// left of a calculation, FALSE from its bottom into the top of a stop block. A fifth block
// outside the copied set leads into the decision.
struct TSample {
  TSchemat doc;
  TNewShape *start = nullptr, *choice = nullptr, *calc = nullptr, *stop = nullptr,
            *outside = nullptr;

  TSample() {
    TDiagramBuilder b(doc);
    start = b.At(b.Add(nstStart), 100, 20);
    choice = b.Add(nstChoice, {"x > 1"});
    choice->TrueLinkColor = clLime;
    choice->FalseLinkColor = clYellow;
    calc = b.At(b.Add(nstCalc, {"zażółć = 1;", "", "y = 2;"}), 260, 120);
    stop = b.Add(nstStop);
    outside = b.Add(nstInOut, {"write(x);"});
    b.Link(start, choice);
    b.Link(choice, calc, sideRight, sideLeft);
    b.LinkFalse(choice, stop, sideBottom, sideTop);
    b.Link(outside, choice, sideLeft, sideRight);
  }
  std::vector<const TNewShape*> Copied() const { return {start, choice, calc, stop}; }
};

std::vector<TNewShape*> Blocks(const TSchemat& doc) {
  std::vector<TNewShape*> blocks;
  for (TNewShape* b = doc.FirstBlock; b != nullptr; b = b->Next) blocks.push_back(b);
  return blocks;
}

TEST(BlockSetTextTest, PastedSetKeepsItsConnectionsSidesColoursAndGetsNewIds) {
  TSample sample;
  const std::string text = BlockSetText::Write(sample.doc, sample.Copied());
  EXPECT_EQ(text.rfind("ZUVAR2.0\r\n", 0), 0u);
  const auto records = BlockSetText::Parse(text);
  ASSERT_TRUE(records.has_value());
  ASSERT_EQ(records->size(), 4u);

  TSchemat second;
  second.AddBlock(nstStart);
  second.AddBlock(nstStop);
  const std::vector<TNewShape*> added = BlockSetText::Add(second, *records, 20, 20);
  ASSERT_EQ(added.size(), 4u);
  ASSERT_EQ(second.BlockCount(), 6u);
  const std::vector<TNewShape*> all = Blocks(second);
  EXPECT_EQ(std::vector<TNewShape*>(all.begin() + 2, all.end()), added);
  const std::vector<const TNewShape*> originals = sample.Copied();
  for (std::size_t i = 0; i < added.size(); ++i) {
    EXPECT_EQ(added[i]->Id, 3 + i);
    EXPECT_EQ(added[i]->Shape, originals[i]->Shape);
    EXPECT_EQ(added[i]->Left, originals[i]->Left + 20);
    EXPECT_EQ(added[i]->Top, originals[i]->Top + 20);
    EXPECT_EQ(added[i]->Width, originals[i]->Width);
    EXPECT_EQ(added[i]->Height, originals[i]->Height);
    EXPECT_EQ(added[i]->Code, originals[i]->Code);
    EXPECT_EQ(added[i]->Caption, originals[i]->Caption);
  }
  EXPECT_EQ(second.LastId, 6u);
  EXPECT_FALSE(second.Saved);
  TNewShape *start = added[0], *choice = added[1], *calc = added[2], *stop = added[3];
  EXPECT_EQ(start->BlockLink, choice);
  EXPECT_EQ(start->OutLink->LinkCode, sideBottom * 16 + sideTop);
  EXPECT_EQ(choice->BlockLink, calc);
  EXPECT_EQ(choice->OutLink->LinkCode, sideRight * 16 + sideLeft);
  EXPECT_EQ(choice->BlockLinkFalse, stop);
  EXPECT_EQ(choice->OutLinkFalse->LinkCode, sideBottom * 16 + sideTop);
  EXPECT_EQ(choice->OutLink->Pen.Color, clLime);
  EXPECT_EQ(choice->OutLinkFalse->Pen.Color, clYellow);
  // The connection from the block that was not copied is not part of the set.
  EXPECT_EQ(choice->IncomingCount(), 1);
  EXPECT_EQ(calc->BlockLink, nullptr);
  EXPECT_EQ(stop->BlockLink, nullptr);
  // The originals are untouched.
  EXPECT_EQ(sample.outside->BlockLink, sample.choice);
}

TEST(BlockSetTextTest, OnlyTextsOfBlocksParse) {
  TSample sample;
  const std::string text = BlockSetText::Write(sample.doc, sample.Copied());
  // Line ends changed by another program, and one line end more, still read.
  std::string lf;
  for (char c : text)
    if (c != '\r') lf += c;
  const auto fromLf = BlockSetText::Parse(lf + "\n");
  ASSERT_TRUE(fromLf.has_value());
  ASSERT_EQ(fromLf->size(), 4u);
  EXPECT_EQ((*fromLf)[2].Code, sample.calc->Code);

  EXPECT_FALSE(BlockSetText::Parse("").has_value());
  EXPECT_FALSE(BlockSetText::Parse("Ala ma kota").has_value());
  EXPECT_FALSE(BlockSetText::Parse("ZUVAR2.0\r\n500\r\n1000\r\n").has_value());
  EXPECT_FALSE(BlockSetText::Parse(text.substr(0, text.size() / 2)).has_value());
  std::string badField = text;
  badField.replace(badField.find("\r\n100\r\n"), 7, "\r\nsto\r\n");
  EXPECT_FALSE(BlockSetText::Parse(badField).has_value());
}

TEST(BlockSetTextTest, ConnectionToAnIdOutsideTheRecordsIsDropped) {
  TSample sample;
  auto records = BlockSetText::Parse(BlockSetText::Write(sample.doc, sample.Copied()));
  ASSERT_TRUE(records.has_value());
  (*records)[0].LinkId = 999;
  TSchemat second;
  const std::vector<TNewShape*> added = BlockSetText::Add(second, *records, 0, 0);
  ASSERT_EQ(added.size(), 4u);
  EXPECT_EQ(added[0]->BlockLink, nullptr);
  EXPECT_EQ(added[0]->OutLink, nullptr);
  EXPECT_EQ(added[1]->BlockLink, added[2]);
}

}  // namespace
}  // namespace zuvar
