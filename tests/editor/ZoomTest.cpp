#include <QCursor>
#include <QGraphicsEllipseItem>
#include <QScrollBar>
#include <QSignalSpy>
#include <QWheelEvent>
#include <QtTest>
#include <string>

#include "editor/ZoomControl.h"
#include "tests/editor/EditorTestSupport.h"

using namespace zuvar;
using zuvar::test::CanvasFixture;

namespace {

// Sheet points that every zoom of the scenario reaches exactly: at 50 % one screen pixel covers
// two sheet pixels, so only even points can be pointed at.
int Even(int v) { return v & ~1; }

// Everything the mouse can change in the document, in list order.
std::string Snapshot(const TSchemat& doc) {
  std::string s;
  auto add = [&s](int v) { s += std::to_string(v) + ' '; };
  for (const TNewShape* b = doc.FirstBlock; b != nullptr; b = b->Next) {
    for (int v : {int(b->Id), int(b->Shape), b->Left, b->Top, b->Width, b->Height,
                  int(b->Pen.Color), b->ExitSide, b->EntrySide})
      add(v);
    add(b->BlockLink != nullptr ? int(b->BlockLink->Id) : -1);
    for (const TLink* link : {b->OutLink.get(), b->OutLinkFalse.get()}) {
      if (link == nullptr) continue;
      add(link->LinkCode);
      for (const TLine* line = link->FirstLine; line != nullptr; line = line->NextLine)
        for (int v : {line->Left, line->Top, line->Width, line->Height}) add(v);
    }
    s += '\n';
  }
  return s;
}

QPoint Centre(const TNewShape* b) {
  return QPoint(Even(b->Left + b->Width / 2), Even(b->Top + b->Height / 2));
}

// Places three blocks, drags one, connects them from their grips, drags a middle segment,
// selects two with a band and drags them as a group: all at sheet points, at one zoom.
std::string RunScenario(qreal factor, int* commands) {
  CanvasFixture f;
  f.view->Zoom().SetFactor(factor, QPointF(0, 0));
  f.view->SetHorzPosition(0);
  f.view->SetVertPosition(0);
  const auto place = [&f](TNewShapeType tool, int x, int y) {
    f.view->SelectTool(tool);
    f.Click(x, y);
    return f.Doc().LastBlock;
  };
  TNewShape* a = place(nstCalc, 100, 80);
  TNewShape* b = place(nstCalc, 100, 240);
  TNewShape* c = place(nstNode, 300, 240);
  const QPoint fromA = Centre(a);
  f.Drag(fromA.x(), fromA.y(), fromA.x() + 40, fromA.y() + 20);

  const auto connect = [&f](QPoint hover, TNewShape* target, QPoint over) {
    f.Move(hover.x(), hover.y());
    if (!f.view->LinkHandle->isVisible()) return;
    const QPointF grip = f.view->LinkHandle->pos();
    f.Press(Even(int(grip.x()) + 2), Even(int(grip.y()) + 2));
    f.Move(over.x(), over.y());
    f.Release(over.x(), over.y());
    QCOMPARE(f.view->LinkSource->BlockLink, target);
  };
  // From the middle of A's bottom edge onto B's top, from B's right edge onto C's left.
  connect(QPoint(Even(a->Left + a->Width / 2), Even(a->Top + a->Height - 2)), b,
          QPoint(Centre(b).x(), Even(b->Top + 3)));
  connect(QPoint(Even(b->Left + b->Width - 2), Even(b->Top + b->Height / 2)), c,
          QPoint(Even(c->Left + 3), Centre(c).y()));
  if (a->OutLink == nullptr || b->OutLink == nullptr) return "not connected";

  TLine* middle = a->OutLink->FirstLine->NextLine;
  const int mx = Even((middle->X1 + middle->X2) / 2);
  const int my = Even(middle->Top + 1);
  f.Drag(mx, my, mx, my + 10, 2);

  f.Drag(60, 200, 380, 300);
  const QPoint fromB = Centre(b);
  f.Drag(fromB.x(), fromB.y(), fromB.x() + 20, fromB.y() + 10);
  *commands = f.stack.count();
  return Snapshot(f.Doc());
}

void SendWheel(CanvasFixture& f, QPoint at, int delta, Qt::KeyboardModifiers modifiers) {
  QWheelEvent event(at, f.view->viewport()->mapToGlobal(at), QPoint(), QPoint(0, delta),
                    Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
  QApplication::sendEvent(f.view->viewport(), &event);
}

}  // namespace

class ZoomTest : public QObject {
  Q_OBJECT
 private slots:
  void EditingGivesTheSameDocumentAtEveryZoom();
  void StepsStopAtTheLimitsAndResetReturnsTo100();
  void CtrlWheelZoomsAroundThePointer();
  void PlainWheelScrolls35SheetPixels();
  void RightButtonPanFollowsThePointer();
  void KeysZoomAroundThePointerOverTheSheetElseTheMiddle();
  void FitShowsTheWholeSheet();
  void ZoomedOutPointerStillCatchesAThinSegment();
};

void ZoomTest::EditingGivesTheSameDocumentAtEveryZoom() {
  int atFull = 0, atHalf = 0, atDouble = 0;
  const std::string full = RunScenario(1.0, &atFull);
  QVERIFY(full.find("not connected") == std::string::npos);
  QCOMPARE(RunScenario(0.5, &atHalf), full);
  QCOMPARE(RunScenario(2.0, &atDouble), full);
  // place 3, move, connect 2, move the group; the segment drag is not an edit.
  QCOMPARE(atFull, 7);
  QCOMPARE(atHalf, atFull);
  QCOMPARE(atDouble, atFull);
}

void ZoomTest::StepsStopAtTheLimitsAndResetReturnsTo100() {
  CanvasFixture f;
  TZoomControl& zoom = f.view->Zoom();
  QSignalSpy changed(&zoom, &TZoomControl::Changed);
  QCOMPARE(zoom.Percent(), 100);
  QList<int> seen;
  for (int i = 0; i < 7; ++i) {
    zoom.Step(-1, QPointF(10, 10));
    seen << zoom.Percent();
  }
  QCOMPARE(seen, (QList<int>{75, 67, 50, 33, 25, 25, 25}));
  seen.clear();
  for (int i = 0; i < 11; ++i) {
    zoom.Step(1, QPointF(10, 10));
    seen << zoom.Percent();
  }
  QCOMPARE(seen, (QList<int>{33, 50, 67, 75, 100, 125, 150, 200, 300, 400, 400}));
  QCOMPARE(f.view->transform().m11(), 4.0);
  zoom.ResetByKey();
  QCOMPARE(zoom.Percent(), 100);
  QCOMPARE(f.view->transform().m11(), 1.0);
  // A step from a factor between steps goes to the next step.
  zoom.SetFactor(0.9, QPointF(0, 0));
  zoom.Step(1, QPointF(0, 0));
  QCOMPARE(zoom.Percent(), 100);
  zoom.SetFactor(9, QPointF(0, 0));
  QCOMPARE(zoom.Percent(), 400);
  // Only changes are announced: the limits repeated and a factor set twice are not.
  QCOMPARE(changed.count(), 5 + 10 + 1 + 2 + 1);
  QCOMPARE(changed.last().at(0).toInt(), 400);
}

void ZoomTest::CtrlWheelZoomsAroundThePointer() {
  CanvasFixture f;
  f.view->SetSheetSize(2000, 2000);  // wide enough to scroll both ways at every zoom
  const QPoint at = f.view->ViewportOfSheet(300, 200);
  SendWheel(f, at, 120, Qt::ControlModifier);
  QCOMPARE(f.view->Zoom().Percent(), 125);
  SendWheel(f, at, 120, Qt::ControlModifier);
  QCOMPARE(f.view->Zoom().Percent(), 150);
  QVERIFY(f.view->HorzPosition() > 0);
  QCOMPARE(f.view->ToSheet(at), QPoint(300, 200));
  // Half notches add up to one step; turning back forgets the half.
  SendWheel(f, at, 60, Qt::ControlModifier);
  QCOMPARE(f.view->Zoom().Percent(), 150);
  SendWheel(f, at, 60, Qt::ControlModifier);
  QCOMPARE(f.view->Zoom().Percent(), 200);
  SendWheel(f, at, 60, Qt::ControlModifier);
  SendWheel(f, at, -120, Qt::ControlModifier);
  QCOMPARE(f.view->Zoom().Percent(), 150);
  QCOMPARE(f.view->ToSheet(at), QPoint(300, 200));
  SendWheel(f, at, -120 * 5, Qt::ControlModifier);
  QCOMPARE(f.view->Zoom().Percent(), 50);
}

void ZoomTest::PlainWheelScrolls35SheetPixels() {
  CanvasFixture f;
  f.view->Zoom().SetFactor(2.0, QPointF(0, 0));
  f.view->SetVertPosition(0);
  SendWheel(f, QPoint(100, 100), -120, Qt::NoModifier);
  QCOMPARE(f.view->VertPosition(), 70);
  QCOMPARE(f.view->ToSheet(QPointF(0, 0)).y(), 35 - TSchematView::SheetTop);
  f.view->WheelScroll(-1);
  QCOMPARE(f.view->VertPosition(), 0);
  QCOMPARE(f.view->Zoom().Percent(), 200);
}

void ZoomTest::RightButtonPanFollowsThePointer() {
  for (const qreal factor : {0.5, 2.0}) {
    CanvasFixture f;
    f.view->SetSheetSize(3000, 3000);
    f.view->Zoom().SetFactor(factor, QPointF(0, 0));
    f.view->SetHorzPosition(100);
    f.view->SetVertPosition(100);
    const QPoint pressed = f.view->ViewportOfSheet(200, 200);
    f.Press(200, 200, Qt::RightButton);
    // The pointer moves on the screen; the sheet point it grabbed comes along.
    const QPoint moved = pressed - QPoint(40, 30);
    QMouseEvent event(QEvent::MouseMove, moved, f.view->viewport()->mapToGlobal(moved),
                      Qt::NoButton, Qt::RightButton, Qt::NoModifier);
    QApplication::sendEvent(f.view->viewport(), &event);
    QCOMPARE(f.view->ToSheet(moved), QPoint(200, 200));
    f.Release(200, 200);
  }
}

void ZoomTest::KeysZoomAroundThePointerOverTheSheetElseTheMiddle() {
  CanvasFixture f;
  f.view->SetSheetSize(2000, 2000);
  f.view->SetHorzPosition(800);
  f.view->SetVertPosition(800);
  QWidget* port = f.view->viewport();
  const QPoint over(200, 150);
  const QPoint sheetOver = f.view->ToSheet(over);
  QCursor::setPos(port->mapToGlobal(over));
  if (port->mapFromGlobal(QCursor::pos()) != over)
    QSKIP("the pointer cannot be placed on this platform");
  f.view->Zoom().StepInByKey();
  QCOMPARE(f.view->Zoom().Percent(), 125);
  QCOMPARE(f.view->ToSheet(over), sheetOver);
  f.view->Zoom().ResetByKey();
  QCOMPARE(f.view->Zoom().Percent(), 100);
  QCOMPARE(f.view->ToSheet(over), sheetOver);
  // Over the grey margin, or outside the view, the middle of the view stays put.
  f.view->SetHorzPosition(0);
  const QPoint middle(port->width() / 2, port->height() / 2);
  for (const QPoint away : {QPoint(10, 150), QPoint(-40, -40)}) {
    QCursor::setPos(port->mapToGlobal(away));
    const QPoint underMiddle = f.view->ToSheet(middle);
    f.view->Zoom().StepInByKey();
    QVERIFY((f.view->ToSheet(middle) - underMiddle).manhattanLength() <= 2);
  }
  QCOMPARE(f.view->Zoom().Percent(), 150);
}

void ZoomTest::FitShowsTheWholeSheet() {
  for (const QSize sheet : {QSize(500, 1000), QSize(2000, 600), QSize(150, 100)}) {
    CanvasFixture f;
    f.view->SetSheetSize(sheet.width(), sheet.height());
    f.view->Zoom().Step(3, QPointF(200, 200));
    f.view->Zoom().Fit();
    const QRect port = f.view->viewport()->rect();
    QVERIFY(port.contains(f.view->ViewportOfSheet(0, 0)));
    QVERIFY(port.contains(f.view->ViewportOfSheet(sheet.width() - 1, sheet.height() - 1)));
    QCOMPARE(f.view->horizontalScrollBar()->maximum(), 0);
    QCOMPARE(f.view->verticalScrollBar()->maximum(), 0);
    // As large as it can be: a step further in no longer fits.
    if (f.view->Zoom().Percent() < 400) {
      f.view->Zoom().Step(1, QPointF(0, 0));
      QVERIFY(!port.contains(
          f.view->ViewportOfSheet(sheet.width() + TSchematView::SheetLeft, sheet.height())));
    }
  }
}

void ZoomTest::ZoomedOutPointerStillCatchesAThinSegment() {
  CanvasFixture f;
  TNewShape* a = f.Add(nstCalc, 100, 100);
  TNewShape* b = f.Add(nstCalc, 200, 300);
  CanvasFixture::Connect(a, b, 4, 1);
  TLine* middle = a->OutLink->FirstLine->NextLine;
  f.view->Zoom().SetFactor(0.25, QPointF(0, 0));
  f.view->SetHorzPosition(0);
  f.view->SetVertPosition(0);
  // Every screen row that shows part of the three-pixel segment picks it up: at 25 % a row
  // covers four sheet rows.
  const int column = f.view->ViewportOfSheet((middle->X1 + middle->X2) / 2, 0).x();
  const int first = (TSchematView::SheetTop + middle->Top) / 4;
  const int last = (TSchematView::SheetTop + middle->Top + middle->Height - 1) / 4;
  for (int row = first; row <= last; ++row) {
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
      const QPoint at(column, row);
      const Qt::MouseButtons held =
          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
      QMouseEvent event(type, at, f.view->viewport()->mapToGlobal(at), Qt::LeftButton, held,
                        Qt::NoModifier);
      QApplication::sendEvent(f.view->viewport(), &event);
      if (type == QEvent::MouseButtonPress)
        QVERIFY2(middle->Dragging, qPrintable(QStringLiteral("row %1").arg(row)));
    }
  }
  QVERIFY(!middle->Dragging);
}

QTEST_MAIN(ZoomTest)
#include "ZoomTest.moc"
