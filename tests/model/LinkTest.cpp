#include <gtest/gtest.h>

#include <vector>

#include "model/Link.h"
#include "tests/model/RecordingObserver.h"

namespace zuvar {
namespace {

std::vector<const TLine*> Segments(const TLink& link) {
  std::vector<const TLine*> out;
  for (const TLine* l = link.FirstLine; l != nullptr; l = l->NextLine) out.push_back(l);
  return out;
}

TEST(Link, ReDrawMovesTheSameSegmentsToWhereAFreshRouteWouldPutThem) {
  for (int code : {17, 20, 35, 51, 18, 52, 68, 7}) {
    SCOPED_TRACE(code);
    TLink link(code, TPoint{225, 230}, TPoint{125, 130});
    const std::vector<const TLine*> before = Segments(link);
    link.ReDraw(TPoint{40, 61}, TPoint{301, 17});
    EXPECT_EQ(Segments(link), before);
    const TLink fresh(code, TPoint{40, 61}, TPoint{301, 17});
    const std::vector<const TLine*> expected = Segments(fresh);
    ASSERT_EQ(expected.size(), before.size());
    for (std::size_t i = 0; i < before.size(); ++i) {
      EXPECT_EQ(before[i]->Orientation, expected[i]->Orientation);
      EXPECT_EQ(before[i]->Length, expected[i]->Length);
      EXPECT_EQ(before[i]->Bounds(), expected[i]->Bounds());
    }
    EXPECT_EQ(link.Arrow.Bounds(), fresh.Arrow.Bounds());
    EXPECT_EQ(link.StartMarker, (TRect{299, 15, 5, 5}));
  }
}

TEST(Link, ReDrawOfAnUnlistedCodeTurnsItsSegmentsWhenTheLongerDistanceChanges) {
  TLink link(0, TPoint{200, 110}, TPoint{100, 100});  // H50 V10 H50
  const std::vector<const TLine*> before = Segments(link);
  link.ReDraw(TPoint{110, 300}, TPoint{100, 100});  // now V100 H10 V100
  EXPECT_EQ(Segments(link), before);
  EXPECT_EQ(link.FirstLine->Orientation, TLine::Vertical);
  EXPECT_EQ(link.FirstLine->Length, 100);
  EXPECT_EQ(link.FirstLine->Bounds(), (TRect{99, 100, 3, 100}));
  EXPECT_EQ(link.LastLine->Y2, 300);
}

TEST(Link, DraggedMiddleSegmentTakesItsNeighboursAlongAndSnapsBackOnReDraw) {
  test::TRecordingObserver observer;
  TLink link(65, TPoint{225, 230}, TPoint{125, 130});
  link.Observer = &observer;
  TLine& first = *link.FirstLine;
  TLine& middle = *first.NextLine;
  TLine& last = *link.LastLine;

  EXPECT_FALSE(middle.DragTo(0, 300));  // not pressed
  first.Press(1, 5);
  EXPECT_FALSE(link.DragSegment(first, 300, 300));  // an end segment never moves
  middle.Press(7, 1);
  EXPECT_TRUE(link.DragSegment(middle, 999, 201));
  EXPECT_EQ(middle.Y1, 200);
  EXPECT_EQ(middle.Y2, 200);
  EXPECT_EQ(middle.X1, 125);
  EXPECT_EQ(first.Length, 70);
  EXPECT_EQ(first.Bounds(), (TRect{124, 130, 3, 70}));
  EXPECT_EQ(last.Y1, 200);
  EXPECT_EQ(last.Length, 30);
  EXPECT_EQ(observer.Count("rerouted"), 1);

  EXPECT_FALSE(middle.DragTo(50, 0));  // would put the segment at y = -1
  EXPECT_EQ(middle.Y1, 200);
  middle.Release();
  EXPECT_FALSE(middle.DragTo(50, 100));

  link.ReDraw(TPoint{225, 230}, TPoint{125, 130});
  EXPECT_EQ(middle.Y1, 180);
  EXPECT_EQ(first.Length, 50);
  EXPECT_EQ(last.Length, 50);
}

TEST(Link, VerticalMiddleSegmentIsDraggedSideways) {
  TLink link(35, TPoint{300, 200}, TPoint{100, 100});  // H100 V100 H100
  TLine& middle = *link.FirstLine->NextLine;
  middle.Press(1, 40);
  EXPECT_TRUE(middle.DragTo(151, 0));
  EXPECT_EQ(middle.X1, 150);
  EXPECT_EQ(middle.X2, 150);
  EXPECT_EQ(link.FirstLine->Length, 50);
  EXPECT_EQ(link.LastLine->Length, 150);
  EXPECT_EQ(link.LastLine->X2, 300);
}

TEST(Link, EDrawBuildsANewChain) {
  TLink link(35, TPoint{300, 200}, TPoint{100, 100});
  link.EDraw(TPoint{50, 60}, TPoint{10, 20});
  EXPECT_EQ(link.SegmentCount(), 3);
  EXPECT_EQ(link.FirstLine->X1, 10);
  EXPECT_EQ(link.LastLine->X2, 50);
  EXPECT_EQ(link.Arrow.Left, 50);
  EXPECT_EQ(link.Arrow.Top, 56);
}

TEST(Link, ShowAndHideSetTheFlagAndReportOnlyChanges) {
  test::TRecordingObserver observer;
  TLink link(65, TPoint{225, 230}, TPoint{125, 130});
  link.Observer = &observer;
  link.Show();
  link.Hide();
  link.Hide();
  EXPECT_FALSE(link.Visible);
  link.Show();
  EXPECT_TRUE(link.Visible);
  EXPECT_EQ(observer.events, (std::vector<std::string>{"hidden -:65", "shown -:65"}));
}

TEST(Link, PenIsPassedAlongTheWholeChain) {
  TLink link(17, TPoint{225, 230}, TPoint{125, 130});
  link.SetPen(TPen{clGreen, 3});
  for (const TLine* line : Segments(link)) {
    EXPECT_EQ(line->Pen, (TPen{clGreen, 3}));
    EXPECT_EQ(line->Thickness(), 5);
  }
  EXPECT_EQ(link.FirstLine->Width, 5);
  EXPECT_EQ(link.FirstLine->NextLine->Height, 5);
  link.ReDraw(TPoint{225, 230}, TPoint{125, 130});
  EXPECT_EQ(link.LastLine->Pen.Color, clGreen);
}

TEST(Link, DestroyingSegmentsUnlinksTheirNeighbours) {
  TLine first(TPoint{0, 0}, TLine::Vertical, 10, TPen{}, nullptr);
  {
    TLine second(&first, 20);
    EXPECT_EQ(first.NextLine, &second);
    EXPECT_EQ(second.Orientation, TLine::Horizontal);
    EXPECT_EQ(second.X2, 20);
    EXPECT_EQ(second.Y2, 10);
  }
  EXPECT_EQ(first.NextLine, nullptr);
  EXPECT_EQ(first.Thickness(), 3);
}

}  // namespace
}  // namespace zuvar
