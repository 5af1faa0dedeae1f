#include <QGraphicsEllipseItem>
#include <QUndoStack>
#include <functional>

#include "editor/BlockMouse.h"
#include "editor/commands/DeleteBlocksCommand.h"
#include "tests/editor/EditorTestSupport.h"
#include "tests/support/DocumentSnapshot.h"

using namespace zuvar;
using namespace zuvar::test;

namespace {

// A diagram of four blocks: a start block leading to a decision whose TRUE exit goes to a
// calculation block and whose FALSE exit goes to a stop block, which the calculation block
// also leads to; a fifth block stands apart. Saved, as if just loaded.
struct TSample {
  TNewShape *start, *choice, *calc, *stop, *alone;
};

TSample BuildSample(CanvasFixture& f) {
  TSample s;
  s.start = f.Add(nstStart, 100, 40);
  s.choice = f.Add(nstChoice, 100, 140, "x > 1");
  s.calc = f.Add(nstCalc, 300, 140, "x = x - 1;");
  s.stop = f.Add(nstStop, 100, 300);
  s.alone = f.Add(nstInOut, 400, 400, "write(x);");
  CanvasFixture::Connect(s.start, s.choice, 4, 1);
  CanvasFixture::Connect(s.choice, s.calc, 3, 2);
  CanvasFixture::Connect(s.choice, s.stop, 4, 1, true);
  s.choice->ColourDecisionLinks();
  CanvasFixture::Connect(s.calc, s.stop, 4, 3);
  f.Doc().Saved = true;
  return s;
}

// Drags a connection from the grip at the middle of a side of the source to a point.
void DrawConnection(CanvasFixture& f, TNewShape* source, int side, int x, int y) {
  int gx = source->Left + source->Width / 2, gy = source->Top + source->Height - 2;
  if (side == 1) gy = source->Top + 2;
  if (side == 2) gx = source->Left + 2, gy = source->Top + source->Height / 2;
  if (side == 3) gx = source->Left + source->Width - 2, gy = source->Top + source->Height / 2;
  f.Move(gx, gy);
  const QPointF grip = f.view->LinkHandle->pos();
  f.Press(static_cast<int>(grip.x()) + 2, static_cast<int>(grip.y()) + 2);
  f.Move(x, y);
  f.Release(x, y);
}

struct TCase {
  const char* name;
  std::function<void(CanvasFixture&, TSample&)> edit;
  // Selection is no edit: it is made before the document is taken as it was.
  std::function<void(CanvasFixture&, TSample&)> select = {};
};

const TCase kCases[] = {
    {"place a block",
     [](CanvasFixture& f, TSample&) {
       f.view->SelectTool(nstChoice);
       f.Click(250, 500);
     }},
    {"delete the active block",
     [](CanvasFixture& f, TSample& s) {
       f.Click(s.choice->Left + 5, s.choice->Top + s.choice->Height / 2);
       f.view->Usu2Click();
     }},
    {"delete the selection",
     [](CanvasFixture& f, TSample& s) {
       f.view->SetActiveBlock(s.calc);
       f.view->Usuzaznaczoneelementy1Click();
     },
     [](CanvasFixture&, TSample& s) {
       TSchematView::MarkSelected(*s.start);
       TSchematView::MarkSelected(*s.stop);
     }},
    {"delete from the context menu",
     [](CanvasFixture& f, TSample& s) { f.view->BlockMouse().MIDelGrafClick(*s.calc); }},
    {"drag one block",
     [](CanvasFixture& f, TSample& s) {
       f.Drag(s.calc->Left + 5, s.calc->Top + 5, s.calc->Left + 85, s.calc->Top + 45);
     }},
    {"drag a group that comes back onto the sheet",
     [](CanvasFixture& f, TSample& s) {
       f.Drag(s.calc->Left + 5, s.calc->Top + 5, s.calc->Left + 45, 8, 6);
     },
     [](CanvasFixture&, TSample& s) {
       TSchematView::MarkSelected(*s.calc);
       TSchematView::MarkSelected(*s.start);
     }},
    {"draw a connection",
     [](CanvasFixture& f, TSample& s) {
       DrawConnection(f, s.alone, 1, s.calc->Left + 3, s.calc->Top + s.calc->Height / 2);
     }},
    {"re-target a decision exit",
     [](CanvasFixture& f, TSample& s) {
       DrawConnection(f, s.choice, 3, s.alone->Left + s.alone->Width / 2, s.alone->Top + 2);
     }},
    {"replace a decision exit chosen by the question",
     [](CanvasFixture& f, TSample& s) {
       f.host.answers = {TMsgResult::No};
       DrawConnection(f, s.choice, 2, s.alone->Left + s.alone->Width / 2, s.alone->Top + 2);
     }},
    {"break the TRUE exit of a decision",
     [](CanvasFixture& f, TSample& s) {
       f.host.answers = {TMsgResult::Yes};
       f.view->BlockMouse().MIDelLinkOutClick(*s.choice);
     }},
    {"break the incoming connections",
     [](CanvasFixture& f, TSample& s) { f.view->BlockMouse().MIDelLinkInClick(*s.stop); }},
};

}  // namespace

class CommandsTest : public QObject {
  Q_OBJECT
 private slots:
  void EveryEditIsUndoneAndRedoneExactly_data();
  void EveryEditIsUndoneAndRedoneExactly();
  void UndoingARedoneDeletionKeepsTheIdsAndTheListOrder();
  void ADragThatEndsWhereItBeganLeavesNoCommand();
  void ManyBlocksDeletedAtOnceLeaveTheCanvasAsOneByOne();
};

