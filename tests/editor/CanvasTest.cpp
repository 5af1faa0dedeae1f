#include <QGraphicsRectItem>
#include <QGraphicsSimpleTextItem>
#include <QImage>
#include <QPainter>
#include <QScrollBar>
#include <QUndoStack>
#include <QtTest>

#include "editor/BlockItem.h"
#include "editor/BlockPainter.h"
#include "editor/LinkItem.h"
#include "editor/SheetMouse.h"
#include "tests/editor/EditorTestSupport.h"

using namespace zuvar;
using zuvar::test::CanvasFixture;

class CanvasTest : public QObject {
  Q_OBJECT
 private slots:
  void NewCanvasHasWhiteSheetTitleAndRanges();
  void EachToolPlacesItsBlockCentredOnTheRelease();
  void PlacedCalculationBlockIsSizedByItsCaption();
  void BandSelectsOverlappingBlocksInBothDirections();
  void ClickOnEmptySheetDeselectsAndClearsActive();
  void RightDragPansTheSheet();
  void WheelScrollsBy35();
  void DeleteActiveAndDeleteSelected();
  void SelectAllMarksEveryBlock();
  void BlocksAreDrawnWithTheirStateColours();
  void DecisionLettersFollowTheirLinks();
  void ItemsFollowTheDocumentWithoutBeingRecreated();
  void SheetSizeAndTitleCentring();
  void CanvasMadeForAFilledDocumentShowsItAndLetsItGo();
  void NothingIsDrawnOutsideTheSheet();
  void PlacingAfterTheLastIdSaysWhyAndChangesNothing();
  void UnknownTypeIsDrawnSelectableAndDeletable();
  void BlocksDeletedTogetherAreNoLongerFound();
};

void CanvasTest::NewCanvasHasWhiteSheetTitleAndRanges() {
  CanvasFixture f;
  QCOMPARE(f.view->Sheet->pos(), QPointF(50, 30));
  QCOMPARE(f.view->Sheet->rect(), QRectF(0, 0, 500, 1000));
  QCOMPARE(f.view->Sheet->brush().color(), QColor(Qt::white));
  QCOMPARE(f.view->TitleLabel->text(), QStringLiteral("Nowy Projekt"));
  QCOMPARE(f.view->TitleLabel->pos(), QPointF(50, 2));
  QCOMPARE(f.view->TitleLabel->brush().color(), QColor(Qt::yellow));
  QCOMPARE(f.view->HorzRange(), 600);
  QCOMPARE(f.view->VertRange(), 1060);
  QCOMPARE(f.view->Tool, nstNULL);
  QVERIFY(!f.view->LinkHandle->isVisible());
  QVERIFY(!f.view->Band->isVisible());
}

void CanvasTest::EachToolPlacesItsBlockCentredOnTheRelease() {
  CanvasFixture f;
  const TNewShapeType tools[] = {nstStart, nstStop,   nstContinuum, nstCalc,
                                 nstInOut, nstChoice, nstNode};
  int x = 60;
  for (TNewShapeType tool : tools) {
    f.view->SelectTool(tool);
    QVERIFY(f.view->SheetCursor().shape() == Qt::BitmapCursor);
    f.Click(x, 300);
    TNewShape* block = f.Doc().LastBlock;
    QVERIFY(block != nullptr);
    QCOMPARE(block->Shape, tool);
    QCOMPARE(block->Left, x - block->Width / 2);
    QCOMPARE(block->Top, 300 - block->Height / 2);
    QCOMPARE(f.Doc().ActiveBlock, block);
    QCOMPARE(block->Brush, TBrush::Solid(clLime));
    QCOMPARE(f.view->Tool, nstNULL);
    QCOMPARE(f.view->SheetCursor().shape(), Qt::ArrowCursor);
    QVERIFY(f.view->ItemOf(block) != nullptr);
    QCOMPARE(f.view->ItemOf(block)->pos(), QPointF(block->Left, block->Top));
    x += 60;
  }
  QCOMPARE(static_cast<int>(f.Doc().BlockCount()), 7);
  QVERIFY(!f.Doc().Saved);
  // A tool stays only until the next release: the following click places nothing.
  f.Click(100, 600);
  QCOMPARE(static_cast<int>(f.Doc().BlockCount()), 7);
}

