// Figures of the edit history on a 2,000-block diagram under the offscreen platform: one undo
// and one redo of each kind of edit, and the memory that 200 steps of history hold.
#include <QApplication>
#include <QElapsedTimer>
#include <QUndoStack>
#include <QtTest>
#include <fstream>
#include <functional>
#include <memory>
#include <string>

#include "editor/CanvasHost.h"
#include "editor/SchematView.h"
#include "editor/commands/BreakLinksCommand.h"
#include "editor/commands/ConnectCommand.h"
#include "editor/commands/DeleteBlocksCommand.h"
#include "editor/commands/EditCodeCommand.h"
#include "editor/commands/MoveBlocksCommand.h"
#include "editor/commands/PlaceBlockCommand.h"
#include "editor/commands/ResizeSheetCommand.h"
#include "export/SheetFitter.h"
#include "model/FixedWidthMeasurer.h"
#include "model/Schemat.h"

using namespace zuvar;

namespace {

class BenchCanvasHost : public TCanvasHost {
 public:
  TMsgResult Ask(const QString&, const QString&, TMsgIcon, TMsgButtons) override {
    return TMsgResult::Yes;
  }
  QAction* Popup(QMenu&, const QPoint&) override { return nullptr; }
  bool RefreshLinksWhileMoving() const override { return true; }
  void ShowSourceWindow() override {}
  void SetSourceEditorEnabled(bool) override {}
};

// A chain of blocks in a grid of columns, each linked to the next.
void BuildChain(TSchemat& doc, int count, int columns, const TTextMeasurer& measurer) {
  doc.SheetWidth = columns * 120 + 100;
  doc.SheetHeight = (count / columns + 1) * 70 + 100;
  TNewShape* previous = nullptr;
  for (int i = 0; i < count; ++i) {
    TNewShape* block = doc.AddBlock(i % 5 == 0 ? nstChoice : nstCalc);
    block->Code = {"x = x + " + std::to_string(i) + ";"};
    block->MoveTo(50 + (i % columns) * 120, 50 + (i / columns) * 70);
    doc.LayoutBlock(block, measurer);
    if (previous != nullptr) {
      previous->ExitSide = 4;
      previous->EntrySide = 1;
      previous->SetBlockLink(block);
    }
    previous = block;
  }
}

// The resident set of the process in kB.
long ResidentKb() {
  std::ifstream status("/proc/self/status");
  std::string key;
  while (status >> key) {
    if (key == "VmRSS:") {
      long kb = 0;
      status >> kb;
      return kb;
    }
    status.ignore(4096, '\n');
  }
  return 0;
}

// Every block of the diagram moved by (dx, dy): the largest drag there is.
std::vector<TMoveBlocksCommand::TMove> MoveAll(TSchemat& doc, int dx, int dy) {
  std::vector<TMoveBlocksCommand::TMove> moves;
  for (TNewShape* b = doc.FirstBlock; b != nullptr; b = b->Next)
    moves.push_back({b->Id, b->Left, b->Top, b->Left + dx, b->Top + dy});
  return moves;
}

}  // namespace

class UndoBench : public QObject {
  Q_OBJECT
 private slots:
  void init();
  void cleanup();
  void UndoAndRedoOfEachEditOn2000Blocks();
  void MemoryOf200StepsOn2000Blocks();

 private:
  BenchCanvasHost host_;
  std::unique_ptr<TSchemat> document_;
  std::unique_ptr<QUndoStack> stack_;
  std::unique_ptr<TSchematView> view_;
};

void UndoBench::init() {
  document_ = std::make_unique<TSchemat>();
  stack_ = std::make_unique<QUndoStack>();
  view_ = std::make_unique<TSchematView>(host_, *document_, *stack_);
  view_->resize(1200, 900);
  view_->show();
  QVERIFY(QTest::qWaitForWindowExposed(view_.get()));
  BuildChain(*document_, 2000, 20, TFixedWidthMeasurer());
  view_->SetSheetSize(document_->SheetWidth, document_->SheetHeight);
}

