#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "model/NewShape.h"

namespace zuvar {

class TSchematObserver;
class TTextMeasurer;

// The diagram document: the ordered list of blocks (creation, saving and loading order), the
// identifiers it hands out, whether it has unsaved changes, the sheet size, the title and the
// active block. It owns the blocks. Every scan walks the list from FirstBlock; the first hit in
// list order wins.
class TSchemat {
 public:
  TSchemat() = default;
  // Deletes the blocks from LastBlock until the list is empty, without telling the observer.
  ~TSchemat();
  TSchemat(const TSchemat&) = delete;
  TSchemat& operator=(const TSchemat&) = delete;

  TNewShape* FirstBlock = nullptr;
  TNewShape* LastBlock = nullptr;
  uint32_t LastId = 0;
  bool Saved = true;
  // Read freely, written only via SetActiveBlock.
  TNewShape* ActiveBlock = nullptr;
  // The editor lines of the source code window (not owned); may be null.
  std::vector<std::string>* SourceLines = nullptr;
  int32_t SheetWidth = 500;
  int32_t SheetHeight = 1000;
  std::string Title = "Nowy Projekt";

  // Appends a new block of the given type: Id = ++LastId, Saved = false. Returns the block, or
  // null when it cannot be created.
  TNewShape* AddBlock(TNewShapeType shape);
  // Appends a block that keeps an Id it already has (a block read from a file): the Id counts
  // as handed out, so LastId grows by one (never beyond its largest value) and then up to the
  // Id when that is larger. Saved = false. Returns the block, or null when it cannot be created.
  TNewShape* AddBlockWithId(TNewShapeType shape, uint32_t id);
  // Puts a block with a known Id back into the list in front of `before` (at the end for null),
  // leaving LastId alone. Saved = false. Returns the block, or null when it cannot be created.
  TNewShape* InsertBlockWithId(TNewShape* before, TNewShapeType shape, uint32_t id);
  // Unlinks the block from the list, clears every exit pointing at it, frees it and its links,
  // Saved = false. A null block does nothing and returns false. Deleting the active block first
  // makes no block active.
  bool DeleteBlock(TNewShape* block);
  // Deletes every block, from LastBlock back to FirstBlock, telling the observer.
  void Clear();
  // Makes a block (or none) active, moving the code between the source lines and the blocks
  // without changing Saved. A block of another document is ignored.
  void SetActiveBlock(TNewShape* block);

  // Sets the size of the drawing sheet and tells the observer.
  void SetSheetSize(int32_t width, int32_t height);
  // Sets the project's title and tells the observer.
  void SetTitle(const std::string& title);

  // The first block in list order with this Id, or null.
  TNewShape* FindBlockById(uint32_t id) const;
  // The block at a zero-based place of the list, or null past its end.
  TNewShape* BlockAt(std::size_t index) const;
  // The zero-based place of a block of this document in the list.
  std::size_t IndexOf(const TNewShape* block) const;
  // Id -> block for every Id, keeping the first block of the list for an Id held twice. Lets a
  // reader resolve the exits of many blocks in linear time.
  std::unordered_map<uint32_t, TNewShape*> BuildIdIndex() const;

  // Blocks whose BlockLink or BlockLinkFalse is the given block, in list order (each once).
  std::vector<TNewShape*> IncomingBlocks(const TNewShape* block) const;
  bool HasIncomingLinks(const TNewShape* block) const;
  // Re-routes the block's own links and every link that enters it.
  void RedrawLinksTouching(TNewShape* block);
  // Re-routes once every link that leaves or enters one of the blocks, in one walk of the list
  // (a link between two of them is routed once, not twice).
  void RedrawLinksTouching(const std::vector<TNewShape*>& blocks);
  // Lays the block out (caption and size); when its size changed, re-routes the links touching
  // it. Returns true when the size changed.
  bool LayoutBlock(TNewShape* block, const TTextMeasurer& measurer);
  // Lays out every block, then re-routes every link once.
  void LayoutAll(const TTextMeasurer& measurer);

  std::size_t BlockCount() const { return blocks_.size(); }
  // True when the block is one of this document's blocks.
  bool Owns(const TNewShape* block) const;

  TSchematObserver* Observer() const { return observer_; }
  // Sets the observer of the document, its blocks and their links (null: nobody is told).
  void SetObserver(TSchematObserver* observer);

 private:
  TNewShape* CreateBlock();
  void LinkInFront(TNewShape* block, TNewShape* before);
  void Unlink(TNewShape* block);
  void Release(TNewShape* block);

  std::vector<std::unique_ptr<TNewShape>> blocks_;
  TSchematObserver* observer_ = nullptr;
};

}  // namespace zuvar
