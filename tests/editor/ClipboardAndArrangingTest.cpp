#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QUndoStack>

#include "editor/BlockArranging.h"
#include "editor/BlockClipboard.h"
#include "tests/editor/EditorTestSupport.h"
#include "tests/support/DocumentSnapshot.h"

using namespace zuvar;
using namespace zuvar::test;

namespace {

// A start block leading to a decision whose TRUE exit (right side, lime) goes to a calculation
// block and whose FALSE exit (bottom, yellow) goes to a stop block; a fifth block, not copied,
// leads into the decision.
struct TSample {
  TNewShape *start, *choice, *calc, *stop, *outside;
};

TSample BuildSample(CanvasFixture& f) {
  TSample s;
  s.start = f.Add(nstStart, 100, 40);
  s.choice = f.Add(nstChoice, 100, 140, "x > 1");
  s.choice->TrueLinkColor = clLime;
  s.choice->FalseLinkColor = clYellow;
  s.calc = f.Add(nstCalc, 300, 140, "x = x - 1;");
  s.stop = f.Add(nstStop, 100, 300);
  s.outside = f.Add(nstInOut, 400, 400, "write(x);");
  CanvasFixture::Connect(s.start, s.choice, 4, 1);
  CanvasFixture::Connect(s.choice, s.calc, 3, 2);
  CanvasFixture::Connect(s.choice, s.stop, 4, 1, true);
  s.choice->ColourDecisionLinks();
  CanvasFixture::Connect(s.outside, s.choice, 2, 3);
  f.Doc().Saved = true;
  return s;
}

std::vector<TNewShape*> Blocks(TSchemat& doc) {
  std::vector<TNewShape*> blocks;
  for (TNewShape* b = doc.FirstBlock; b != nullptr; b = b->Next) blocks.push_back(b);
  return blocks;
}

int CentreX(const TNewShape* b) { return b->Left + b->Width / 2; }
int CentreY(const TNewShape* b) { return b->Top + b->Height / 2; }

}  // namespace

class ClipboardAndArrangingTest : public QObject {
  Q_OBJECT
 private slots:
  void PasteIntoAnotherDiagramKeepsConnectionsAndIsOneEdit();
  void PasteGoesToThePointAndStaysOnTheSheet();
  void PasteOfAnythingElseChangesNothing();
  void AlignmentLinesTheSelectionUpWithTheActiveBlock();
  void SnappingPutsPlacedAndDraggedCentresOnTheGrid();
};

void ClipboardAndArrangingTest::PasteIntoAnotherDiagramKeepsConnectionsAndIsOneEdit() {
  CanvasFixture first;
  TSample s = BuildSample(first);
  TSchematView::MarkSelected(*s.start);
  TSchematView::MarkSelected(*s.calc);
  TSchematView::MarkSelected(*s.stop);
  first.view->SetActiveBlock(s.choice);
  QVERIFY(BlockClipboard::Copy(*first.view));
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  QVERIFY(data->hasFormat(QString::fromLatin1(BlockClipboard::MimeType)));
  QVERIFY(data->text().startsWith(QStringLiteral("ZUVAR2.0")));

  CanvasFixture second;
  TNewShape* existing = second.Add(nstStart, 20, 20);
  second.Doc().Saved = true;
  TSchematView::MarkSelected(*existing);
  const QByteArray before = DocumentSnapshot(second.Doc());
  QVERIFY(BlockClipboard::Paste(*second.view));
  QCOMPARE(second.stack.count(), 1);
  const std::vector<TNewShape*> blocks = Blocks(second.Doc());
  QCOMPARE(blocks.size(), std::size_t{5});
  TNewShape *start = blocks[1], *choice = blocks[2], *calc = blocks[3], *stop = blocks[4];
  const TNewShape* originals[] = {s.start, s.choice, s.calc, s.stop};
  for (int i = 0; i < 4; ++i) {
    QCOMPARE(blocks[i + 1]->Id, uint32_t(i + 2));
    QCOMPARE(blocks[i + 1]->Shape, originals[i]->Shape);
    QCOMPARE(blocks[i + 1]->Left, originals[i]->Left + 20);
    QCOMPARE(blocks[i + 1]->Top, originals[i]->Top + 20);
    QCOMPARE(blocks[i + 1]->Code, originals[i]->Code);
    QVERIFY(TSchematView::IsSelected(*blocks[i + 1]));
  }
  QVERIFY(!TSchematView::IsSelected(*existing));
  QVERIFY(second.Doc().ActiveBlock == nullptr);
  QVERIFY(!second.Doc().Saved);
  QCOMPARE(start->BlockLink, choice);
  QCOMPARE(choice->BlockLink, calc);
  QCOMPARE(choice->OutLink->LinkCode, 3 * 16 + 2);
  QCOMPARE(choice->BlockLinkFalse, stop);
  QCOMPARE(choice->OutLinkFalse->LinkCode, 4 * 16 + 1);
  QCOMPARE(choice->OutLink->Pen.Color, clLime);
  QCOMPARE(choice->OutLinkFalse->Pen.Color, clYellow);
  QCOMPARE(choice->OutLink->Start(), choice->ConnectionPoint(3));
  QCOMPARE(choice->OutLink->End(), calc->ConnectionPoint(2));
  QCOMPARE(choice->IncomingCount(), 1);  // the block that was not copied stays behind
  QVERIFY(second.view->ItemOf(choice->OutLinkFalse.get()) != nullptr);
  const QByteArray pasted = DocumentSnapshot(second.Doc());
  const int items = second.SceneItems();

  second.stack.undo();
  TSchematView::MarkSelected(*existing);
  QCOMPARE(DocumentSnapshot(second.Doc()), before);
  second.stack.redo();
  for (TNewShape* b : Blocks(second.Doc())) TSchematView::MarkSelected(*b);
  TSchematView::MarkUnselected(*second.Doc().FirstBlock);
  QCOMPARE(DocumentSnapshot(second.Doc()), pasted);
  QCOMPARE(second.SceneItems(), items);
}

