#include <QGraphicsEllipseItem>
#include <QGraphicsLineItem>
#include <QtTest>

#include "editor/BlockMouse.h"
#include "tests/editor/EditorTestSupport.h"

using namespace zuvar;
using zuvar::test::CanvasFixture;

class BlockInteractionTest : public QObject {
  Q_OBJECT
 private slots:
  void CtrlClickTogglesSelectionOfTheActiveBlock();
  void PressActivatesAndDragStopsAtTheSheetEdge();
  void SingleDragKeepsLinksLive();
  void GroupDragWithoutRefreshHidesLinksUntilRelease();
  void GroupDragWithRefreshReroutesLive();
  void CompanionsPushedOffTheSheetComeBack();
  void ConnectionFromEachSide();
  void ConnectionReleasedOverNothingOrItsSource();
  void SecondConnectionFromCalcReplacesTheFirst();
  void DecisionAsksTrueOrFalse();
  void ContextMenuBreaksLinksAndDeletes();
  void DoubleClickShowsTheSourceWindow();
  void RegionTies();
  void MiddleSegmentDragsUntilTheNextReroute();
  void BandScrollsWhenThePointerLeavesTheCanvas();
};

void BlockInteractionTest::CtrlClickTogglesSelectionOfTheActiveBlock() {
  CanvasFixture f;
  TNewShape* a = f.Add(nstCalc, 100, 100);
  TNewShape* b = f.Add(nstCalc, 300, 100);
  f.Click(110, 110);
  QCOMPARE(f.Doc().ActiveBlock, a);
  f.Click(110, 110, Qt::LeftButton, Qt::ControlModifier);
  QVERIFY(TSchematView::IsSelected(*a));
  QCOMPARE(a->Brush, TBrush::Solid(clLime));
  QCOMPARE(a->SavedBrush, TBrush::Solid(clYellow));
  QCOMPARE(f.Doc().ActiveBlock, a);
  QVERIFY(!a->Dragging);
  f.Click(310, 110);
  QCOMPARE(f.Doc().ActiveBlock, b);
  QCOMPARE(a->Brush, TBrush::Solid(clYellow));
  // Toggling back on a block that is not active.
  f.Click(110, 110, Qt::LeftButton, Qt::ControlModifier);
  QVERIFY(!TSchematView::IsSelected(*a));
  QCOMPARE(a->Brush, TBrush::Solid(clWhite));
  QCOMPARE(f.Doc().ActiveBlock, b);
}

void BlockInteractionTest::PressActivatesAndDragStopsAtTheSheetEdge() {
  CanvasFixture f;
  TNewShape* a = f.Add(nstCalc, 400, 100);
  f.Doc().Saved = true;
  f.Press(410, 110);
  QVERIFY(a->Dragging);
  QCOMPARE(a->DragOffsetX, 10);
  QCOMPARE(f.Doc().ActiveBlock, a);
  f.Move(480, 110);
  f.Move(560, 110);
  QCOMPARE(a->Left, 500 - a->Width);
  f.Move(0, -50);
  QCOMPARE(a->Left, 0);
  QCOMPARE(a->Top, 0);
  f.Release(0, -50);
  QVERIFY(!a->Dragging);
  QVERIFY(!f.Doc().Saved);
}

void BlockInteractionTest::SingleDragKeepsLinksLive() {
  CanvasFixture f;
  TNewShape* a = f.Add(nstCalc, 100, 100);
  TNewShape* b = f.Add(nstCalc, 100, 300);
  TNewShape* c = f.Add(nstCalc, 300, 300);
  CanvasFixture::Connect(a, b, 4, 1);
  CanvasFixture::Connect(b, c, 3, 2);
  f.Press(110, 310);
  f.Move(150, 330);
  QVERIFY(a->OutLink->Visible && b->OutLink->Visible);
  QCOMPARE(a->OutLink->EndX, b->Left + b->Width / 2);
  QCOMPARE(a->OutLink->EndY, b->Top);
  QCOMPARE(b->OutLink->StartX, b->Left + b->Width);
  f.Release(150, 330);
}

namespace {
struct Group {
  TNewShape *outsider, *a, *b;
};
Group MakeGroup(CanvasFixture& f) {
  Group g{f.Add(nstCalc, 50, 50), f.Add(nstCalc, 150, 200), f.Add(nstCalc, 250, 300)};
  CanvasFixture::Connect(g.outsider, g.a, 4, 1);
  CanvasFixture::Connect(g.a, g.b, 3, 1);
  CanvasFixture::Connect(g.b, g.outsider, 2, 2);
  TSchematView::MarkSelected(*g.a);
  TSchematView::MarkSelected(*g.b);
  return g;
}
}  // namespace