void CommandsTest::EveryEditIsUndoneAndRedoneExactly_data() {
  QTest::addColumn<int>("row");
  for (int i = 0; i < static_cast<int>(std::size(kCases)); ++i) QTest::newRow(kCases[i].name) << i;
}

// The edit is done with the mouse or the menu command as a user would; it is one command on
// the stack, and undoing and redoing it gives back the whole document before and after.
void CommandsTest::EveryEditIsUndoneAndRedoneExactly() {
  QFETCH(int, row);
  CanvasFixture f;
  TSample s = BuildSample(f);
  if (kCases[row].select) kCases[row].select(f, s);
  const QByteArray before = DocumentSnapshot(f.Doc());
  kCases[row].edit(f, s);
  f.view->SetActiveBlock(nullptr);
  const QByteArray after = DocumentSnapshot(f.Doc());
  QVERIFY(before != after);
  QCOMPARE(f.stack.count(), 1);
  for (int round = 0; round < 2; ++round) {
    f.stack.undo();
    QCOMPARE(DocumentSnapshot(f.Doc()), before);
    f.stack.redo();
    QCOMPARE(DocumentSnapshot(f.Doc()), after);
  }
  QCOMPARE(f.SceneItems() > 0, true);
}

void CommandsTest::UndoingARedoneDeletionKeepsTheIdsAndTheListOrder() {
  CanvasFixture f;
  TSample s = BuildSample(f);
  const uint32_t calcId = s.calc->Id;
  f.view->BlockMouse().MIDelGrafClick(*s.calc);
  f.view->SelectTool(nstCalc);
  f.Click(450, 600);  // a new block gets the next Id, never the deleted one
  QCOMPARE(f.Doc().LastBlock->Id, 6u);
  f.stack.undo();
  f.stack.undo();
  TNewShape* back = f.Doc().FindBlockById(calcId);
  QVERIFY(back != nullptr);
  QCOMPARE(back->Prev, f.Doc().FindBlockById(s.choice->Id));
  QCOMPARE(back->BlockLink, f.Doc().FindBlockById(4));
  QCOMPARE(f.Doc().FindBlockById(2)->BlockLink, back);
  QVERIFY(f.view->ItemOf(back) != nullptr);
  QVERIFY(f.view->ItemOf(back->OutLink.get()) != nullptr);
  QCOMPARE(f.Doc().LastId, 5u);
  QVERIFY(f.Doc().Saved);
}

void CommandsTest::ADragThatEndsWhereItBeganLeavesNoCommand() {
  CanvasFixture f;
  TSample s = BuildSample(f);
  f.Drag(s.calc->Left + 5, s.calc->Top + 5, s.calc->Left + 5, s.calc->Top + 5);
  f.Click(s.calc->Left + 5, s.calc->Top + 5);
  QCOMPARE(f.stack.count(), 0);
}

QTEST_MAIN(CommandsTest)
#include "CommandsTest.moc"

// Many blocks deleted together have their items taken off the sheet in one go: the canvas ends
// as if they had gone one at a time, links into and out of them included (a decision that
// stays loses the letter of the exit that went), and undo brings every item back.
void CommandsTest::ManyBlocksDeletedAtOnceLeaveTheCanvasAsOneByOne() {
  const auto build = [](CanvasFixture& f) {
    std::vector<uint32_t> ids;
    TNewShape* keptChoice = f.Add(nstChoice, 40, 40, "x > 1");
    TNewShape* kept = f.Add(nstCalc, 600, 40, "x = 1;");
    TNewShape* previous = nullptr;
    for (int i = 0; i < 24; ++i) {
      TNewShape* block = f.Add(i % 3 == 0 ? nstChoice : nstCalc, 200, 40 + 80 * i, "x = 2;");
      if (previous != nullptr) CanvasFixture::Connect(previous, block, 4, 1);
      ids.push_back(block->Id);
      previous = block;
    }
    CanvasFixture::Connect(keptChoice, f.Doc().FindBlockById(ids[5]), 3, 2);
    CanvasFixture::Connect(keptChoice, kept, 4, 1, true);
    CanvasFixture::Connect(previous, kept, 3, 2);
    keptChoice->ColourDecisionLinks();
    f.view->viewport()->repaint();
    return ids;
  };
  CanvasFixture together;
  const std::vector<uint32_t> ids = build(together);
  CanvasFixture oneByOne;
  build(oneByOne);
  const QByteArray before = DocumentSnapshot(together.Doc());
  const int itemsBefore = together.SceneItems();
  together.stack.push(new TDeleteBlocksCommand(*together.view, ids, QStringLiteral("Usuń")));
  for (uint32_t id : ids)
    oneByOne.stack.push(new TDeleteBlocksCommand(*oneByOne.view, {id}, QStringLiteral("Usuń")));
  together.view->viewport()->repaint();
  QCOMPARE(DocumentSnapshot(together.Doc()), DocumentSnapshot(oneByOne.Doc()));
  QCOMPARE(together.SceneItems(), oneByOne.SceneItems());
  QVERIFY(together.SceneItems() < itemsBefore);
  TNewShape* keptChoice = together.Doc().FirstBlock;
  QVERIFY(together.view->ItemOf(keptChoice->OutLinkFalse.get()) != nullptr);
  together.stack.undo();
  together.view->viewport()->repaint();
  QCOMPARE(DocumentSnapshot(together.Doc()), before);
  QCOMPARE(together.SceneItems(), itemsBefore);
  for (const TNewShape* b = together.Doc().FirstBlock; b != nullptr; b = b->Next) {
    QVERIFY(together.view->ItemOf(b) != nullptr);
    if (b->OutLink != nullptr) QVERIFY(together.view->ItemOf(b->OutLink.get()) != nullptr);
  }
}
