#include <gtest/gtest.h>

#include <vector>

#include "export/SheetFitter.h"
#include "model/NewShape.h"
#include "model/Schemat.h"

namespace zuvar {
namespace {

TNewShape* Place(TSchemat& d, int32_t left, int32_t top, int32_t width, int32_t height) {
  TNewShape* b = d.AddBlock(nstCalc);
  b->MoveTo(left, top);
  b->Resize(width, height);
  return b;
}

// Two blocks spanning (40, 60) to (340, 560), joined bottom to top.
struct SpanDiagram {
  SpanDiagram() {
    a = Place(d, 40, 60, 50, 30);
    b = Place(d, 290, 520, 50, 40);
    a->ExitSide = sideBottom;
    a->EntrySide = sideTop;
    a->SetBlockLink(b);
  }
  TSchemat d;
  TNewShape* a;
  TNewShape* b;
};

TEST(SheetFitter, BoundsOfTheBlocks) {
  TSchemat empty;
  EXPECT_EQ(TSheetFitter::BoundsOf(empty), TBlockBounds{});
  SpanDiagram s;
  EXPECT_EQ(TSheetFitter::BoundsOf(s.d), (TBlockBounds{40, 60, 340, 560, false}));
}

TEST(SheetFitter, FitMakesTheSheetTheExtentAndMovesBlocksToTheCorner) {
  SpanDiagram s;
  ASSERT_TRUE(TSheetFitter::Fit(s.d));
  EXPECT_EQ(s.d.SheetWidth, 300);
  EXPECT_EQ(s.d.SheetHeight, 500);
  EXPECT_EQ(s.a->Left, 0);
  EXPECT_EQ(s.a->Top, 0);
  EXPECT_EQ(s.b->Left, 250);
  EXPECT_EQ(s.b->Top, 460);
  // The link was routed again between the moved blocks.
  ASSERT_NE(s.a->OutLink, nullptr);
  EXPECT_EQ(s.a->OutLink->Start(), s.a->ConnectionPoint(sideBottom));
  EXPECT_EQ(s.a->OutLink->End(), s.b->ConnectionPoint(sideTop));
}

TEST(SheetFitter, FitOfAnEmptyDiagramChangesNothing) {
  TSchemat d;
  d.SheetWidth = 700;
  d.SheetHeight = 800;
  EXPECT_FALSE(TSheetFitter::Fit(d));
  EXPECT_EQ(d.SheetWidth, 700);
  EXPECT_EQ(d.SheetHeight, 800);
}

TEST(SheetFitter, FitKeepsTheWholeDiagramWhenBlocksLieBeforeTheSheet) {
  TSchemat d;
  TNewShape* a = Place(d, -200, -100, 50, 30);
  Place(d, -80, -50, 50, 30);
  ASSERT_TRUE(TSheetFitter::Fit(d));
  EXPECT_EQ(d.SheetWidth, 170);
  EXPECT_EQ(d.SheetHeight, 80);
  EXPECT_EQ(a->Left, 0);
  EXPECT_EQ(a->Top, 0);
}

TEST(SheetFitter, SizeByHandSmallerThanTheDiagramGrowsToItsExtent) {
  TSchemat d;
  TNewShape* a = Place(d, 120, 200, 100, 50);
  TNewShape* b = Place(d, 370, 550, 50, 50);  // extent 300 x 400
  const TSheetChange change = TSheetFitter::ResizeByHand(d, 100, 100);
  EXPECT_EQ(change, (TSheetChange{300, 400, 120, 200}));
  EXPECT_EQ(d.SheetWidth, 300);
  EXPECT_EQ(d.SheetHeight, 400);
  EXPECT_EQ(a->Left, 0);
  EXPECT_EQ(a->Top, 0);
  EXPECT_EQ(b->Left + b->Width, 300);
  EXPECT_EQ(b->Top + b->Height, 400);
}

TEST(SheetFitter, SizeByHandLargeEnoughLeavesEveryBlockInPlace) {
  SpanDiagram s;
  const TPoint linkStart = s.a->OutLink->Start();
  const TSheetChange change = TSheetFitter::ResizeByHand(s.d, 1000, 2000);
  EXPECT_EQ(change, (TSheetChange{1000, 2000, 0, 0}));
  EXPECT_EQ(s.d.SheetWidth, 1000);
  EXPECT_EQ(s.d.SheetHeight, 2000);
  EXPECT_EQ(s.a->Left, 40);
  EXPECT_EQ(s.b->Top, 520);
  EXPECT_EQ(s.a->OutLink->Start(), linkStart);
}

TEST(SheetFitter, SizeByHandThatHoldsTheExtentMovesBlocksJustEnough) {
  SpanDiagram s;  // extent 300 x 500, right edge 340, bottom 560
  const TSheetChange change = TSheetFitter::ResizeByHand(s.d, 320, 530);
  EXPECT_EQ(change, (TSheetChange{320, 530, 20, 30}));
  EXPECT_EQ(s.a->Left, 20);
  EXPECT_EQ(s.a->Top, 30);
  EXPECT_EQ(s.b->Left + s.b->Width, 320);
  EXPECT_EQ(s.b->Top + s.b->Height, 530);
  EXPECT_EQ(s.a->OutLink->End(), s.b->ConnectionPoint(sideTop));
}

TEST(SheetFitter, SizeByHandOnAnEmptyDiagramTakesTheSizeAsGiven) {
  TSchemat d;
  EXPECT_EQ(TSheetFitter::ResizeByHand(d, 0, 150), (TSheetChange{0, 150, 0, 0}));
  EXPECT_EQ(d.SheetWidth, 0);
  EXPECT_EQ(d.SheetHeight, 150);
}

TEST(SheetFitter, SizeByHandBringsBlocksBeforeTheSheetOntoIt) {
  TSchemat d;
  TNewShape* a = Place(d, -30, 10, 50, 30);
  const TSheetChange change = TSheetFitter::ResizeByHand(d, 500, 500);
  EXPECT_EQ(change, (TSheetChange{500, 500, -30, 0}));
  EXPECT_EQ(a->Left, 0);
  EXPECT_EQ(a->Top, 10);
}

}  // namespace
}  // namespace zuvar
