#include <gtest/gtest.h>

#include "model/BlockAlignment.h"
#include "model/GridSnap.h"
#include "model/Schemat.h"
#include "tests/support/DiagramBuilder.h"

namespace zuvar {
namespace {

using BlockAlignment::TAxis;
using test::TDiagramBuilder;

// The end points of every segment of a link, in chain order.
std::vector<int32_t> Route(const TLink& link) {
  std::vector<int32_t> route;
  for (const TLine* line = link.FirstLine; line != nullptr; line = line->NextLine)
    route.insert(route.end(), {line->X1, line->Y1, line->X2, line->Y2});
  return route;
}

TEST(BlockArrangementTest, AlignedBlocksTakeTheAnchorsCentreAndStayOnTheSheet) {
  TSchemat doc;
  TDiagramBuilder b(doc);
  TNewShape* anchor = b.At(b.Add(nstCalc), 200, 100);
  anchor->Resize(81, 31);  // centre (240, 115)
  TNewShape* narrow = b.At(b.Add(nstNode), 10, 400);
  narrow->Resize(20, 20);
  TNewShape* wide = b.At(b.Add(nstCalc), 300, 300);
  wide->Resize(501, 41);
  TNewShape* lined = b.At(b.Add(nstStop), 215, 600);  // 50 wide: centre x already 240
  const std::vector<TNewShape*> blocks = {anchor, narrow, wide, lined};

  const auto vertical = BlockAlignment::Align(blocks, *anchor, TAxis::Vertical, 500, 1000);
  ASSERT_EQ(vertical.size(), 2u);
  EXPECT_EQ(vertical[0].Block, narrow);
  EXPECT_EQ(vertical[0].Left, 230);
  EXPECT_EQ(vertical[0].Top, 400);
  // Centred at 240 it would start at -10; a block wider than the sheet keeps its left at 0.
  EXPECT_EQ(vertical[1].Block, wide);
  EXPECT_EQ(vertical[1].Left, 0);

  const auto horizontal = BlockAlignment::Align(blocks, *anchor, TAxis::Horizontal, 500, 1000);
  ASSERT_EQ(horizontal.size(), 3u);
  EXPECT_EQ(horizontal[0].Top, 105);
  EXPECT_EQ(horizontal[0].Left, 10);
  EXPECT_EQ(horizontal[1].Top, 95);
  EXPECT_EQ(horizontal[2].Top, 115 - lined->Height / 2);
  // Near the bottom edge a block stays whole on the sheet.
  anchor->MoveTo(200, 990);
  const auto low = BlockAlignment::Align({narrow}, *anchor, TAxis::Horizontal, 500, 1000);
  ASSERT_EQ(low.size(), 1u);
  EXPECT_EQ(low[0].Top, 980);
}

TEST(BlockArrangementTest, GridSnapPutsCentresOnMultiplesOfTen) {
  EXPECT_EQ(GridSnap::Nearest(0), 0);
  EXPECT_EQ(GridSnap::Nearest(14), 10);
  EXPECT_EQ(GridSnap::Nearest(15), 20);
  EXPECT_EQ(GridSnap::Nearest(-14), -10);
  EXPECT_EQ(GridSnap::Nearest(-16), -20);
  EXPECT_EQ(GridSnap::Nearest(2147483647), 2147483647);
  // A 51-pixel block at 103 has its centre at 128: it moves to 105, centre 130.
  EXPECT_EQ(GridSnap::StartForCentre(103, 51), 105);
  EXPECT_EQ(GridSnap::StartForCentre(103, 50), 105);
  EXPECT_EQ(GridSnap::StartForCentre(96, 40), 100);
}

TEST(BlockArrangementTest, LinksTouchingAGroupAreRoutedAsIfEachBlockWasRedrawn) {
  TSchemat doc;
  TDiagramBuilder b(doc);
  std::vector<TNewShape*> chain;
  for (int i = 0; i < 6; ++i) chain.push_back(b.Add(nstCalc));
  b.Chain(chain);
  b.LinkFalse(chain[5], chain[5], sideRight, sideLeft);
  for (TNewShape* block : {chain[2], chain[3], chain[5]}) block->MoveTo(block->Left + 70, 0);
  doc.RedrawLinksTouching(std::vector<TNewShape*>{chain[2], chain[3], chain[5]});
  std::vector<std::vector<int32_t>> grouped;
  for (TNewShape* block : chain) {
    for (TLink* link : {block->OutLink.get(), block->OutLinkFalse.get()}) {
      if (link != nullptr) grouped.push_back(Route(*link));
    }
  }
  for (TNewShape* block : chain) doc.RedrawLinksTouching(block);
  std::size_t i = 0;
  for (TNewShape* block : chain) {
    for (TLink* link : {block->OutLink.get(), block->OutLinkFalse.get()}) {
      if (link != nullptr) {
        EXPECT_EQ(Route(*link), grouped[i++]);
      }
    }
  }
}

}  // namespace
}  // namespace zuvar
