#include <gtest/gtest.h>

#include "model/FixedWidthMeasurer.h"
#include "model/NewShape.h"
#include "tests/model/RecordingObserver.h"

namespace zuvar {
namespace {

TEST(NewShape, NewBlockHasTheStartingDefaults) {
  TNewShape block;
  EXPECT_EQ(block.Width, 50);
  EXPECT_EQ(block.Height, 50);
  EXPECT_EQ(block.Caption, "?x?");
  EXPECT_TRUE(block.Code.empty());
  EXPECT_EQ(block.Pen, (TPen{clBlack, 1}));
  EXPECT_TRUE(block.Brush.Clear);
  EXPECT_EQ(block.TrueLinkColor, 32768u);
  EXPECT_EQ(block.FalseLinkColor, 255u);
  EXPECT_EQ(block.BlockLink, nullptr);
  EXPECT_EQ(block.OutLink, nullptr);
  block.SetBlockLink(nullptr);  // nothing to clear
  EXPECT_EQ(block.OutLink, nullptr);
}

TEST(NewShape, SetShapeAppliesTheStartingSizeOfEachType) {
  struct Case {
    TNewShapeType type;
    int width, height;
  };
  const Case cases[] = {
      {nstStart, 50, 30}, {nstStop, 50, 30},  {nstContinuum, 30, 30},
      {nstCalc, 50, 30},  {nstInOut, 50, 30}, {nstChoice, 50, 40},
      {nstNode, 15, 15},  {nstNULL, 50, 50},  {static_cast<TNewShapeType>(200), 50, 50}};
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.type));
    TNewShape block;
    block.SetShape(c.type);
    EXPECT_EQ(block.Shape, c.type);
    EXPECT_EQ(block.Width, c.width);
    EXPECT_EQ(block.Height, c.height);
    EXPECT_EQ(block.Brush.Clear, c.type != nstNode);
  }
  TNewShape node;
  node.SetShape(nstNode);
  EXPECT_EQ(node.Brush.Color, clSilver);
}

TEST(NewShape, ConnectionPointsAreEdgeMidpointsWithTruncatedHalves) {
  TNewShape block;
  block.Left = 10;
  block.Top = 20;
  block.Width = 51;
  block.Height = 31;
  EXPECT_EQ(block.ConnectionPoint(sideTop), (TPoint{35, 20}));
  EXPECT_EQ(block.ConnectionPoint(sideLeft), (TPoint{10, 35}));
  EXPECT_EQ(block.ConnectionPoint(sideRight), (TPoint{61, 35}));
  EXPECT_EQ(block.ConnectionPoint(sideBottom), (TPoint{35, 51}));
  EXPECT_EQ(block.ConnectionPoint(0), (TPoint{35, 35}));  // no side: the centre
  block.Left = -11;
  block.Width = 5;
  EXPECT_EQ(block.ConnectionPoint(sideTop).X, -9);
}

class TwoBlocks : public ::testing::Test {
 protected:
  TwoBlocks() {
    source.SetShape(nstChoice);
    source.Left = 100;
    source.Top = 100;
    target.SetShape(nstCalc);
    target.Left = 200;
    target.Top = 200;
  }
  TNewShape target;  // declared first: destroyed after the source that points at it
  TNewShape source;
};

TEST_F(TwoBlocks, SetBlockLinkRoutesABlackLinkFromExitSideToEntrySide) {
  source.ExitSide = sideBottom;
  source.EntrySide = sideTop;
  source.SetBlockLink(&target);
  ASSERT_NE(source.OutLink, nullptr);
  EXPECT_EQ(source.BlockLink, &target);
  EXPECT_EQ(source.OutLink->LinkCode, 65);
  EXPECT_EQ(source.OutLink->Start(), (TPoint{125, 140}));
  EXPECT_EQ(source.OutLink->End(), (TPoint{225, 200}));
  EXPECT_EQ(source.OutLink->Pen, (TPen{clBlack, 1}));
  EXPECT_EQ(source.OutLink->Source, &source);
  EXPECT_EQ(target.IncomingCount(), 1);

  source.ExitSide = sideRight;
  source.EntrySide = sideLeft;
  source.SetBlockLinkFalse(&target);
  EXPECT_EQ(source.OutLinkFalse->LinkCode, 50);
  source.ColourDecisionLinks();
  EXPECT_EQ(source.OutLink->Pen.Color, clGreen);
  EXPECT_EQ(source.OutLinkFalse->Pen.Color, clRed);
  EXPECT_EQ(target.IncomingCount(), 2);

  source.SetBlockLink(nullptr);
  EXPECT_EQ(source.OutLink, nullptr);
  EXPECT_EQ(source.BlockLink, nullptr);
  EXPECT_EQ(target.IncomingCount(), 1);
}