void UndoBench::cleanup() {
  stack_->clear();
  view_.reset();
  stack_.reset();
  document_.reset();
}

void UndoBench::UndoAndRedoOfEachEditOn2000Blocks() {
  TSchemat& doc = *document_;
  TSchematView& view = *view_;
  // Undoing a deletion brings back blocks of the same Ids: the edits name blocks by Id.
  const uint32_t middle = 1000, far = 1500;
  std::vector<uint32_t> hundred;
  for (uint32_t id = 100; id < 200; ++id) hundred.push_back(id);
  const std::pair<const char*, std::function<QUndoCommand*()>> edits[] = {
      {"place a block", [&] { return new TPlaceBlockCommand(view, nstCalc, 300, 300); }},
      {"delete one block",
       [&] { return new TDeleteBlocksCommand(view, {middle}, QStringLiteral("Usuń")); }},
      {"delete 100 blocks",
       [&] { return new TDeleteBlocksCommand(view, hundred, QStringLiteral("Usuń")); }},
      {"drag all 2000 blocks",
       [&] { return new TMoveBlocksCommand(view, MoveAll(doc, 30, 20), doc.Saved); }},
      {"connect", [&] { return new TConnectCommand(view, middle, far, 3, 1, false); }},
      {"break a link",
       [&] {
         return new TBreakLinksCommand(view, {{far, false}}, QStringLiteral("Usuń"));
       }},
      {"edit code",
       [&] {
         return new TEditCodeCommand(view, middle, {"y = 1;", "z = 2;"});
       }},
      {"resize the sheet",
       [&] {
         return new TResizeSheetCommand(
             view, TSheetChange{doc.SheetWidth + 500, doc.SheetHeight + 500, 0, 0},
             QStringLiteral("Rozmiar"));
       }},
  };
  for (const auto& [name, make] : edits) {
    stack_->push(make());
    qint64 worstUndo = 0, worstRedo = 0;
    for (int i = 0; i < 5; ++i) {
      QElapsedTimer clock;
      clock.start();
      stack_->undo();
      view.viewport()->repaint();
      worstUndo = std::max(worstUndo, clock.elapsed());
      clock.restart();
      stack_->redo();
      view.viewport()->repaint();
      worstRedo = std::max(worstRedo, clock.elapsed());
    }
    stack_->undo();
    qInfo("%s on 2000 blocks: undo worst %lld ms, redo worst %lld ms (target < 30 ms)", name,
          static_cast<long long>(worstUndo), static_cast<long long>(worstRedo));
  }
  QCOMPARE(static_cast<int>(doc.BlockCount()), 2000);
}

// The history's memory grows with what its steps remember: the heaviest ordinary steps are
// drags of the whole diagram and deletions, which hold a record of each block they take.
void UndoBench::MemoryOf200StepsOn2000Blocks() {
  TSchemat& doc = *document_;
  TSchematView& view = *view_;
  QCoreApplication::processEvents();
  const long before = ResidentKb();
  for (int step = 0; step < 200; ++step) {
    if (step % 4 == 3) {
      std::vector<uint32_t> ids;
      for (TNewShape* b = doc.FirstBlock; b != nullptr && ids.size() < 20; b = b->Next)
        ids.push_back(b->Id);
      stack_->push(new TDeleteBlocksCommand(view, ids, QStringLiteral("Usuń")));
    } else {
      const int d = step % 2 == 0 ? 10 : -10;
      stack_->push(new TMoveBlocksCommand(view, MoveAll(doc, d, d), doc.Saved));
    }
  }
  QCoreApplication::processEvents();
  const long after = ResidentKb();
  QCOMPARE(stack_->count(), 200);
  qInfo(
      "200 steps of history on 2000 blocks (150 drags of every block, 50 deletions of 20): "
      "%ld kB (target < 51200 kB)",
      after - before);
}

QTEST_MAIN(UndoBench)
#include "UndoBench.moc"
