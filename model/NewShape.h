#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/Drawing.h"
#include "model/Link.h"

namespace zuvar {

class TSchematObserver;
class TTextMeasurer;
class TSchemat;

// The type of a block. A stored value outside 0..7 is kept as it is: such a block has no figure
// and SetShape leaves its size.
enum TNewShapeType : uint8_t {
  nstStart = 0,
  nstStop,
  nstContinuum,
  nstCalc,
  nstInOut,
  nstChoice,
  nstNode,
  nstNULL
};

// Sides of a block, used by every connection.
inline constexpr int32_t sideTop = 1;
inline constexpr int32_t sideLeft = 2;
inline constexpr int32_t sideRight = 3;
inline constexpr int32_t sideBottom = 4;

// One block of a flowchart: its type, bounds on the sheet, code, identifier and up to two
// outgoing connections. The block owns the links of its exits.
class TNewShape {
 public:
  // A block of 50 x 50 with the defaults of a new block.
  explicit TNewShape(TSchematObserver* observer = nullptr);
  // Clears every exit of the other blocks that points at this block (walking the list backward
  // from Prev, then forward from Next), then both own exits.
  ~TNewShape();
  TNewShape(const TNewShape&) = delete;
  TNewShape& operator=(const TNewShape&) = delete;

  int32_t Left = 0;
  int32_t Top = 0;
  int32_t Width = 50;
  int32_t Height = 50;
  int32_t Tag = 0;
  // Main (TRUE) and FALSE exit targets: read freely, written only via SetBlockLink(False).
  TNewShape* BlockLink = nullptr;
  TNewShape* BlockLinkFalse = nullptr;
  uint8_t ConditionResult = 0;
  TColor TrueLinkColor = clGreen;
  TColor FalseLinkColor = clRed;
  uint32_t LoadedLinkId = 0;
  uint32_t LoadedLinkFalseId = 0;
  int32_t LoadedLinkCode = 0;
  int32_t LoadedLinkFalseCode = 0;
  bool Dragging = false;
  int32_t DragOffsetX = 0;
  int32_t DragOffsetY = 0;
  TPen Pen;
  TBrush Brush;
  TBrush SavedBrush;
  // Read freely, written only via SetShape.
  TNewShapeType Shape = nstNULL;
  uint32_t Id = 0;
  std::unique_ptr<TLink> OutLink;
  std::unique_ptr<TLink> OutLinkFalse;
  int32_t EntrySide = 0;
  int32_t ExitSide = 0;
  // Read freely, written only via SetCaption.
  std::string Caption = "?x?";
  std::vector<std::string> Code;
  TNewShape* Prev = nullptr;
  TNewShape* Next = nullptr;

  // Sets the text shown in the block and tells the observer when it changed.
  void SetCaption(const std::string& caption);
  // Stores the type and applies its starting size (a node also gets its silver fill).
  void SetShape(TNewShapeType shape);
  // Set an exit: the old link goes, and for a target a new link is routed from side ExitSide
  // of this block to side EntrySide of the target, with a black pen of width 1.
  void SetBlockLink(TNewShape* target);
  void SetBlockLinkFalse(TNewShape* target);
  void SetPen(const TPen& pen);
  void SetBrush(const TBrush& brush);
  // Re-routes both links from their own codes after this block or a target moved or resized.
  void LinksRedraw();
  // The midpoint of side 1 top, 2 left, 3 right or 4 bottom (halves truncated toward zero);
  // any other side gives the centre of the block.
  TPoint ConnectionPoint(int32_t side) const;

  // Recomputes Caption from Code and the size from the caption's width by type. Returns true
  // when the size changed (the caller then re-routes the links touching the block).
  bool UpdateLayout(const TTextMeasurer& measurer);

  // Moves the block and tells the observer; the links are not re-routed here.
  void MoveTo(int32_t left, int32_t top);
  // Sets the size and tells the observer; the links are not re-routed here.
  void Resize(int32_t width, int32_t height);

  // Gives a decision block's links their colours: OutLink TrueLinkColor, OutLinkFalse
  // FalseLinkColor. Other blocks keep black links.
  void ColourDecisionLinks();

  // Where the "T" or "F" letter of a decision block stands (left, top on the sheet) for a link
  // leaving through exitSide; any other side gives the block's top-left corner.
  TPoint LetterPosition(int32_t exitSide) const;

  // Clears every exit of the other blocks that points at this block, then both own exits.
  // The destructor does the same; calling it earlier lets the document report the freed links
  // while the block is still whole.
  void UnlinkAll();

  // Number of exits of other blocks that point at this block.
  int32_t IncomingCount() const { return incoming_; }

  TSchematObserver* Observer() const { return observer_; }
  // Sets the observer of this block and of its links.
  void SetObserver(TSchematObserver* observer);

 private:
  friend class TSchemat;
  void SetExit(TNewShape*& target, std::unique_ptr<TLink>& link, TNewShape* newTarget);
  void DestroyLink(std::unique_ptr<TLink>& link);
  void ClearExitsPointingAtMe();
  int ClearExitsOf(TNewShape& other);
  void RedrawLink(TLink* link, const TNewShape* target);

  TSchematObserver* observer_ = nullptr;
  int32_t incoming_ = 0;
  std::size_t slot_ = 0;
};

}  // namespace zuvar