void BlockInteractionTest::GroupDragWithoutRefreshHidesLinksUntilRelease() {
  CanvasFixture f;
  Group g = MakeGroup(f);
  f.Press(160, 210);
  f.Move(180, 230);
  QCOMPARE(g.b->Left, 270);
  QCOMPARE(g.b->Top, 320);
  QVERIFY(!g.outsider->OutLink->Visible);
  QVERIFY(!g.a->OutLink->Visible);
  QVERIFY(!g.b->OutLink->Visible);
  f.Release(180, 230);
  for (TNewShape* block : {g.outsider, g.a, g.b}) QVERIFY(block->OutLink->Visible);
  QCOMPARE(g.a->OutLink->EndX, g.b->Left + g.b->Width / 2);
  QCOMPARE(g.a->OutLink->EndY, g.b->Top);
  QCOMPARE(g.b->OutLink->StartX, g.b->Left);
}

void BlockInteractionTest::GroupDragWithRefreshReroutesLive() {
  CanvasFixture f;
  f.host.refresh = true;
  Group g = MakeGroup(f);
  f.Press(160, 210);
  f.Move(180, 230);
  for (TNewShape* block : {g.outsider, g.a, g.b}) QVERIFY(block->OutLink->Visible);
  QCOMPARE(g.outsider->OutLink->EndY, g.a->Top);
  QCOMPARE(g.a->OutLink->EndX, g.b->Left + g.b->Width / 2);
  QCOMPARE(g.b->OutLink->StartY, g.b->Top + g.b->Height / 2);
  f.Release(180, 230);
}

void BlockInteractionTest::CompanionsPushedOffTheSheetComeBack() {
  CanvasFixture f;
  TNewShape* left = f.Add(nstCalc, 20, 100);
  TNewShape* right = f.Add(nstCalc, 200, 100);
  TSchematView::MarkSelected(*left);
  TSchematView::MarkSelected(*right);
  f.Press(210, 110);
  f.Move(150, 110);
  QCOMPARE(left->Left, -40);
  f.Release(150, 110);
  QCOMPARE(left->Left, 0);
  QCOMPARE(right->Left, 180);
}

void BlockInteractionTest::ConnectionFromEachSide() {
  struct Case {
    int side, entry;
  };
  for (const Case c : {Case{1, 4}, Case{2, 3}, Case{3, 2}, Case{4, 1}}) {
    CanvasFixture f;
    TNewShape* source = f.Add(nstCalc, 200, 200);
    TNewShape* target = f.Add(nstCalc, 200, 400);
    const int w = source->Width, h = source->Height;
    int gx = 0, gy = 0;
    if (c.side == 1) {
      gx = w / 2;
      gy = 1;
    }
    if (c.side == 2) {
      gx = 1;
      gy = h / 2;
    }
    if (c.side == 3) {
      gx = w - 2;
      gy = h / 2;
    }
    if (c.side == 4) {
      gx = w / 2;
      gy = h - 2;
    }
    f.Move(source->Left + gx, source->Top + gy);
    QVERIFY(f.view->LinkHandle->isVisible());
    QCOMPARE(f.view->LinkExitSide, c.side);
    QCOMPARE(f.view->LinkSource, source);
    const QPointF grip = f.view->LinkHandle->pos();
    f.Press(static_cast<int>(grip.x()) + 2, static_cast<int>(grip.y()) + 2);
    // Over the target, nearest to the wanted entry side.
    int tx = target->Left + target->Width / 2, ty = target->Top + target->Height / 2;
    if (c.entry == 1) ty = target->Top + 2;
    if (c.entry == 4) ty = target->Top + target->Height - 2;
    if (c.entry == 2) tx = target->Left + 2;
    if (c.entry == 3) tx = target->Left + target->Width - 2;
    f.Move(tx, ty);
    QVERIFY(f.view->RubberLine->isVisible());
    QCOMPARE(f.view->RubberLine->line().p1(), QPointF(f.view->LinkStartX, f.view->LinkStartY));
    f.Release(tx, ty);
    QVERIFY(!f.view->LinkHandle->isVisible());
    QVERIFY(!f.view->RubberLine->isVisible());
    QCOMPARE(source->BlockLink, target);
    QCOMPARE(source->OutLink->LinkCode, c.side * 16 + c.entry);
    QVERIFY(!f.Doc().Saved);
    QVERIFY(f.view->ItemOf(source->OutLink.get()) != nullptr);
  }
}

