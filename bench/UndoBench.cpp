// Figures of the edit history on a 2,000-block diagram under the offscreen platform: one undo
// and one redo of each kind of edit, and the memory that 200 steps of history hold.
#include <malloc.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QUndoStack>
#include <QtTest>
#include <cstdio>
#include <ctime>
#include <functional>
#include <memory>
#include <string>

#include "bench/BenchCanvasHost.h"
#include "bench/BenchDiagram.h"
#include "editor/CanvasHost.h"
#include "editor/SchematView.h"
#include "editor/commands/BreakLinksCommand.h"
#include "editor/commands/ConnectCommand.h"
#include "editor/commands/DeleteBlocksCommand.h"
#include "editor/commands/EditCodeCommand.h"
#include "editor/commands/MoveBlocksCommand.h"
#include "editor/commands/PasteBlocksCommand.h"
#include "editor/commands/PlaceBlockCommand.h"
#include "editor/commands/ResizeSheetCommand.h"
#include "export/SheetFitter.h"
#include "model/BlockAlignment.h"
#include "model/FixedWidthMeasurer.h"
#include "model/Schemat.h"
#include "project/BlockSetText.h"

using namespace zuvar;
using zuvar::bench::BuildChain;
using zuvar::bench::TBenchCanvasHost;

namespace {

// The bytes the program holds on its heap, whatever the allocator keeps for reuse.
long HeapKb() { return static_cast<long>(mallinfo2().uordblks / 1024); }

// The worst of several runs of a step, as time on the clock and as time the program's thread
// spent on the processor: on a busy machine the clock also counts the waits for a processor.
struct TFigures {
  double worstWall = 0, worstCpu = 0;

  static double CpuMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
  }
  void Take(const std::function<void()>& step) {
    QElapsedTimer clock;
    clock.start();
    const double cpu = CpuMs();
    step();
    worstCpu = std::max(worstCpu, CpuMs() - cpu);
    worstWall = std::max(worstWall, static_cast<double>(clock.nsecsElapsed()) / 1e6);
  }
  std::string Text() const {
    char text[64];
    std::snprintf(text, sizeof text, "worst %.1f ms (processor %.1f ms)", worstWall, worstCpu);
    return text;
  }
};

// Every block of the diagram moved by (dx, dy): the largest drag there is.
std::vector<TMoveBlocksCommand::TMove> MoveAll(TSchemat& doc, int dx, int dy) {
  std::vector<TMoveBlocksCommand::TMove> moves;
  for (TNewShape* b = doc.FirstBlock; b != nullptr; b = b->Next)
    moves.push_back({b->Id, b->Left, b->Top, b->Left + dx, b->Top + dy});
  return moves;
}

std::vector<TNewShape*> AllBlocks(TSchemat& doc) {
  std::vector<TNewShape*> blocks;
  for (TNewShape* b = doc.FirstBlock; b != nullptr; b = b->Next) blocks.push_back(b);
  return blocks;
}

// Every block lined up under the first one.
std::vector<TMoveBlocksCommand::TMove> AlignAll(TSchemat& doc) {
  std::vector<TMoveBlocksCommand::TMove> moves;
  for (const BlockAlignment::TPlace& p :
       BlockAlignment::Align(AllBlocks(doc), *doc.FirstBlock, BlockAlignment::TAxis::Vertical,
                             doc.SheetWidth, doc.SheetHeight))
    moves.push_back({p.Block->Id, p.Block->Left, p.Block->Top, p.Left, p.Top});
  return moves;
}

// The whole diagram as the clipboard holds it after copying every block.
std::vector<TBlockRecordFields> CopyAll(TSchemat& doc) {
  const std::vector<TNewShape*> all = AllBlocks(doc);
  return *BlockSetText::Parse(
      BlockSetText::Write(doc, std::vector<const TNewShape*>(all.begin(), all.end())));
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
  TBenchCanvasHost host_;
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
  std::vector<uint32_t> hundred, all;
  for (uint32_t id = 100; id < 200; ++id) hundred.push_back(id);
  for (uint32_t id = 1; id <= 2000; ++id) all.push_back(id);
  const std::pair<const char*, std::function<QUndoCommand*()>> edits[] = {
      {"place a block", [&] { return new TPlaceBlockCommand(view, nstCalc, 300, 300); }},
      {"delete one block",
       [&] { return new TDeleteBlocksCommand(view, {middle}, QStringLiteral("Usuń")); }},
      {"delete 100 blocks",
       [&] { return new TDeleteBlocksCommand(view, hundred, QStringLiteral("Usuń")); }},
      {"delete all 2000 blocks",
       [&] { return new TDeleteBlocksCommand(view, all, QStringLiteral("Usuń")); }},
      {"drag all 2000 blocks",
       [&] { return new TMoveBlocksCommand(view, MoveAll(doc, 30, 20), doc.Saved); }},
      {"align 2000 blocks",
       [&] { return new TMoveBlocksCommand(view, AlignAll(doc), QStringLiteral("Wyrównaj")); }},
      {"paste 2000 blocks", [&] { return new TPasteBlocksCommand(view, CopyAll(doc), 20, 20); }},
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
    TFigures undo, redo;
    for (int i = 0; i < 5; ++i) {
      undo.Take([&] {
        stack_->undo();
        view.viewport()->repaint();
      });
      redo.Take([&] {
        stack_->redo();
        view.viewport()->repaint();
      });
    }
    stack_->undo();
    qInfo("%s on 2000 blocks: undo %s; redo %s (target < 30 ms)", name, undo.Text().c_str(),
          redo.Text().c_str());
  }
  QCOMPARE(static_cast<int>(doc.BlockCount()), 2000);
}

// The history's memory grows with what its steps remember: the heaviest ordinary steps are
// drags of the whole diagram and deletions, which hold a record of each block they take.
void UndoBench::MemoryOf200StepsOn2000Blocks() {
  TSchemat& doc = *document_;
  TSchematView& view = *view_;
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
  QCOMPARE(stack_->count(), 200);
  // Dropping the history leaves the diagram as it is: what the heap gives back is what the
  // history held.
  const long withHistory = HeapKb();
  stack_->clear();
  const long withoutHistory = HeapKb();
  qInfo(
      "200 steps of history on 2000 blocks (150 drags of every block, 50 deletions of 20): "
      "%ld kB (target < 51200 kB)",
      withHistory - withoutHistory);
}

QTEST_MAIN(UndoBench)
#include "UndoBench.moc"