void CanvasTest::PlacedCalculationBlockIsSizedByItsCaption() {
  CanvasFixture f;
  f.view->SelectTool(nstCalc);
  f.Click(200, 200);
  TNewShape* block = f.Doc().LastBlock;
  QCOMPARE(block->Caption, std::string("?x?"));
  QCOMPARE(block->Width, f.measurer.TextWidth("?x?") + 20);
  QCOMPARE(block->Height, 30);
  QCOMPARE(f.view->ItemOf(block)->boundingRect(), QRectF(0, 0, block->Width, 30));
  block->Code = {"x = 1;", "y = 2;"};
  f.view->LayoutBlock(*block);
  QCOMPARE(block->Caption, std::string("x = 1;"));
  QCOMPARE(block->Width, f.measurer.TextWidth("x = 1;") + 20);
  QCOMPARE(f.view->ItemOf(block)->boundingRect().width(), qreal(block->Width));
}

void CanvasTest::BandSelectsOverlappingBlocksInBothDirections() {
  for (bool reverse : {false, true}) {
    CanvasFixture f;
    TNewShape* inside = f.Add(nstCalc, 100, 100);
    TNewShape* partly = f.Add(nstCalc, 190, 100);  // only its left part is in the band
    TNewShape* outside = f.Add(nstCalc, 300, 300);
    TNewShape* touching = f.Add(nstCalc, 100, 170);  // top edge exactly on the band's bottom
    if (reverse)
      f.Drag(200, 170, 90, 90);
    else
      f.Drag(90, 90, 200, 170);
    QVERIFY(TSchematView::IsSelected(*inside));
    QVERIFY(TSchematView::IsSelected(*partly));
    QCOMPARE(partly->Brush, TBrush::Solid(clYellow));
    QCOMPARE(partly->SavedBrush, TBrush::Solid(clYellow));
    QVERIFY(!TSchematView::IsSelected(*outside));
    QVERIFY(!TSchematView::IsSelected(*touching));
    QCOMPARE(outside->Brush, TBrush::Solid(clWhite));
    QVERIFY(!f.view->Band->isVisible());
    QVERIFY(!f.view->BandActive);
    QVERIFY(!f.view->BandArmed);
  }
  QVERIFY(TSheetMouse::Overlaps(0, 0, 10, 10, 9, 9, 5, 5));
  QVERIFY(!TSheetMouse::Overlaps(0, 0, 10, 10, 10, 0, 5, 5));
}

void CanvasTest::ClickOnEmptySheetDeselectsAndClearsActive() {
  CanvasFixture f;
  TNewShape* a = f.Add(nstCalc, 100, 100);
  TNewShape* node = f.Add(nstNode, 200, 100);
  TSchematView::MarkSelected(*a);
  TSchematView::MarkSelected(*node);
  f.view->SetActiveBlock(a);
  f.Press(400, 500);
  QVERIFY(f.view->BandArmed);
  QVERIFY(f.view->Band->isVisible());
  f.Release(400, 500);
  QCOMPARE(f.Doc().ActiveBlock, nullptr);
  QCOMPARE(a->Pen.Color, clBlack);
  QCOMPARE(a->Brush, TBrush::Solid(clWhite));
  QCOMPARE(node->Brush, TBrush::Solid(clSilver));
  // No band was dragged: it stays armed and no selection pass ran.
  QVERIFY(f.view->BandArmed);
  QVERIFY(!f.view->BandActive);
  QVERIFY(!f.host.editorEnabled);
}

void CanvasTest::RightDragPansTheSheet() {
  CanvasFixture f;
  f.view->resize(300, 300);
  f.view->SetVertPosition(100);
  f.Press(100, 300, Qt::RightButton);
  f.Move(100, 280);
  QCOMPARE(f.view->VertPosition(), 120);
  f.Release(100, 280);
  QCOMPARE(static_cast<int>(f.Doc().BlockCount()), 0);
}