void BlockInteractionTest::ConnectionReleasedOverNothingOrItsSource() {
  CanvasFixture f;
  TNewShape* source = f.Add(nstCalc, 200, 200);
  f.Doc().Saved = true;
  for (QPoint end : {QPoint(400, 600), QPoint(205, 215)}) {
    f.Move(source->Left + source->Width / 2, source->Top + source->Height - 2);
    QVERIFY(f.view->LinkHandle->isVisible());
    const QPointF grip = f.view->LinkHandle->pos();
    f.Press(static_cast<int>(grip.x()) + 2, static_cast<int>(grip.y()) + 2);
    f.Move(end.x(), end.y());
    f.Release(end.x(), end.y());
    QCOMPARE(source->BlockLink, nullptr);
  }
  QVERIFY(f.Doc().Saved);
}

void BlockInteractionTest::SecondConnectionFromCalcReplacesTheFirst() {
  CanvasFixture f;
  TNewShape* source = f.Add(nstCalc, 100, 100);
  TNewShape* first = f.Add(nstCalc, 100, 300);
  TNewShape* second = f.Add(nstCalc, 300, 300);
  source->ExitSide = 4;
  source->EntrySide = 1;
  f.view->BlockMouse().Link(*source, *first);
  f.view->BlockMouse().Link(*source, *second);
  QCOMPARE(source->BlockLink, second);
  QCOMPARE(first->IncomingCount(), 0);
  QVERIFY(f.host.questions.empty());
}

void BlockInteractionTest::DecisionAsksTrueOrFalse() {
  CanvasFixture f;
  TNewShape* choice = f.Add(nstChoice, 200, 100, "a > 1");
  TNewShape* yes = f.Add(nstCalc, 200, 300);
  TNewShape* no = f.Add(nstCalc, 400, 100);
  TNewShape* other = f.Add(nstCalc, 50, 300);
  TBlockMouse& mouse = f.view->BlockMouse();
  f.host.answers = {TMsgResult::Yes};
  choice->ExitSide = 4;
  choice->EntrySide = 1;
  QVERIFY(mouse.Link(*choice, *yes));
  QCOMPARE(f.host.questions.size(), size_t(1));
  QCOMPARE(f.host.questions[0].text, QStringLiteral("Czy to ma być połączenie dla PRAWDY?"));
  QCOMPARE(f.host.questions[0].caption, QStringLiteral("Twój wybór...."));
  QCOMPARE(choice->BlockLink, yes);
  QCOMPARE(choice->OutLink->Pen.Color, clGreen);
  f.host.answers = {TMsgResult::No};
  choice->ExitSide = 3;
  choice->EntrySide = 2;
  mouse.Link(*choice, *no);
  QCOMPARE(choice->BlockLinkFalse, no);
  QCOMPARE(choice->OutLinkFalse->Pen.Color, clRed);
  // From the side where the TRUE exit leaves: re-targeted without a question.
  choice->ExitSide = 4;
  choice->EntrySide = 3;
  mouse.Link(*choice, *other);
  QCOMPARE(f.host.questions.size(), size_t(2));
  QCOMPARE(choice->BlockLink, other);
  QCOMPARE(choice->OutLink->Pen.Color, clGreen);
  // With the colours swapped, Yes makes the FALSE exit.
  choice->TrueLinkColor = clRed;
  choice->FalseLinkColor = clGreen;
  f.host.answers = {TMsgResult::Yes};
  choice->ExitSide = 2;
  choice->EntrySide = 3;
  mouse.Link(*choice, *yes);
  QCOMPARE(choice->BlockLinkFalse, yes);
  QCOMPARE(choice->OutLinkFalse->Pen.Color, clGreen);
}