void ClipboardAndArrangingTest::PasteGoesToThePointAndStaysOnTheSheet() {
  CanvasFixture f;
  TSample s = BuildSample(f);
  f.view->SetActiveBlock(s.calc);
  QVERIFY(BlockClipboard::Copy(*f.view));
  QVERIFY(BlockClipboard::Paste(*f.view, QPoint(200, 500)));
  QCOMPARE(f.Doc().LastBlock->Left, 200);
  QCOMPARE(f.Doc().LastBlock->Top, 500);
  // At the far corner the block is pushed back until it is whole on the sheet.
  QVERIFY(BlockClipboard::Paste(*f.view, QPoint(f.Doc().SheetWidth - 5, f.Doc().SheetHeight - 5)));
  const TNewShape* last = f.Doc().LastBlock;
  QCOMPARE(last->Left + last->Width, f.Doc().SheetWidth);
  QCOMPARE(last->Top + last->Height, f.Doc().SheetHeight);
  QCOMPARE(f.stack.count(), 2);
}

void ClipboardAndArrangingTest::PasteOfAnythingElseChangesNothing() {
  CanvasFixture f;
  TSample s = BuildSample(f);
  TSchematView::MarkSelected(*s.calc);
  f.view->SetActiveBlock(s.stop);
  const QByteArray before = DocumentSnapshot(f.Doc());
  const QString foreign[] = {QStringLiteral("Ala ma kota"), QString(),
                             QStringLiteral("ZUVAR2.0\r\n500\r\n1000\r\n"),
                             QStringLiteral("ZUVAR2.0\r\n500\r\n1000\r\n7\r\n?x?\r\nlewa\r\n")};
  for (const QString& text : foreign) {
    QGuiApplication::clipboard()->setText(text);
    QVERIFY(!BlockClipboard::Paste(*f.view));
  }
  QGuiApplication::clipboard()->clear();
  QVERIFY(!BlockClipboard::Paste(*f.view));
  QCOMPARE(DocumentSnapshot(f.Doc()), before);
  QCOMPARE(f.stack.count(), 0);
  QCOMPARE(f.Doc().ActiveBlock, s.stop);
}

void ClipboardAndArrangingTest::AlignmentLinesTheSelectionUpWithTheActiveBlock() {
  CanvasFixture f;
  TSample s = BuildSample(f);
  // Without an active block nothing moves.
  TSchematView::MarkSelected(*s.calc);
  TSchematView::MarkSelected(*s.stop);
  const QByteArray before = DocumentSnapshot(f.Doc());
  QVERIFY(!BlockArranging::Align(*f.view, BlockAlignment::TAxis::Vertical));
  f.view->SetActiveBlock(s.choice);
  QVERIFY(BlockArranging::Align(*f.view, BlockAlignment::TAxis::Vertical));
  QCOMPARE(f.stack.count(), 1);
  QCOMPARE(CentreX(s.calc), CentreX(s.choice));
  QCOMPARE(CentreX(s.stop), CentreX(s.choice));
  QCOMPARE(s.calc->Top, 140);
  QCOMPARE(s.outside->Left, 400);  // not selected
  QCOMPARE(s.choice->OutLink->End(), s.calc->ConnectionPoint(2));
  QVERIFY(BlockArranging::Align(*f.view, BlockAlignment::TAxis::Horizontal));
  QCOMPARE(CentreY(s.calc), CentreY(s.choice));
  QCOMPARE(CentreY(s.stop), CentreY(s.choice));
  QCOMPARE(s.choice->OutLinkFalse->End(), s.stop->ConnectionPoint(1));
  // Blocks already in line make no edit.
  QVERIFY(!BlockArranging::Align(*f.view, BlockAlignment::TAxis::Horizontal));
  QCOMPARE(f.stack.count(), 2);
  f.stack.undo();
  f.stack.undo();
  f.view->SetActiveBlock(nullptr);
  QCOMPARE(DocumentSnapshot(f.Doc()), before);
}

void ClipboardAndArrangingTest::SnappingPutsPlacedAndDraggedCentresOnTheGrid() {
  CanvasFixture f;
  TSample s = BuildSample(f);
  // Off, a block goes exactly where it is put.
  f.view->SelectTool(nstCalc);
  f.Click(233, 517);
  QCOMPARE(CentreX(f.Doc().LastBlock), 233);
  f.host.snap = true;
  f.view->SelectTool(nstChoice);
  f.Click(233, 617);
  QCOMPARE(CentreX(f.Doc().LastBlock), 230);
  QCOMPARE(CentreY(f.Doc().LastBlock), 620);
  f.Drag(s.calc->Left + 5, s.calc->Top + 5, s.calc->Left + 5 + 37, s.calc->Top + 5 + 13);
  QCOMPARE(CentreX(s.calc) % 10, 0);
  QCOMPARE(CentreY(s.calc) % 10, 0);
  QVERIFY(std::abs(CentreX(s.calc) - (305 + 37 + s.calc->Width / 2 - 5)) <= 5);
  QCOMPARE(s.choice->OutLink->End(), s.calc->ConnectionPoint(2));
}

QTEST_MAIN(ClipboardAndArrangingTest)
#include "ClipboardAndArrangingTest.moc"
