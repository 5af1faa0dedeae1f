#pragma once

#include <QtGlobal>
#include <array>
#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "model/Drawing.h"

class QGraphicsEllipseItem;
class QGraphicsItem;
class QGraphicsSimpleTextItem;
class QGraphicsView;

namespace zuvar {

class TBlockItem;
class TCanvasHost;
class TLink;
class TLinkItem;
class TNewShape;
class TSchemat;

// The graphics items that show a document's blocks and links on the canvas's sheet, found by
// the block or link they show: per block its item, the marker of the side a link is drawn from
// and, for a decision, the letters of its two exits; per link its item. The items are children
// of the sheet, so the scene owns them; this keeps the maps to them, makes and removes them as
// the document changes, and hands out the stacking order of everything on the sheet.
class TSheetItems {
 public:
  // The side marker's and the link handle's diameter.
  static constexpr int MarkerSize = 5;

  // The view is asked to repaint as a whole while many items go at once; the host tells which
  // blocks have a breakpoint, whose mark a block's new item shows.
  TSheetItems(QGraphicsView& view, QGraphicsItem& sheet, const TCanvasHost& host);
  TSheetItems(const TSheetItems&) = delete;
  TSheetItems& operator=(const TSheetItems&) = delete;

  TBlockItem* ItemOf(const TNewShape* block) const;
  TLinkItem* ItemOf(const TLink* link) const;
  QGraphicsSimpleTextItem* LetterOf(const TNewShape* block, bool trueLetter) const;

  // A stacking value above everything on the sheet so far.
  qreal NextZ() { return ++topZ_; }
  void BringToFront(const TNewShape& block);
  // Takes over the block's size and paints it again.
  void Repaint(const TNewShape& block);

  // The marker at the middle of a block's side (sideTop .. sideBottom; any other side hides it).
  void ShowSideMarker(const TNewShape& block, int32_t side);
  void HideSideMarker(const TNewShape& block);
  bool SideMarkerVisible(const TNewShape& block) const;

  // Items for the blocks and links the document already has, as if added one by one.
  void ShowExisting(const TSchemat& document);
  // Takes the items of the blocks and of the links leaving them off the sheet, all together.
  void RemoveItemsOf(const std::vector<TNewShape*>& blocks);

  // The changes of the document that the items follow.
  void BlockAdded(TNewShape& block);
  void BlockRemoved(const TNewShape& block);
  void BlockMoved(TNewShape& block);
  void BlockResized(TNewShape& block);
  void BlockCaptionChanged(const TNewShape& block);
  void LinkCreated(TLink& link);
  void LinkDestroyed(TLink& link);
  void LinkRerouted(TLink& link);
  void LinkRepaint(const TLink& link);
  void LinkShown(TLink& link);
  void LinkHidden(TLink& link);

 private:
  struct TBlockParts {
    TBlockItem* item = nullptr;
    QGraphicsEllipseItem* marker = nullptr;
    QGraphicsSimpleTextItem* trueLetter = nullptr;
    QGraphicsSimpleTextItem* falseLetter = nullptr;
  };
  struct TCachedParts {
    const TNewShape* block = nullptr;
    const TBlockParts* parts = nullptr;
  };
  static constexpr std::size_t kPartsCacheSize = 16;

  const TBlockParts* PartsOf(const TNewShape* block) const;
  void Uncache(const TNewShape& block);
  QGraphicsSimpleTextItem* MakeLetter(const char* text, TColor color);
  void UpdateLetters(TNewShape& block);
  static void PlaceLetter(QGraphicsSimpleTextItem* letter, TNewShape& block, TLink* link);
  void DeleteAll(const std::vector<QGraphicsItem*>& doomed);

  QGraphicsView& view_;
  QGraphicsItem& sheet_;
  const TCanvasHost& host_;
  std::unordered_map<const TNewShape*, TBlockParts> blocks_;
  mutable std::array<TCachedParts, kPartsCacheSize> partsCache_{};
  std::unordered_map<const TLink*, TLinkItem*> links_;
  qreal topZ_ = 1;
};

}  // namespace zuvar