TEST_F(TwoBlocks, LinksRedrawUsesTheLinksOwnCode) {
  source.ExitSide = sideBottom;
  source.EntrySide = sideTop;
  source.SetBlockLink(&target);
  const TLine* first = source.OutLink->FirstLine;
  source.ExitSide = sideLeft;  // a later connection's sides must not matter
  source.EntrySide = sideRight;
  target.Left = 300;
  source.LinksRedraw();
  EXPECT_EQ(source.OutLink->FirstLine, first);
  EXPECT_EQ(source.OutLink->Start(), (TPoint{125, 140}));
  EXPECT_EQ(source.OutLink->End(), (TPoint{325, 200}));
}

TEST_F(TwoBlocks, ReplacingAnExitDestroysTheOldLinkAndTellsTheObserver) {
  test::TRecordingObserver observer;
  source.Id = 1;
  source.SetObserver(&observer);
  source.ExitSide = sideBottom;
  source.EntrySide = sideTop;
  source.SetBlockLink(&target);
  source.SetBlockLink(&target);
  source.OutLink->Hide();
  source.SetBlockLink(nullptr);
  EXPECT_EQ(observer.events, (std::vector<std::string>{"link+ 1:65", "link- 1:65", "link+ 1:65",
                                                       "hidden 1:65", "link- 1:65"}));
}

TEST(NewShape, LayoutSetsTheCaptionFromTheFirstLineAndTheWidthByType) {
  const TFixedWidthMeasurer measurer;
  struct Case {
    TNewShapeType type;
    std::vector<std::string> code;
    const char* caption;
    int width, height;
  };
  const Case cases[] = {
      {nstCalc, {"x = 1;", "y = 2;"}, "x = 1;", 56, 30},
      {nstCalc, {}, "?x?", 38, 30},
      {nstInOut, {"", "write(x);"}, "?x?", 38, 30},
      {nstInOut, {"write(\"żółw\");"}, "write(\"żółw\");", 104, 30},
      {nstChoice, {"a"}, "a", 40, 40},
      {nstChoice, {"licznik < 10"}, "licznik < 10", 92, 40},
      {nstContinuum, {"A"}, "A", 26, 26},
      {nstStart, {"long text here"}, "long text here", 50, 30},
      {nstStop, {}, "?x?", 50, 30},
      {nstNode, {"n"}, "n", 15, 15},
      {nstNULL, {"x"}, "x", 50, 50},
      {static_cast<TNewShapeType>(9), {"x"}, "x", 50, 50},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.caption);
    TNewShape block;
    block.SetShape(c.type);
    block.Code = c.code;
    block.UpdateLayout(measurer);
    EXPECT_EQ(block.Caption, c.caption);
    EXPECT_EQ(block.Width, c.width);
    EXPECT_EQ(block.Height, c.height);
  }
}

TEST(NewShape, LayoutReportsOnlyRealChanges) {
  const TFixedWidthMeasurer measurer;
  test::TRecordingObserver observer;
  TNewShape block(&observer);
  block.Id = 4;
  block.SetShape(nstCalc);
  observer.events.clear();
  EXPECT_TRUE(block.UpdateLayout(measurer));
  EXPECT_FALSE(block.UpdateLayout(measurer));
  block.Code = {"abc"};
  EXPECT_FALSE(block.UpdateLayout(measurer));  // same width as "?x?"
  EXPECT_EQ(observer.events, (std::vector<std::string>{"resized 4", "caption 4"}));
}

TEST(NewShape, PenBrushAndMovesAreReported) {
  test::TRecordingObserver observer;
  TNewShape block(&observer);
  block.Id = 2;
  block.SetPen(TPen{clRed, 1});
  block.SetPen(TPen{clRed, 1});
  block.SetBrush(TBrush::Solid(clYellow));
  block.MoveTo(5, 6);
  block.MoveTo(5, 6);
  block.Resize(60, 30);
  EXPECT_EQ(block.Left, 5);
  EXPECT_EQ(block.Top, 6);
  EXPECT_EQ(observer.events,
            (std::vector<std::string>{"repaint 2", "repaint 2", "moved 2", "resized 2"}));
}

TEST(NewShape, DecisionLettersStandBesideTheExit) {
  TNewShape block;
  block.SetShape(nstChoice);
  block.Left = 100;
  block.Top = 100;
  EXPECT_EQ(block.LetterPosition(sideTop), (TPoint{128, 90}));
  EXPECT_EQ(block.LetterPosition(sideLeft), (TPoint{91, 108}));
  EXPECT_EQ(block.LetterPosition(sideRight), (TPoint{153, 108}));
  EXPECT_EQ(block.LetterPosition(sideBottom), (TPoint{128, 139}));
}

}  // namespace
}  // namespace zuvar
