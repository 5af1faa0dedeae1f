#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "model/FixedWidthMeasurer.h"
#include "model/Schemat.h"
#include "tests/model/RecordingObserver.h"

namespace zuvar {
namespace {

std::vector<uint32_t> IdsInOrder(const TSchemat& doc) {
  std::vector<uint32_t> ids;
  for (const TNewShape* b = doc.FirstBlock; b != nullptr; b = b->Next) ids.push_back(b->Id);
  return ids;
}

std::vector<uint32_t> IdsBackward(const TSchemat& doc) {
  std::vector<uint32_t> ids;
  for (const TNewShape* b = doc.LastBlock; b != nullptr; b = b->Prev) ids.push_back(b->Id);
  return ids;
}

void Connect(TNewShape* from, TNewShape* to, int exitSide, int entrySide, bool falseExit = false) {
  from->ExitSide = exitSide;
  from->EntrySide = entrySide;
  if (falseExit) {
    from->SetBlockLinkFalse(to);
  } else {
    from->SetBlockLink(to);
  }
}

TEST(Schemat, NewDocumentIsEmptyAndSaved) {
  const TSchemat doc;
  EXPECT_EQ(doc.FirstBlock, nullptr);
  EXPECT_EQ(doc.LastBlock, nullptr);
  EXPECT_EQ(doc.LastId, 0u);
  EXPECT_TRUE(doc.Saved);
  EXPECT_EQ(doc.SheetWidth, 500);
  EXPECT_EQ(doc.SheetHeight, 1000);
  EXPECT_EQ(doc.Title, "Nowy Projekt");
}

TEST(Schemat, AddedBlocksGetIdsInListOrder) {
  TSchemat doc;
  TNewShape* a = doc.AddBlock(nstStart);
  TNewShape* b = doc.AddBlock(nstCalc);
  TNewShape* c = doc.AddBlock(nstStop);
  EXPECT_EQ(IdsInOrder(doc), (std::vector<uint32_t>{1, 2, 3}));
  EXPECT_EQ(IdsBackward(doc), (std::vector<uint32_t>{3, 2, 1}));
  EXPECT_EQ(doc.FirstBlock, a);
  EXPECT_EQ(doc.LastBlock, c);
  EXPECT_EQ(b->Prev, a);
  EXPECT_EQ(b->Next, c);
  EXPECT_EQ(b->Width, 50);
  EXPECT_EQ(b->Height, 30);
  EXPECT_FALSE(doc.Saved);
  EXPECT_EQ(doc.LastId, 3u);
  doc.LastId = 41;  // as after loading
  EXPECT_EQ(doc.AddBlock(nstCalc)->Id, 42u);
}

TEST(Schemat, NoBlockIsAddedOnceEveryIdIsTaken) {
  TSchemat doc;
  doc.LastId = std::numeric_limits<uint32_t>::max();
  EXPECT_EQ(doc.AddBlock(nstCalc), nullptr);
  EXPECT_EQ(doc.FirstBlock, nullptr);
}

// A block read from a file keeps its Id; LastId counts it as handed out and never falls behind
// the largest Id read. A block put back into the list goes in front of the given block.
TEST(Schemat, BlocksWithKnownIdsKeepThemAndTakeTheirPlace) {
  TSchemat doc;
  test::TRecordingObserver observer;
  doc.SetObserver(&observer);
  doc.Saved = true;
  TNewShape* five = doc.AddBlockWithId(nstCalc, 5);
  EXPECT_EQ(doc.LastId, 5u);
  doc.AddBlockWithId(nstStop, 2);
  EXPECT_EQ(doc.LastId, 6u);
  EXPECT_FALSE(doc.Saved);
  doc.LastId = std::numeric_limits<uint32_t>::max();
  ASSERT_NE(doc.AddBlockWithId(nstNode, 9), nullptr);
  EXPECT_EQ(doc.LastId, std::numeric_limits<uint32_t>::max());
  TNewShape* front = doc.InsertBlockWithId(five, nstStart, 1);
  TNewShape* middle = doc.InsertBlockWithId(doc.BlockAt(2), nstChoice, 7);
  EXPECT_EQ(IdsInOrder(doc), (std::vector<uint32_t>{1, 5, 7, 2, 9}));
  EXPECT_EQ(IdsBackward(doc), (std::vector<uint32_t>{9, 2, 7, 5, 1}));
  EXPECT_EQ(doc.FirstBlock, front);
  EXPECT_EQ(doc.IndexOf(middle), 2u);
  EXPECT_EQ(middle->Width, 50);
  EXPECT_EQ(middle->Height, 40);
  EXPECT_EQ(doc.LastId, std::numeric_limits<uint32_t>::max());
  EXPECT_EQ(observer.Count("added"), 5);
}

TEST(Schemat, DeletingRelinksTheNeighbours) {
  TSchemat doc;
  doc.AddBlock(nstStart);
  TNewShape* middle = doc.AddBlock(nstCalc);
  doc.AddBlock(nstStop);
  doc.Saved = true;
  EXPECT_TRUE(doc.DeleteBlock(middle));
  EXPECT_FALSE(doc.Saved);
  EXPECT_EQ(IdsInOrder(doc), (std::vector<uint32_t>{1, 3}));
  EXPECT_EQ(IdsBackward(doc), (std::vector<uint32_t>{3, 1}));
  EXPECT_TRUE(doc.DeleteBlock(doc.FirstBlock));
  EXPECT_EQ(doc.FirstBlock, doc.LastBlock);
  EXPECT_EQ(doc.FirstBlock->Prev, nullptr);
  EXPECT_TRUE(doc.DeleteBlock(doc.LastBlock));
  EXPECT_EQ(doc.FirstBlock, nullptr);
  EXPECT_EQ(doc.LastBlock, nullptr);
  EXPECT_EQ(doc.BlockCount(), 0u);
}

TEST(Schemat, DeleteRefusesNullAndForeignBlocks) {
  TSchemat doc;
  TSchemat other;
  TNewShape* foreign = other.AddBlock(nstCalc);
  doc.Saved = true;
  EXPECT_FALSE(doc.DeleteBlock(nullptr));
  EXPECT_FALSE(doc.DeleteBlock(foreign));
  EXPECT_TRUE(doc.Saved);
  EXPECT_EQ(other.FirstBlock, foreign);
}

TEST(Schemat, DeletingATargetClearsEveryExitPointingAtIt) {
  TSchemat doc;
  TNewShape* choice = doc.AddBlock(nstChoice);
  TNewShape* target = doc.AddBlock(nstCalc);
  TNewShape* later = doc.AddBlock(nstCalc);
  TNewShape* other = doc.AddBlock(nstStop);
  Connect(choice, target, sideBottom, sideTop);
  Connect(choice, target, sideRight, sideTop, true);
  Connect(later, target, sideTop, sideBottom);
  Connect(target, other, sideBottom, sideTop);
  Connect(later, later, sideLeft, sideRight, true);  // a loop on itself survives
  EXPECT_EQ(doc.IncomingBlocks(target), (std::vector<TNewShape*>{choice, later}));

  test::TRecordingObserver observer;
  doc.SetObserver(&observer);
  EXPECT_TRUE(doc.DeleteBlock(target));
  EXPECT_EQ(choice->BlockLink, nullptr);
  EXPECT_EQ(choice->BlockLinkFalse, nullptr);
  EXPECT_EQ(choice->OutLink, nullptr);
  EXPECT_EQ(choice->OutLinkFalse, nullptr);
  EXPECT_EQ(later->BlockLink, nullptr);
  EXPECT_EQ(later->BlockLinkFalse, later);
  EXPECT_FALSE(doc.HasIncomingLinks(other));
  // Backward from the block first, then forward, then its own exit.
  EXPECT_EQ(observer.events, (std::vector<std::string>{"link- 1:65", "link- 1:49", "link- 3:20",
                                                       "link- 2:65", "removed 2"}));
}

TEST(Schemat, DeletingTheActiveBlockLeavesNoActiveBlock) {
  TSchemat doc;
  TNewShape* block = doc.AddBlock(nstCalc);
  doc.SetActiveBlock(block);
  doc.DeleteBlock(block);
  EXPECT_EQ(doc.ActiveBlock, nullptr);
}

TEST(Schemat, ActivatingMovesCodeBetweenEditorAndBlocksKeepingSaved) {
  TSchemat doc;
  TNewShape* a = doc.AddBlock(nstCalc);
  TNewShape* b = doc.AddBlock(nstCalc);
  b->Code = {"y = 2;"};
  std::vector<std::string> editor = {"stale"};
  doc.SetActiveBlock(a);  // no editor bound yet: nothing moves
  EXPECT_TRUE(a->Code.empty());
  doc.SourceLines = &editor;
  for (bool saved : {true, false}) {
    SCOPED_TRACE(saved);
    doc.Saved = saved;
    editor = {"x = 1;", "z = 3;"};
    doc.SetActiveBlock(b);
    EXPECT_EQ(a->Code, (std::vector<std::string>{"x = 1;", "z = 3;"}));
    EXPECT_EQ(editor, (std::vector<std::string>{"y = 2;"}));
    EXPECT_EQ(doc.ActiveBlock, b);
    doc.SetActiveBlock(nullptr);
    EXPECT_TRUE(editor.empty());
    EXPECT_EQ(b->Code, (std::vector<std::string>{"y = 2;"}));
    EXPECT_EQ(doc.Saved, saved);
    doc.SetActiveBlock(a);
  }
}

TEST(Schemat, SearchByIdFindsTheFirstBlockInListOrder) {
  TSchemat doc;
  doc.AddBlock(nstStart);
  TNewShape* first7 = doc.AddBlock(nstCalc);
  TNewShape* second7 = doc.AddBlock(nstCalc);
  first7->Id = 7;
  second7->Id = 7;
  EXPECT_EQ(doc.FindBlockById(7), first7);
  EXPECT_EQ(doc.FindBlockById(1), doc.FirstBlock);
  EXPECT_EQ(doc.FindBlockById(99), nullptr);
  const auto index = doc.BuildIdIndex();
  EXPECT_EQ(index.size(), 2u);
  EXPECT_EQ(index.at(7), first7);
}

TEST(Schemat, LayoutReroutesTheLinksTouchingAResizedBlock) {
  const TFixedWidthMeasurer measurer;
  TSchemat doc;
  TNewShape* a = doc.AddBlock(nstCalc);
  TNewShape* b = doc.AddBlock(nstCalc);
  b->Top = 100;
  Connect(a, b, sideRight, sideRight);
  Connect(b, a, sideLeft, sideLeft);
  b->Code = {"a long statement;"};
  EXPECT_TRUE(doc.LayoutBlock(b, measurer));
  EXPECT_EQ(b->Width, 17 * 6 + 20);
  EXPECT_EQ(a->OutLink->End(), b->ConnectionPoint(sideRight));
  EXPECT_EQ(b->OutLink->Start(), b->ConnectionPoint(sideLeft));
  a->Code = {"abcdefgh"};
  doc.LayoutAll(measurer);
  EXPECT_EQ(a->Width, 68);
  EXPECT_EQ(a->OutLink->Start(), a->ConnectionPoint(sideRight));
  EXPECT_EQ(b->OutLink->End(), a->ConnectionPoint(sideLeft));
}

TEST(Schemat, ObserverSeesAdditionsActivationAndEveryRemoval) {
  test::TRecordingObserver observer;
  TSchemat doc;
  doc.SetObserver(&observer);
  TNewShape* a = doc.AddBlock(nstCalc);
  TNewShape* b = doc.AddBlock(nstChoice);
  Connect(a, b, sideBottom, sideTop);
  Connect(b, a, sideLeft, sideLeft);
  Connect(b, b, sideRight, sideRight, true);
  doc.SetActiveBlock(b);
  doc.Clear();
  EXPECT_EQ(doc.FirstBlock, nullptr);
  EXPECT_EQ(doc.BlockCount(), 0u);
  EXPECT_EQ(observer.Count("link+"), 3);
  EXPECT_EQ(observer.Count("link-"), 3);
  EXPECT_EQ(observer.events,
            (std::vector<std::string>{"added 1", "added 2", "link+ 1:65", "link+ 2:34",
                                      "link+ 2:51", "active -->2", "active 2->-", "link- 1:65",
                                      "link- 2:34", "link- 2:51", "removed 2", "removed 1"}));
}

TEST(Schemat, DestroyingADocumentWithManyLinkedBlocksLeavesNothingBehind) {
  test::TRecordingObserver observer;
  {
    TSchemat doc;
    for (int i = 0; i < 2000; ++i) {
      TNewShape* block = doc.AddBlock(i % 2 ? nstChoice : nstCalc);
      if (block->Prev != nullptr) Connect(block->Prev, block, sideBottom, sideTop);
      if (i % 2) Connect(block, doc.FirstBlock, sideRight, sideLeft, true);
    }
    doc.SetObserver(&observer);
    doc.SetObserver(nullptr);  // the observer is not told during destruction
  }
  EXPECT_TRUE(observer.events.empty());
}

}  // namespace
}  // namespace zuvar
