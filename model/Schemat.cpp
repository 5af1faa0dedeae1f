#include "model/Schemat.h"

#include <limits>
#include <new>
#include <unordered_set>

#include "model/SchematObserver.h"

namespace zuvar {

TSchemat::~TSchemat() {
  // Nobody is told any more: the observer and the source lines may already be gone.
  SetObserver(nullptr);
  SourceLines = nullptr;
  ActiveBlock = nullptr;
  Clear();
}

TNewShape* TSchemat::CreateBlock() {
  try {
    blocks_.push_back(std::make_unique<TNewShape>());
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
  TNewShape* block = blocks_.back().get();
  block->slot_ = blocks_.size() - 1;
  return block;
}

void TSchemat::LinkInFront(TNewShape* block, TNewShape* before) {
  TNewShape* after = before != nullptr ? before->Prev : LastBlock;
  block->Prev = after;
  block->Next = before;
  if (after != nullptr)
    after->Next = block;
  else
    FirstBlock = block;
  if (before != nullptr)
    before->Prev = block;
  else
    LastBlock = block;
}

TNewShape* TSchemat::AddBlock(TNewShapeType shape) {
  // Id 0 stands for "no block": once every Id has been handed out, no block can be added.
  if (LastId == std::numeric_limits<uint32_t>::max()) return nullptr;
  TNewShape* block = InsertBlockWithId(nullptr, shape, LastId + 1);
  if (block != nullptr) LastId = block->Id;
  return block;
}

TNewShape* TSchemat::AddBlockWithId(TNewShapeType shape, uint32_t id) {
  TNewShape* block = InsertBlockWithId(nullptr, shape, id);
  if (block == nullptr) return nullptr;
  if (LastId != std::numeric_limits<uint32_t>::max()) ++LastId;
  if (id > LastId) LastId = id;
  return block;
}

TNewShape* TSchemat::InsertBlockWithId(TNewShape* before, TNewShapeType shape, uint32_t id) {
  if (before != nullptr && !Owns(before)) return nullptr;
  TNewShape* block = CreateBlock();
  if (block == nullptr) return nullptr;
  LinkInFront(block, before);
  block->SetShape(shape);
  block->Id = id;
  Saved = false;
  block->SetObserver(observer_);
  if (observer_ != nullptr) observer_->BlockAdded(*block);
  return block;
}

void TSchemat::SetSheetSize(int32_t width, int32_t height) {
  SheetWidth = width;
  SheetHeight = height;
  if (observer_ != nullptr) observer_->SheetResized();
}

void TSchemat::SetTitle(const std::string& title) {
  Title = title;
  if (observer_ != nullptr) observer_->TitleChanged();
}

bool TSchemat::Owns(const TNewShape* block) const {
  return block != nullptr && block->slot_ < blocks_.size() && blocks_[block->slot_].get() == block;
}

bool TSchemat::DeleteBlock(TNewShape* block) {
  if (!Owns(block)) return false;
  if (block == ActiveBlock) SetActiveBlock(nullptr);
  Unlink(block);
  block->UnlinkAll();
  if (observer_ != nullptr) observer_->BlockRemoved(*block);
  Release(block);
  Saved = false;
  return true;
}

void TSchemat::Unlink(TNewShape* block) {
  // The block keeps naming its former neighbours, so that clearing the exits that point at it
  // still walks the whole list.
  if (block->Prev != nullptr) {
    block->Prev->Next = block->Next;
  } else {
    FirstBlock = block->Next;
  }
  if (block->Next != nullptr) {
    block->Next->Prev = block->Prev;
  } else {
    LastBlock = block->Prev;
  }
}

void TSchemat::Release(TNewShape* block) {
  const std::size_t slot = block->slot_;
  std::unique_ptr<TNewShape> doomed = std::move(blocks_[slot]);
  if (slot + 1 != blocks_.size()) {
    blocks_[slot] = std::move(blocks_.back());
    blocks_[slot]->slot_ = slot;
  }
  blocks_.pop_back();
}

void TSchemat::Clear() {
  while (LastBlock != nullptr) DeleteBlock(LastBlock);
}

void TSchemat::SetActiveBlock(TNewShape* block) {
  if (block != nullptr && !Owns(block)) return;
  TNewShape* previous = ActiveBlock;
  if (SourceLines != nullptr) {
    // The edited lines go back into the block that had them; the list then takes the new
    // block's lines, reusing the strings it holds (a run changes the block at every step).
    const bool saved = Saved;
    if (ActiveBlock != nullptr && ActiveBlock->Code != *SourceLines)
      ActiveBlock->Code.swap(*SourceLines);
    if (block == nullptr)
      SourceLines->clear();
    else if (block->Code != *SourceLines)
      *SourceLines = block->Code;
    Saved = saved;
  }
  ActiveBlock = block;
  if (observer_ != nullptr) observer_->ActiveBlockChanged(previous, block);
}

TNewShape* TSchemat::FindBlockById(uint32_t id) const {
  for (TNewShape* b = FirstBlock; b != nullptr; b = b->Next) {
    if (b->Id == id) return b;
  }
  return nullptr;
}

TNewShape* TSchemat::BlockAt(std::size_t index) const {
  TNewShape* b = FirstBlock;
  for (; b != nullptr && index > 0; --index) b = b->Next;
  return b;
}

std::size_t TSchemat::IndexOf(const TNewShape* block) const {
  std::size_t index = 0;
  for (const TNewShape* b = FirstBlock; b != nullptr && b != block; b = b->Next) ++index;
  return index;
}

std::unordered_map<uint32_t, TNewShape*> TSchemat::BuildIdIndex() const {
  std::unordered_map<uint32_t, TNewShape*> index;
  index.reserve(blocks_.size());
  for (TNewShape* b = FirstBlock; b != nullptr; b = b->Next) index.emplace(b->Id, b);
  return index;
}

std::vector<TNewShape*> TSchemat::IncomingBlocks(const TNewShape* block) const {
  std::vector<TNewShape*> result;
  if (block == nullptr) return result;
  int32_t remaining = block->IncomingCount();
  for (TNewShape* b = FirstBlock; b != nullptr && remaining > 0; b = b->Next) {
    const int32_t hits = (b->BlockLink == block ? 1 : 0) + (b->BlockLinkFalse == block ? 1 : 0);
    if (hits == 0) continue;
    result.push_back(b);
    remaining -= hits;
  }
  return result;
}

bool TSchemat::HasIncomingLinks(const TNewShape* block) const {
  return block != nullptr && block->IncomingCount() > 0;
}

void TSchemat::RedrawLinksTouching(TNewShape* block) {
  if (block == nullptr) return;
  block->LinksRedraw();
  int32_t remaining = block->IncomingCount();
  for (TNewShape* b = FirstBlock; b != nullptr && remaining > 0; b = b->Next) {
    if (b->BlockLink == block) {
      if (b != block) b->RedrawLink(b->OutLink.get(), b->BlockLink);
      --remaining;
    }
    if (b->BlockLinkFalse == block) {
      if (b != block) b->RedrawLink(b->OutLinkFalse.get(), b->BlockLinkFalse);
      --remaining;
    }
  }
}

void TSchemat::RedrawLinksTouching(const std::vector<TNewShape*>& blocks) {
  if (blocks.size() == 1) RedrawLinksTouching(blocks.front());
  if (blocks.size() <= 1) return;
  const std::unordered_set<const TNewShape*> touched(blocks.begin(), blocks.end());
  const auto hit = [&touched](const TNewShape* b) { return touched.count(b) != 0; };
  for (TNewShape* b = FirstBlock; b != nullptr; b = b->Next) {
    const bool own = hit(b);
    if (b->BlockLink != nullptr && (own || hit(b->BlockLink)))
      b->RedrawLink(b->OutLink.get(), b->BlockLink);
    if (b->BlockLinkFalse != nullptr && (own || hit(b->BlockLinkFalse)))
      b->RedrawLink(b->OutLinkFalse.get(), b->BlockLinkFalse);
  }
}

bool TSchemat::LayoutBlock(TNewShape* block, const TTextMeasurer& measurer) {
  if (block == nullptr) return false;
  const bool resized = block->UpdateLayout(measurer);
  if (resized) RedrawLinksTouching(block);
  return resized;
}

void TSchemat::LayoutAll(const TTextMeasurer& measurer) {
  for (TNewShape* b = FirstBlock; b != nullptr; b = b->Next) b->UpdateLayout(measurer);
  for (TNewShape* b = FirstBlock; b != nullptr; b = b->Next) b->LinksRedraw();
}

void TSchemat::SetObserver(TSchematObserver* observer) {
  observer_ = observer;
  for (const auto& block : blocks_) block->SetObserver(observer);
}

}  // namespace zuvar