void BlockInteractionTest::ContextMenuBreaksLinksAndDeletes() {
  CanvasFixture f;
  TNewShape* choice = f.Add(nstChoice, 200, 100, "a");
  TNewShape* a = f.Add(nstCalc, 200, 300);
  TNewShape* b = f.Add(nstCalc, 400, 300);
  CanvasFixture::Connect(choice, a, 4, 1);
  CanvasFixture::Connect(choice, b, 3, 1, true);
  CanvasFixture::Connect(a, b, 3, 2);
  f.Doc().Saved = true;
  // Right click: the block becomes active and its menu opens.
  f.host.answers = {TMsgResult::No};
  f.host.popupChoice = QStringLiteral("MIDelLinkOut");
  f.Click(choice->Left + choice->Width / 2, choice->Top + 20, Qt::RightButton);
  QCOMPARE(f.Doc().ActiveBlock, choice);
  QCOMPARE(f.host.menuCaptions,
           QStringList(
               {QStringLiteral("Zerwij połączenia wychodzące!"),
                QStringLiteral("Zerwij połaczenia przychodzące!"), QStringLiteral("Usuń element!"),
                QStringLiteral("Usuń zaznaczone elementy!"), QStringLiteral("Punkt zatrzymania"),
                QStringLiteral("Warunek zatrzymania ...")}));
  QCOMPARE(f.host.questions.back().text, QStringLiteral("Kasować połączenie dla PRAWDY?"));
  QCOMPARE(choice->BlockLink, a);
  QCOMPARE(choice->BlockLinkFalse, nullptr);
  // With one exit left, no question.
  f.view->BlockMouse().MIDelLinkOutClick(*choice);
  QCOMPARE(choice->BlockLink, nullptr);
  QCOMPARE(f.host.questions.size(), size_t(1));
  CanvasFixture::Connect(choice, b, 4, 1);
  f.view->BlockMouse().MIDelLinkInClick(*b);
  QCOMPARE(choice->BlockLink, nullptr);
  QCOMPARE(a->BlockLink, nullptr);
  QVERIFY(f.Doc().Saved);
  // Delete the element, then the selection with it.
  f.view->SetActiveBlock(a);
  f.view->BlockMouse().MIDelGrafClick(*a);
  QCOMPARE(f.Doc().ActiveBlock, nullptr);
  QCOMPARE(static_cast<int>(f.Doc().BlockCount()), 2);
  TSchematView::MarkSelected(*b);
  f.view->BlockMouse().MIDelGrafSClick(*choice);
  QCOMPARE(static_cast<int>(f.Doc().BlockCount()), 0);
  QVERIFY(!f.Doc().Saved);
  // The breakpoint condition item asks the window for the block's condition.
  TNewShape* c = f.Add(nstCalc, 200, 100);
  f.host.popupChoice = QStringLiteral("MIBreakCondition");
  f.Click(c->Left + 10, c->Top + 10, Qt::RightButton);
  QCOMPARE(f.host.conditionAsked, c);
}

void BlockInteractionTest::DoubleClickShowsTheSourceWindow() {
  CanvasFixture f;
  TNewShape* a = f.Add(nstCalc, 100, 100);
  const QPointF local = f.view->ViewportOfSheet(110, 110);
  QTest::mouseDClick(f.view->viewport(), Qt::LeftButton, Qt::NoModifier, local.toPoint());
  QCOMPARE(f.host.sourceShown, 1);
  QCOMPARE(f.Doc().ActiveBlock, a);
}

void BlockInteractionTest::RegionTies() {
  CanvasFixture f;
  TNewShape* square = f.Add(nstNode, 0, 0);  // 15 x 15
  square->Resize(20, 20);
  QCOMPARE(TBlockMouse::GetRegion(*square, 10, 10), 1);
  QCOMPARE(TBlockMouse::GetRegion(*square, 1, 10), 2);
  QCOMPARE(TBlockMouse::GetRegion(*square, 19, 10), 3);
  QCOMPARE(TBlockMouse::GetRegion(*square, 10, 19), 4);
  QCOMPARE(TBlockMouse::GetRegion(*square, 21, 10), 0);
  QCOMPARE(TBlockMouse::GetRegion(*square, -1, 10), 0);
  QCOMPARE(TBlockMouse::GetRegion(*square, 20, 20), 3);
}

void BlockInteractionTest::MiddleSegmentDragsUntilTheNextReroute() {
  CanvasFixture f;
  TNewShape* a = f.Add(nstCalc, 100, 100);
  TNewShape* b = f.Add(nstCalc, 200, 300);
  CanvasFixture::Connect(a, b, 4, 1);  // down, across, down
  TLine* middle = a->OutLink->FirstLine->NextLine;
  QCOMPARE(middle->Orientation, TLine::Horizontal);
  const int y = middle->Y1;
  const int x = (middle->X1 + middle->X2) / 2;
  const int grip = y - middle->Top;  // the press point inside the segment
  f.Press(x, y);
  QVERIFY(middle->Dragging);
  f.Move(x, y + 20);
  QCOMPARE(middle->Y1, y + 20 - grip);
  QCOMPARE(a->OutLink->FirstLine->Y2, y + 20 - grip);
  f.Release(x, y + 20);
  QVERIFY(!middle->Dragging);
  a->LinksRedraw();
  QCOMPARE(middle->Y1, y);
}

void BlockInteractionTest::BandScrollsWhenThePointerLeavesTheCanvas() {
  CanvasFixture f;
  f.view->resize(300, 300);
  f.view->SetVertPosition(0);
  f.Press(100, 100);
  const int below = f.view->VertPosition() + f.view->viewport()->height() + 10;
  f.Move(100, below);
  QCOMPARE(f.view->VertPosition(), 2);
  f.Move(100, below + 1);
  QCOMPARE(f.view->VertPosition(), 4);
  QCOMPARE(f.view->Band->rect().toRect(), QRect(100, 100, 0, below + 1 - 100));
  f.Release(100, below + 1);
}

QTEST_MAIN(BlockInteractionTest)
#include "BlockInteractionTest.moc"