void CanvasTest::WheelScrollsBy35() {
  CanvasFixture f;
  f.view->resize(300, 300);
  const QPointF at(50, 50);
  QWheelEvent down(at, f.view->viewport()->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                   Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(f.view->viewport(), &down);
  QCOMPARE(f.view->VertPosition(), 35);
  QWheelEvent up(at, f.view->viewport()->mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton,
                 Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(f.view->viewport(), &up);
  QCOMPARE(f.view->VertPosition(), 0);
}

void CanvasTest::DeleteActiveAndDeleteSelected() {
  CanvasFixture f;
  f.view->Usu2Click();  // no active block: nothing happens
  TNewShape* a = f.Add(nstCalc, 10, 10);
  TNewShape* b = f.Add(nstCalc, 10, 100);
  TNewShape* c = f.Add(nstCalc, 10, 200);
  TNewShape* d = f.Add(nstCalc, 10, 300);
  CanvasFixture::Connect(a, b, 4, 1);
  f.Doc().Saved = true;
  f.view->Usu2Click();
  QCOMPARE(static_cast<int>(f.Doc().BlockCount()), 4);
  QVERIFY(f.Doc().Saved);
  f.view->SetActiveBlock(b);
  f.view->Usu2Click();
  QCOMPARE(static_cast<int>(f.Doc().BlockCount()), 3);
  QCOMPARE(a->BlockLink, nullptr);
  QCOMPARE(f.Doc().ActiveBlock, nullptr);
  // The active block goes even when it is not selected.
  TSchematView::MarkSelected(*c);
  f.view->SetActiveBlock(a);
  f.view->Usuzaznaczoneelementy1Click();
  QCOMPARE(static_cast<int>(f.Doc().BlockCount()), 1);
  QCOMPARE(f.Doc().FirstBlock, d);
  QVERIFY(f.view->ItemOf(d) != nullptr);
}

void CanvasTest::SelectAllMarksEveryBlock() {
  CanvasFixture f;
  TNewShape* a = f.Add(nstCalc, 10, 10);
  TNewShape* n = f.Add(nstNode, 100, 10);
  f.view->Zaznaczwszystkieelementy1Click();
  for (TNewShape* b : {a, n}) {
    QCOMPARE(b->Pen.Color, clRed);
    QCOMPARE(b->Brush, TBrush::Solid(clYellow));
    QCOMPARE(b->SavedBrush, TBrush::Solid(clYellow));
  }
}

namespace {
QImage RenderItem(QGraphicsItem* item, int w, int h) {
  QImage image(w, h, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  item->paint(&painter, nullptr, nullptr);
  return image;
}
}  // namespace

void CanvasTest::BlocksAreDrawnWithTheirStateColours() {
  CanvasFixture f;
  TNewShape* calc = f.Add(nstCalc, 10, 10);
  QImage image = RenderItem(f.view->ItemOf(calc), calc->Width, calc->Height);
  QCOMPARE(QColor(image.pixel(0, 0)), QColor(Qt::black));
  QCOMPARE(qAlpha(image.pixel(calc->Width / 2, 3)), 0);  // a new block has a clear fill
  TSchematView::MarkSelected(*calc);
  image = RenderItem(f.view->ItemOf(calc), calc->Width, calc->Height);
  QCOMPARE(QColor(image.pixel(0, 0)), QColor(Qt::red));
  QCOMPARE(QColor(image.pixel(calc->Width - 3, 3)), QColor(Qt::yellow));
  f.view->SetActiveBlock(calc);
  image = RenderItem(f.view->ItemOf(calc), calc->Width, calc->Height);
  QCOMPARE(QColor(image.pixel(calc->Width - 3, 3)), QColor(0, 255, 0));
  QCOMPARE(calc->SavedBrush, TBrush::Solid(clYellow));
  // The caption is drawn in black from 10 pixels on, nothing left of it.
  bool ink = false;
  for (int y = 0; y < calc->Height; ++y) {
    for (int x = 10; x < calc->Width - 2; ++x) ink |= qGray(image.pixel(x, y)) < 100;
    QVERIFY(QColor(image.pixel(5, y)) != QColor(Qt::black) || y == 0 || y == calc->Height - 1);
  }
  QVERIFY(ink);
  // A node is silver from the start.
  TNewShape* node = f.Add(nstNode, 100, 100);
  image = RenderItem(f.view->ItemOf(node), node->Width, node->Height);
  QCOMPARE(QColor(image.pixel(node->Width / 2, node->Height / 2)), QColor(0xC0, 0xC0, 0xC0));
}

void CanvasTest::DecisionLettersFollowTheirLinks() {
  CanvasFixture f;
  TNewShape* choice = f.Add(nstChoice, 100, 100, "a > 1");
  TNewShape* yes = f.Add(nstCalc, 100, 250);
  TNewShape* no = f.Add(nstCalc, 300, 100);
  QGraphicsSimpleTextItem* t = f.view->LetterOf(choice, true);
  QGraphicsSimpleTextItem* fl = f.view->LetterOf(choice, false);
  QVERIFY(t != nullptr && fl != nullptr);
  QVERIFY(!t->isVisible());
  CanvasFixture::Connect(choice, yes, 4, 1);
  CanvasFixture::Connect(choice, no, 3, 2, true);
  QVERIFY(t->isVisible());
  QCOMPARE(t->text(), QStringLiteral("T"));
  QCOMPARE(t->pos(),
           QPointF(choice->Left + choice->Width / 2 + 3, choice->Top + choice->Height - 1));
  QCOMPARE(fl->pos(),
           QPointF(choice->Left + choice->Width + 3, choice->Top + choice->Height / 2 - 12));
  QVERIFY(fl->isVisible());
  choice->OutLink->Hide();
  QVERIFY(!t->isVisible());
  choice->OutLink->Show();
  QVERIFY(t->isVisible());
  choice->MoveTo(120, 110);
  choice->LinksRedraw();
  QCOMPARE(t->pos(),
           QPointF(choice->Left + choice->Width / 2 + 3, choice->Top + choice->Height - 1));
  choice->SetBlockLinkFalse(nullptr);
  QVERIFY(!fl->isVisible());
}

void CanvasTest::ItemsFollowTheDocumentWithoutBeingRecreated() {
  CanvasFixture f;
  TNewShape* a = f.Add(nstCalc, 100, 100);
  TNewShape* b = f.Add(nstCalc, 200, 300);
  CanvasFixture::Connect(a, b, 4, 1);
  TLinkItem* linkItem = f.view->ItemOf(a->OutLink.get());
  QVERIFY(linkItem != nullptr);
  const int items = f.SceneItems();
  f.Drag(a->Left + 10, a->Top + 10, a->Left + 60, a->Top + 40);
  QCOMPARE(f.SceneItems(), items);
  QCOMPARE(f.view->ItemOf(a->OutLink.get()), linkItem);
  QCOMPARE(linkItem->boundingRect().contains(QPointF(a->OutLink->StartX, a->OutLink->StartY)),
           true);
  QCOMPARE(f.view->ItemOf(a)->pos(), QPointF(a->Left, a->Top));
  // Deleting a block removes its item and the items of every link touching it.
  f.Doc().DeleteBlock(b);
  QCOMPARE(f.view->ItemOf(b), nullptr);
  QCOMPARE(a->OutLink.get(), nullptr);
  QVERIFY(f.SceneItems() < items);
}

void CanvasTest::SheetSizeAndTitleCentring() {
  CanvasFixture f;
  f.view->SetSheetSize(1000, 2000);
  QCOMPARE(f.view->HorzRange(), 1100);
  QCOMPARE(f.view->VertRange(), 2060);
  f.view->SetTitle("/tmp/projekt.bin");
  f.view->CenterTitle();
  const int width = static_cast<int>(f.view->TitleLabel->boundingRect().width());
  QCOMPARE(static_cast<int>(f.view->TitleLabel->x()), 50 + 1000 / 2 - width / 2);
  f.view->ScrollToHorizontalMiddle();
  const int largest = f.view->horizontalScrollBar()->maximum();
  QCOMPARE(f.view->HorzPosition(), largest / 2);

  // Sizes no dialog would give, read from a file: the document keeps them, the view stays
  // within countable ranges.
  f.view->SetSheetSize(2147483647, -5);
  QCOMPARE(f.view->Document().SheetWidth, 2147483647);
  QVERIFY(f.view->HorzRange() > 1000000 && f.view->HorzRange() < 2147483647 / 2);
  QCOMPARE(f.view->VertRange(), 60);
  f.view->ScrollToHorizontalMiddle();
  QVERIFY(f.view->HorzPosition() >= 0);
  f.view->CenterTitle();
}

// A document read before any canvas existed: the canvas shows its sheet, title, blocks and links
// (hidden ones hidden), then follows it; once the canvas is gone the document lives on untold.
void CanvasTest::CanvasMadeForAFilledDocumentShowsItAndLetsItGo() {
  zuvar::test::TFakeCanvasHost host;
  QUndoStack stack;
  TSchemat doc;
  doc.SetSheetSize(700, 800);
  doc.SetTitle("plik.bin");
  TNewShape* choice = doc.AddBlockWithId(nstChoice, 4);
  TNewShape* calc = doc.AddBlockWithId(nstCalc, 9);
  calc->MoveTo(200, 200);
  CanvasFixture::Connect(choice, calc, 4, 1);
  CanvasFixture::Connect(choice, calc, 3, 2, true);
  choice->OutLinkFalse->Hide();
  {
    TSchematView view(host, doc, stack);
    QCOMPARE(view.Sheet->rect(), QRectF(0, 0, 700, 800));
    QCOMPARE(view.TitleLabel->text(), QStringLiteral("plik.bin"));
    QVERIFY(view.ItemOf(choice) != nullptr && view.ItemOf(calc) != nullptr);
    QVERIFY(view.ItemOf(choice->OutLink.get())->isVisible());
    QVERIFY(!view.ItemOf(choice->OutLinkFalse.get())->isVisible());
    QVERIFY(view.LetterOf(choice, true)->isVisible());
    QVERIFY(!view.LetterOf(choice, false)->isVisible());
    doc.SetTitle("inny.bin");
    doc.SetSheetSize(300, 400);
    QCOMPARE(view.TitleLabel->text(), QStringLiteral("inny.bin"));
    QCOMPARE(view.HorzRange(), 400);
  }
  QCOMPARE(doc.Observer(), nullptr);
  doc.DeleteBlock(calc);
  QCOMPARE(choice->OutLink, nullptr);
}

// Blocks that reach past the sheet's edges (placed by a corner, or pushed over with a group)
// with their links and markers: the grey margin around the sheet stays grey, on the screen and
// in what the scene renders for printing and export.
void CanvasTest::NothingIsDrawnOutsideTheSheet() {
  CanvasFixture f;
  f.view->SetSheetSize(300, 200);
  TNewShape* right = f.Add(nstCalc, 270, 20, "a = 1;");
  TNewShape* corner = f.Add(nstChoice, 280, 185, "a > 0;");
  TNewShape* left = f.Add(nstCalc, -25, 100, "b = 2;");
  TNewShape* top = f.Add(nstNode, 120, -8);
  for (TNewShape* block : {right, corner, left, top}) TSchematView::MarkSelected(*block);
  f.view->SetActiveBlock(corner);
  CanvasFixture::Connect(right, left, 3, 2);
  f.view->ShowSideMarker(*right, 3);
  QCoreApplication::processEvents();
  const QRectF scene = f.view->scene()->sceneRect();
  QImage image(scene.size().toSize(), QImage::Format_RGB32);
  const QColor margin = f.view->scene()->backgroundBrush().color();
  image.fill(Qt::magenta);
  {
    QPainter painter(&image);
    f.view->scene()->render(&painter, QRectF(QPointF(0, 0), scene.size()), scene);
  }
  const QRect sheet(TSchematView::SheetLeft, TSchematView::SheetTop, 300, 200);
  int inside = 0, outside = 0;
  // The title lies above the sheet's top edge; the rows from the sheet's top down are checked.
  for (int y = TSchematView::SheetTop; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QColor pixel = image.pixel(x, y);
      if (sheet.contains(x, y))
        inside += pixel == QColor(Qt::yellow) || pixel == QColor(0, 255, 0);
      else
        outside += pixel != margin;
    }
  QVERIFY(inside > 100);  // the blocks are there, inside
  QCOMPARE(outside, 0);
  // Nor can the parts past the edge be hit in the margin.
  const QPoint beyond = f.view->ViewportOfSheet(-10, 110);
  QMouseEvent press(QEvent::MouseButtonPress, QPointF(beyond),
                    f.view->viewport()->mapToGlobal(QPointF(beyond)), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(f.view->viewport(), &press);
  QMouseEvent release(QEvent::MouseButtonRelease, QPointF(beyond),
                      f.view->viewport()->mapToGlobal(QPointF(beyond)), Qt::LeftButton,
                      Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(f.view->viewport(), &release);
  QVERIFY(f.Doc().ActiveBlock != left);
}

// A file may hold the largest Id; the next block would need one more. The click places nothing,
// the tool is given up, and the user and the log are told why.
void CanvasTest::PlacingAfterTheLastIdSaysWhyAndChangesNothing() {
  CanvasFixture f;
  TNewShape* last = f.Doc().AddBlockWithId(nstCalc, 4294967295u);
  f.Doc().Saved = true;
  f.view->SelectTool(nstCalc);
  f.Click(300, 300);
  QCOMPARE(static_cast<int>(f.Doc().BlockCount()), 1);
  QCOMPARE(f.Doc().LastBlock, last);
  QVERIFY(f.Doc().Saved);
  QCOMPARE(f.stack.count(), 0);
  QCOMPARE(f.view->Tool, nstNULL);
  const QString why =
      QStringLiteral("Nie można dodać bloku: wyczerpano numery identyfikatorów bloków (Id).");
  QCOMPARE(static_cast<int>(f.host.questions.size()), 1);
  QCOMPARE(f.host.questions.back().text, why);
  QCOMPARE(f.host.questions.back().caption, QStringLiteral("Błąd operacji edycji...."));
  QCOMPARE(f.host.logLines, std::vector<QString>{QStringLiteral("BŁĄD: ") + why});
}

// A type from outside the seven is shown as a dashed box with "?", so it can be clicked, selected
// and deleted like any block; undo brings it back with its type.
void CanvasTest::UnknownTypeIsDrawnSelectableAndDeletable() {
  CanvasFixture f;
  TNewShape* odd = f.Doc().AddBlock(static_cast<TNewShapeType>(9));
  odd->Resize(60, 40);
  odd->MoveTo(100, 100);
  f.view->LayoutBlock(*odd);
  QCOMPARE(odd->Width, 60);
  const QImage image = RenderItem(f.view->ItemOf(odd), odd->Width, odd->Height);
  int inked = 0;
  for (int x = 0; x < odd->Width; ++x) inked += qAlpha(image.pixel(x, 0)) == 255;
  QVERIFY(inked > 10);          // an outline along the top edge ...
  QVERIFY(inked < odd->Width);  // ... with gaps: dashed
  bool mark = false;            // the question mark in the middle
  for (int y = 10; y < 30; ++y)
    for (int x = 20; x < 40; ++x)
      mark |= qGray(image.pixel(x, y)) < 100 && qAlpha(image.pixel(x, y));
  QVERIFY(mark);

  f.Click(130, 120);
  QCOMPARE(f.Doc().ActiveBlock, odd);
  f.Click(130, 120, Qt::LeftButton, Qt::ControlModifier);
  QVERIFY(TSchematView::IsSelected(*odd));
  f.view->Usu2Click();
  QCOMPARE(static_cast<int>(f.Doc().BlockCount()), 0);
  f.stack.undo();
  QCOMPARE(static_cast<int>(f.Doc().BlockCount()), 1);
  QCOMPARE(static_cast<int>(f.Doc().FirstBlock->Shape), 9);
}

// Many blocks deleted together leave nothing behind that finds them: blocks looked up just
// before (as a run does at every step) are no longer found, nor their letters, and the sheet
// keeps only the items it had before they came.
void CanvasTest::BlocksDeletedTogetherAreNoLongerFound() {
  CanvasFixture f;
  TNewShape* kept = f.Add(nstCalc, 300, 40);
  const int itemsBefore = f.SceneItems();
  std::vector<TNewShape*> doomed;
  for (int i = 0; i < 20; ++i) {
    doomed.push_back(f.Add(nstChoice, 40, 40 + 45 * i));
    QVERIFY(f.view->ItemOf(doomed.back()) != nullptr);
    QVERIFY(f.view->LetterOf(doomed.back(), true) != nullptr);
  }
  f.view->DeleteBlocks(doomed);
  for (const TNewShape* block : doomed) {
    QCOMPARE(f.view->ItemOf(block), nullptr);
    QCOMPARE(f.view->LetterOf(block, false), nullptr);
  }
  QCOMPARE(f.SceneItems(), itemsBefore);
  QVERIFY(f.view->ItemOf(kept) != nullptr);
}

QTEST_MAIN(CanvasTest)
#include "CanvasTest.moc"
