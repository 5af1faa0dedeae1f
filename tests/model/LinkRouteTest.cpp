#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/Link.h"
#include "model/LinkRoute.h"

namespace zuvar {
namespace {

// A route written as "V-63 H61 V10".
std::string Describe(const TLink& link) {
  std::string out;
  for (const TLine* line = link.FirstLine; line != nullptr; line = line->NextLine) {
    if (!out.empty()) out += ' ';
    out += line->Orientation == TLine::Vertical ? 'V' : 'H';
    out += std::to_string(line->Length);
  }
  return out;
}

// Every segment starts where the previous one ends, and the chain ends at LastLine.
void ExpectContiguous(const TLink& link) {
  ASSERT_NE(link.FirstLine, nullptr);
  EXPECT_EQ(link.FirstLine->X1, link.StartX);
  EXPECT_EQ(link.FirstLine->Y1, link.StartY);
  EXPECT_EQ(link.FirstLine->PrevLine, nullptr);
  const TLine* line = link.FirstLine;
  while (line->NextLine != nullptr) {
    EXPECT_EQ(line->NextLine->PrevLine, line);
    EXPECT_EQ(line->NextLine->X1, line->X2);
    EXPECT_EQ(line->NextLine->Y1, line->Y2);
    EXPECT_NE(line->NextLine->Orientation, line->Orientation);
    line = line->NextLine;
  }
  EXPECT_EQ(line, link.LastLine);
}

struct RouteCase {
  int code;
  const char* route;
};

// Start (100,100), end (161,47): dx = 61 and dy = -53 are odd, the end lies up and right.
const TPoint kStart{100, 100};
const TPoint kEnd{161, 47};

const std::vector<RouteCase> kEditorCodes = {
    {17, "V-63 H61 V10"},  {18, "V-53 H61"},      {19, "V-53 H61"},      {20, "V-26 H61 V-26"},
    {33, "H61 V-53"},      {34, "H-10 V-53 H71"}, {35, "H30 V-53 H30"},  {36, "H61 V-53"},
    {49, "H61 V-53"},      {50, "H30 V-53 H30"},  {51, "H71 V-53 H-10"}, {52, "H61 V-53"},
    {65, "V-26 H61 V-26"}, {66, "V-53 H61"},      {67, "V-53 H61"},      {68, "V10 H61 V-63"},
};

TEST(LinkRoute, EveryEditorCodeRoutesByTheTableAndPlacesItsArrow) {
  // Arrow box by entry side for the end point (161,47).
  const TPoint arrowAt[5] = {{}, {157, 39}, {153, 43}, {161, 43}, {157, 47}};
  for (const RouteCase& c : kEditorCodes) {
    SCOPED_TRACE(c.code);
    TLink link(c.code, kEnd, kStart);
    EXPECT_EQ(Describe(link), c.route);
    ExpectContiguous(link);
    EXPECT_EQ(link.Arrow.Direction, c.code % 16);
    EXPECT_EQ(link.Arrow.Left, arrowAt[c.code % 16].X);
    EXPECT_EQ(link.Arrow.Top, arrowAt[c.code % 16].Y);
    EXPECT_EQ(link.StartMarker, (TRect{98, 98, 5, 5}));
    EXPECT_EQ(link.Pen, (TPen{0, 1}));
    EXPECT_TRUE(link.Visible);
  }
}

TEST(LinkRoute, SplitRoutesFallShortOnOddDistancesButTheArrowSitsOnTheEnd) {
  TLink vertical(65, kEnd, kStart);
  EXPECT_EQ(vertical.LastLine->Y2, 48);  // two halves of -53 make -52
  EXPECT_EQ(vertical.LastLine->X2, 161);
  TLink horizontal(35, TPoint{201, 100}, TPoint{100, 100});
  EXPECT_EQ(Describe(horizontal), "H50 V0 H50");
  EXPECT_EQ(horizontal.LastLine->X2, 200);
  EXPECT_EQ(horizontal.Arrow.Left, 201);
  EXPECT_EQ(horizontal.Arrow.Top, 96);
}

TEST(LinkRoute, SameSideLinksRunTenPixelsBeyondTheOuterPoint) {
  // Top to top with the target below the start: rise above the source first.
  EXPECT_EQ(Describe(TLink(17, TPoint{200, 180}, TPoint{100, 100})), "V-10 H100 V90");
  // Bottom to bottom with the target below: go 10 below the target.
  EXPECT_EQ(Describe(TLink(68, TPoint{200, 180}, TPoint{100, 100})), "V90 H100 V-10");
  // Left to left with the target to the right: go 10 left, across, then dx + 10 right.
  EXPECT_EQ(Describe(TLink(34, TPoint{200, 180}, TPoint{100, 100})), "H-10 V80 H110");
  // Right to right with the target to the left: 10 right of the start first.
  EXPECT_EQ(Describe(TLink(51, TPoint{40, 180}, TPoint{100, 100})), "H10 V80 H-70");
  // Equal coordinates count as "not beyond".
  EXPECT_EQ(Describe(TLink(17, TPoint{150, 100}, TPoint{100, 100})), "V-10 H50 V10");
}

TEST(LinkRoute, BottomToTopBetweenTwoBlocks) {
  // Source (100,100)-(150,130): bottom point (125,130); target top point (225,230).
  TLink link(65, TPoint{225, 230}, TPoint{125, 130});
  ASSERT_EQ(link.SegmentCount(), 3);
  const TLine& first = *link.FirstLine;
  const TLine& middle = *first.NextLine;
  const TLine& last = *link.LastLine;
  EXPECT_EQ(Describe(link), "V50 H100 V50");
  EXPECT_EQ((TPoint{first.X2, first.Y2}), (TPoint{125, 180}));
  EXPECT_EQ((TPoint{middle.X2, middle.Y2}), (TPoint{225, 180}));
  EXPECT_EQ((TPoint{last.X2, last.Y2}), (TPoint{225, 230}));
  EXPECT_EQ(link.Arrow.Left, 221);
  EXPECT_EQ(link.Arrow.Top, 222);
  EXPECT_EQ(link.Arrow.Triangle()[2], (TPoint{4, 8}));  // points down
  // Bounds: a vertical segment is pen width + 2 wide and centred on its line.
  EXPECT_EQ(first.Bounds(), (TRect{124, 130, 3, 50}));
  EXPECT_EQ(middle.Bounds(), (TRect{125, 179, 100, 3}));
  EXPECT_EQ(first.PaintFrom(), (TPoint{1, 0}));
  EXPECT_EQ(first.PaintTo(), (TPoint{1, 50}));
  EXPECT_EQ(middle.PaintTo(), (TPoint{100, 1}));
}

TEST(LinkRoute, UpwardAndLeftwardSegmentsHaveTheirBoundsFromTheSmallerCoordinate) {
  TLink link(17, kEnd, kStart);  // V-63 H61 V10
  EXPECT_EQ(link.FirstLine->Bounds(), (TRect{99, 37, 3, 63}));
  TLink left(34, TPoint{40, 100}, TPoint{100, 100});  // H-70 V0 H10
  EXPECT_EQ(left.FirstLine->Bounds(), (TRect{30, 99, 70, 3}));
}

TEST(LinkRoute, OtherCodesSplitAlongTheLongerDistance) {
  for (int code : {0, 21, 85, 255, -1, 1000}) {
    SCOPED_TRACE(code);
    EXPECT_EQ(Describe(TLink(code, TPoint{161, 80}, kStart)), "H30 V-20 H30");
    EXPECT_EQ(Describe(TLink(code, TPoint{120, 47}, kStart)), "V-26 H20 V-26");
    // Equal distances split vertically.
    EXPECT_EQ(Describe(TLink(code, TPoint{140, 140}, kStart)), "V20 H40 V20");
  }
}

TEST(LinkRoute, ArrowOutsideTheFourSidesIsNotPositioned) {
  for (int code : {0, 16, 21, 85, -3}) {
    SCOPED_TRACE(code);
    TLink link(code, kEnd, kStart);
    EXPECT_FALSE(link.Arrow.HasTriangle());
    EXPECT_EQ(link.Arrow.Left, 0);
    EXPECT_EQ(link.Arrow.Top, 0);
  }
}

TEST(LinkRoute, ArrowTrianglesPointIntoTheEntrySide) {
  TStrzala arrow;
  arrow.Direction = 2;
  EXPECT_EQ(arrow.Triangle()[1], (TPoint{8, 4}));  // points right
  arrow.Direction = 3;
  EXPECT_EQ(arrow.Triangle()[2], (TPoint{0, 4}));  // points left
  arrow.Direction = 4;
  EXPECT_EQ(arrow.Triangle()[1], (TPoint{4, 0}));  // points up
}

TEST(LinkRoute, FarCoordinatesWrapInsteadOfOverflowing) {
  const TLinkRoute route =
      TLinkRoute::Compute(68, TPoint{-2147483647, -2147483647}, TPoint{2147483647, 2147483647});
  ASSERT_EQ(route.Count(), 3);
  EXPECT_EQ(route.Step(0).Length, static_cast<int32_t>(int64_t{4294967294} + 10));
}

}  // namespace
}  // namespace zuvar
