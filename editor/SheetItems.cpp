#include "editor/SheetItems.h"

#include <QGraphicsEllipseItem>
#include <QGraphicsSimpleTextItem>
#include <QGraphicsView>
#include <QPen>
#include <algorithm>
#include <initializer_list>

#include "editor/BlockFont.h"
#include "editor/BlockItem.h"
#include "editor/BlockPainter.h"
#include "editor/CanvasHost.h"
#include "editor/LinkItem.h"
#include "editor/ScreenMarks.h"
#include "model/Link.h"
#include "model/NewShape.h"
#include "model/Schemat.h"

namespace zuvar {

TSheetItems::TSheetItems(QGraphicsView& view, QGraphicsItem& sheet, const TCanvasHost& host)
    : view_(view), sheet_(sheet), host_(host) {}

// ---- finding items --------------------------------------------------------------------------

// A run asks for the same few blocks at every step; a small cache in front of the map answers
// those without hashing. Map elements keep their addresses when the map grows, so only a
// removed block has to leave the cache.
const TSheetItems::TBlockParts* TSheetItems::PartsOf(const TNewShape* block) const {
  TCachedParts& cached =
      partsCache_[(reinterpret_cast<std::uintptr_t>(block) >> 4) % kPartsCacheSize];
  if (cached.block == block && block != nullptr) return cached.parts;
  const auto it = blocks_.find(block);
  if (it == blocks_.end()) return nullptr;
  cached = TCachedParts{block, &it->second};
  return cached.parts;
}

void TSheetItems::Uncache(const TNewShape& block) {
  for (TCachedParts& cached : partsCache_)
    if (cached.block == &block) cached = TCachedParts{};
}

TBlockItem* TSheetItems::ItemOf(const TNewShape* block) const {
  const TBlockParts* parts = PartsOf(block);
  return parts == nullptr ? nullptr : parts->item;
}

TLinkItem* TSheetItems::ItemOf(const TLink* link) const {
  const auto it = links_.find(link);
  return it == links_.end() ? nullptr : it->second;
}

QGraphicsSimpleTextItem* TSheetItems::LetterOf(const TNewShape* block, bool trueLetter) const {
  const TBlockParts* parts = PartsOf(block);
  if (parts == nullptr) return nullptr;
  return trueLetter ? parts->trueLetter : parts->falseLetter;
}

// ---- stacking, repainting and side markers --------------------------------------------------

// A block already in front stays where it is: a run brings its block forward at every step.
void TSheetItems::BringToFront(const TNewShape& block) {
  TBlockItem* item = ItemOf(&block);
  if (item != nullptr && item->zValue() != topZ_) item->setZValue(NextZ());
}

void TSheetItems::Repaint(const TNewShape& block) {
  if (TBlockItem* item = ItemOf(&block)) {
    item->FollowSize();
    item->update();
  }
}

void TSheetItems::ShowSideMarker(const TNewShape& block, int32_t side) {
  const TBlockParts* parts = PartsOf(&block);
  QGraphicsEllipseItem* marker = parts == nullptr ? nullptr : parts->marker;
  if (marker == nullptr) return;
  int left = block.Left + block.Width / 2 - MarkerSize / 2;
  int top = block.Top;
  switch (side) {
    case sideTop:
      break;
    case sideLeft:
      top = block.Top + block.Height / 2 - MarkerSize / 2;
      left = block.Left;
      break;
    case sideRight:
      top = block.Top + block.Height / 2 - MarkerSize / 2;
      left = block.Left + block.Width - MarkerSize;
      break;
    case sideBottom:
      top = block.Top + block.Height - MarkerSize;
      break;
    default:
      marker->hide();
      return;
  }
  marker->setPos(left, top);
  marker->setZValue(NextZ());
  marker->show();
}

void TSheetItems::HideSideMarker(const TNewShape& block) {
  const TBlockParts* parts = PartsOf(&block);
  if (parts != nullptr && parts->marker != nullptr) parts->marker->hide();
}

bool TSheetItems::SideMarkerVisible(const TNewShape& block) const {
  const TBlockParts* parts = PartsOf(&block);
  return parts != nullptr && parts->marker != nullptr && parts->marker->isVisible();
}

// ---- letters of a decision's exits ----------------------------------------------------------

QGraphicsSimpleTextItem* TSheetItems::MakeLetter(const char* text, TColor color) {
  auto* letter = new QGraphicsSimpleTextItem(QString::fromLatin1(text), &sheet_);
  letter->setFont(TBlockFont::Font());
  letter->setBrush(TBlockPainter::ToQColor(color));
  letter->setZValue(NextZ());
  letter->hide();
  return letter;
}

void TSheetItems::PlaceLetter(QGraphicsSimpleTextItem* letter, TNewShape& block, TLink* link) {
  if (letter == nullptr) return;
  if (link == nullptr) {
    letter->hide();
    return;
  }
  const TPoint at = block.LetterPosition(link->LinkCode / 16);
  letter->setPos(at.X, at.Y);
  letter->setVisible(link->Visible);
}

void TSheetItems::UpdateLetters(TNewShape& block) {
  if (block.Shape != nstChoice) return;
  const auto it = blocks_.find(&block);
  if (it == blocks_.end()) return;
  PlaceLetter(it->second.falseLetter, block, block.OutLinkFalse.get());
  PlaceLetter(it->second.trueLetter, block, block.OutLink.get());
}

// ---- following the document -----------------------------------------------------------------

// In list order: every block first, then the links leaving each.
void TSheetItems::ShowExisting(const TSchemat& document) {
  for (TNewShape* block = document.FirstBlock; block != nullptr; block = block->Next)
    BlockAdded(*block);
  for (TNewShape* block = document.FirstBlock; block != nullptr; block = block->Next) {
    if (block->OutLink != nullptr) LinkCreated(*block->OutLink);
    if (block->OutLinkFalse != nullptr) LinkCreated(*block->OutLinkFalse);
  }
}

void TSheetItems::BlockAdded(TNewShape& block) {
  TBlockParts parts;
  parts.item = new TBlockItem(block, &sheet_);
  parts.item->setZValue(NextZ());
  parts.marker = new QGraphicsEllipseItem(0, 0, MarkerSize - 1, MarkerSize - 1, &sheet_);
  parts.marker->setPen(QPen(Qt::black));
  parts.marker->setBrush(Qt::black);
  parts.marker->hide();
  if (block.Shape == nstChoice) {
    parts.falseLetter = MakeLetter("F", clRed);
    parts.trueLetter = MakeLetter("T", clGreen);
  }
  blocks_[&block] = parts;
  QString condition;
  if (host_.HasBreakpoint(block, condition))
    ScreenMarks::SetBreakpointDot(parts.item, true, condition);
}

void TSheetItems::BlockRemoved(const TNewShape& block) {
  const auto it = blocks_.find(&block);
  if (it == blocks_.end()) return;
  Uncache(block);
  delete it->second.item;
  delete it->second.marker;
  delete it->second.trueLetter;
  delete it->second.falseLetter;
  blocks_.erase(it);
}

// The sheet finds a child it loses by looking through its list from the front, so the items
// are first put lowest of all, in the order they go, and each is then the first of the list;
// the viewport is repainted once as a whole rather than collecting every item's area.
void TSheetItems::RemoveItemsOf(const std::vector<TNewShape*>& blocks) {
  std::vector<QGraphicsItem*> doomed;
  for (TNewShape* block : blocks) {
    for (const TLink* link : {block->OutLink.get(), block->OutLinkFalse.get()}) {
      const auto found = links_.find(link);
      if (found == links_.end()) continue;
      doomed.push_back(found->second);
      links_.erase(found);
    }
    const auto it = blocks_.find(block);
    if (it == blocks_.end()) continue;
    Uncache(*block);
    const TBlockParts& parts = it->second;
    for (QGraphicsItem* part : std::initializer_list<QGraphicsItem*>{
             parts.item, parts.marker, parts.trueLetter, parts.falseLetter}) {
      if (part != nullptr) doomed.push_back(part);
    }
    blocks_.erase(it);
  }
  DeleteAll(doomed);
}

void TSheetItems::DeleteAll(const std::vector<QGraphicsItem*>& doomed) {
  qreal z = -1e12;
  for (QGraphicsItem* item : doomed) item->setZValue(z++);
  sheet_.childItems();  // sorts the sheet's list by stacking order
  const QGraphicsView::ViewportUpdateMode mode = view_.viewportUpdateMode();
  view_.setViewportUpdateMode(QGraphicsView::FullViewportUpdate);
  for (QGraphicsItem* item : doomed) delete item;
  view_.setViewportUpdateMode(mode);
}

void TSheetItems::BlockMoved(TNewShape& block) {
  if (TBlockItem* item = ItemOf(&block)) item->FollowPosition();
  UpdateLetters(block);
}

void TSheetItems::BlockResized(TNewShape& block) {
  if (TBlockItem* item = ItemOf(&block)) item->FollowSize();
  UpdateLetters(block);
}

void TSheetItems::BlockCaptionChanged(const TNewShape& block) {
  if (TBlockItem* item = ItemOf(&block)) item->update();
}

void TSheetItems::LinkCreated(TLink& link) {
  auto* item = new TLinkItem(link, &sheet_);
  item->setZValue(NextZ());
  links_[&link] = item;
  if (link.Source != nullptr) UpdateLetters(*link.Source);
}

void TSheetItems::LinkDestroyed(TLink& link) {
  const auto it = links_.find(&link);
  if (it == links_.end()) return;
  delete it->second;
  links_.erase(it);
  TNewShape* source = link.Source;
  if (source == nullptr || source->Shape != nstChoice) return;
  // The letter of the exit that is going away disappears with it.
  const bool isTrue = source->OutLink.get() == &link;
  const bool isFalse = source->OutLinkFalse.get() == &link;
  if (isTrue || isFalse) {
    if (QGraphicsSimpleTextItem* letter = LetterOf(source, isTrue)) letter->hide();
  }
}

void TSheetItems::LinkRerouted(TLink& link) {
  if (TLinkItem* item = ItemOf(&link)) item->FollowRoute();
  if (link.Source != nullptr) UpdateLetters(*link.Source);
}

void TSheetItems::LinkRepaint(const TLink& link) {
  if (TLinkItem* item = ItemOf(&link)) item->update();
}

void TSheetItems::LinkShown(TLink& link) {
  if (TLinkItem* item = ItemOf(&link)) item->show();
  if (link.Source != nullptr) UpdateLetters(*link.Source);
}

void TSheetItems::LinkHidden(TLink& link) {
  if (TLinkItem* item = ItemOf(&link)) item->hide();
  if (link.Source != nullptr) UpdateLetters(*link.Source);
}

}  // namespace zuvar
