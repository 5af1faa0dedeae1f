#pragma once

#include <QGraphicsView>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "editor/QtTextMeasurer.h"
#include "editor/SheetItems.h"
#include "editor/ToolCursors.h"
#include "model/NewShape.h"
#include "model/Schemat.h"
#include "model/SchematObserver.h"

class QGraphicsEllipseItem;
class QGraphicsLineItem;
class QGraphicsRectItem;
class QGraphicsSimpleTextItem;
class QMenu;
class QUndoStack;

namespace zuvar {

class TBlockItem;
class TBlockMouse;
class TCanvasHost;
class TLinkItem;
class TLinkMouse;
class TSheetMouse;
class TZoomControl;

// The diagram canvas: a scrolling view over a scene that carries the white drawing sheet with
// the blocks and links of a document that its creator owns and keeps alive longer than the
// canvas. It shows the blocks the document already has, then observes the document and updates
// only the items of what changed; mouse input is passed to the sheet, a block, a link segment or
// the connection grip under the pointer, which keeps the pointer until its buttons are released.
class TSchematView : public QGraphicsView, private TSchematObserver {
  Q_OBJECT
 public:
  static constexpr int SheetLeft = 50;
  static constexpr int SheetTop = 30;

  // Every edit made on the canvas goes as a command onto the undo stack, which, like the
  // document, outlives the canvas.
  TSchematView(TCanvasHost& host, TSchemat& document, QUndoStack& undoStack,
               QWidget* parent = nullptr);
  ~TSchematView() override;

  TSchemat& Document() { return document_; }
  TCanvasHost& Host() { return host_; }
  QUndoStack& UndoStack() { return undoStack_; }

  // The visual fields of the canvas.
  int32_t PressX = 0;
  int32_t PressY = 0;
  bool BandActive = false;
  bool BandArmed = false;
  QGraphicsSimpleTextItem* TitleLabel = nullptr;
  TNewShapeType Tool = nstNULL;
  int32_t LinkStartX = 0;
  int32_t LinkStartY = 0;
  QGraphicsEllipseItem* LinkHandle = nullptr;
  TNewShape* LinkSource = nullptr;
  int32_t LinkExitSide = 0;
  QGraphicsLineItem* RubberLine = nullptr;  // what is drawn on the sheet's canvas
  QGraphicsRectItem* Band = nullptr;
  QGraphicsRectItem* Sheet = nullptr;

  // The active block with its lime fill (the document side moves the code).
  void SetActiveBlock(TNewShape* block);
  // A real-time run raises the active block and scrolls it into view once per displayed frame
  // rather than at every step: while deferring, the blocks made active are remembered in the
  // order they were made so, with the latest area to scroll into view and the blocks to
  // repaint; FlushDeferred applies them as the steps would have. Leaving the deferral flushes.
  void SetDeferred(bool deferred);
  bool Deferred() const { return deferred_; }
  void FlushDeferred();
  // Scrolls an area of the sheet into view, at the next flush while deferring.
  void RequestScrollInView(const QRectF& sheetRect);

  // Deletes the blocks from the document, in the given order; many at once have their items
  // taken off the sheet together first.
  void DeleteBlocks(const std::vector<TNewShape*>& blocks);

  // Sheet size, scroll ranges and title.
  void SetSheetSize(int32_t width, int32_t height);
  void SetScrollRanges();
  void SetTitle(const std::string& title);
  void CenterTitle();
  void ScrollToHorizontalMiddle();
  int HorzPosition() const;
  int VertPosition() const;
  void SetHorzPosition(int position);
  void SetVertPosition(int position);
  int HorzRange() const;
  int VertRange() const;

  // During a run the sheet takes no mouse input.
  void SetSheetEnabled(bool enabled) { sheetEnabled_ = enabled; }
  bool SheetEnabled() const { return sheetEnabled_; }
  // The ball that travels along a link in the simulation's animation (sheet coordinates).
  void ShowBall(const QRectF& bounds);
  void RemoveBall();

  // Caption and size of every block from its code, then every link re-routed.
  void LayoutAll();
  void LayoutBlock(TNewShape& block);
  // The text widths of the canvas's block font.
  const TTextMeasurer& Measurer() const { return measurer_; }

  // Editing commands of the main window.
  void SelectTool(TNewShapeType tool);
  void Usu2Click();
  void Usuzaznaczoneelementy1Click();
  // Deletes a block (none for null) and then the selected blocks, as one edit.
  void DeleteWithSelection(TNewShape* first);
  void Zaznaczwszystkieelementy1Click();
  // Scrolls by the mouse wheel: 35 sheet pixels per step, down for a positive count.
  void WheelScroll(int steps);
  // Scrolls by a distance in sheet pixels, whatever the zoom.
  void ScrollBySheet(int32_t dx, int32_t dy);
  // The sheet pixel under a viewport point, through the zoom: every mouse position reaches the
  // sheet through here.
  QPoint ToSheet(const QPointF& viewportPos) const;
  TZoomControl& Zoom() { return *zoom_; }
  const TZoomControl& Zoom() const { return *zoom_; }

  // Helpers shared by the mouse handlers.
  static bool IsSelected(const TNewShape& block) { return block.Pen.Color == clRed; }
  static void MarkSelected(TNewShape& block);
  static void MarkUnselected(TNewShape& block);
  void ScrollInView(const TNewShape& block);
  void ScrollInView(const QRectF& sheetRect);
  void SetSheetCursor(const QCursor& cursor);
  void BringToFront(TNewShape& block);
  void ShowSideMarker(TNewShape& block, int32_t side);
  void HideSideMarker(TNewShape& block);
  bool SideMarkerVisible(TNewShape& block);
  void BringHandleToFront();
  // Waits after an automatic scroll step, letting the view repaint.
  void PauseAfterScroll(int milliseconds);
  QPoint ViewportOfSheet(int32_t x, int32_t y) const;
  // The sheet point under the mouse pointer when the pointer is over the sheet of this canvas
  // and nothing covers it there.
  std::optional<QPoint> PointerOnSheet() const;
  QMenu& BlockMenu() { return *blockMenu_; }
  TBlockMouse& BlockMouse() { return *blockMouse_; }
  TSheetMouse& SheetMouse() { return *sheetMouse_; }
  TLinkMouse& LinkMouse() { return *linkMouse_; }

  // The items that show the document, for tests and the benchmarks.
  TBlockItem* ItemOf(const TNewShape* block) const { return items_->ItemOf(block); }
  TLinkItem* ItemOf(const TLink* link) const { return items_->ItemOf(link); }
  QGraphicsSimpleTextItem* LetterOf(const TNewShape* block, bool trueLetter) const {
    return items_->LetterOf(block, trueLetter);
  }

  // The red dot at a block's top-left corner that marks its breakpoint; a conditional one has a
  // dark blue ring and shows its condition as a tool tip. It is a mark for the screen only:
  // printing, the preview and the export hide it (see ScreenMarks).
  void SetBreakpointMark(const TNewShape* block, bool on, const QString& condition = QString());
  bool HasBreakpointMark(const TNewShape* block) const;
  // The mark "line/count" beside a block of more than one code line: which of its lines a run
  // ran last. At most one block has it; a line of 0, a count below 2 or no block takes it
  // away. Screen only, as the breakpoint dot.
  void SetLineMark(const TNewShape* block, int line, int count);
  // The text of the block's line mark, empty when it has none.
  QString LineMarkText(const TNewShape* block) const;
  const TToolCursors& Cursors() const { return cursors_; }
  const QCursor& SheetCursor() const { return sheetCursor_; }

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  // What the pointer is over.
  struct THit {
    enum Kind { None, Sheet, Block, Segment, Handle } kind = None;
    TNewShape* block = nullptr;
    TLine* line = nullptr;
  };

  void BuildScene();
  THit HitAt(const QPointF& viewportPos) const;
  void Dispatch(const THit& hit, QMouseEvent* event, int phase);
  void UpdateHoverCursor(const THit& hit);
  // Deferred work waits for at most this many blocks of each kind.
  static constexpr std::size_t kMostPending = 64;
  void RememberFront(TNewShape& block);
  void RememberRepaint(TNewShape& block);
  void DropPending(const TNewShape& block);
  void ForgetBlock(const TNewShape& block);
  void ForgetLink(const TLink* link);
  void RemoveItemsOf(const std::vector<TNewShape*>& blocks);

  // TSchematObserver
  void SheetResized() override;
  void TitleChanged() override;
  void BlockAdded(TNewShape& block) override;
  void BlockRemoved(TNewShape& block) override;
  void BlockMoved(TNewShape& block) override;
  void BlockResized(TNewShape& block) override;
  void BlockCaptionChanged(TNewShape& block) override;
  void BlockRepaint(TNewShape& block) override;
  void LinkCreated(TLink& link) override;
  void LinkDestroyed(TLink& link) override;
  void LinkRerouted(TLink& link) override;
  void LinkRepaint(TLink& link) override;
  void LinkShown(TLink& link) override;
  void LinkHidden(TLink& link) override;

  TCanvasHost& host_;
  TQtTextMeasurer measurer_;
  TToolCursors cursors_;
  QCursor sheetCursor_;
  std::unique_ptr<QGraphicsScene> scene_;
  std::unique_ptr<TSheetItems> items_;
  std::unique_ptr<QMenu> blockMenu_;
  std::unique_ptr<TSheetMouse> sheetMouse_;
  std::unique_ptr<TBlockMouse> blockMouse_;
  std::unique_ptr<TLinkMouse> linkMouse_;
  std::unique_ptr<TZoomControl> zoom_;
  THit capture_;
  Qt::MouseButtons captureButtons_;
  bool deferred_ = false;
  std::vector<TNewShape*> pendingFront_;
  std::vector<TNewShape*> pendingRepaint_;
  std::optional<QRectF> pendingScroll_;
  bool sheetEnabled_ = true;
  QGraphicsEllipseItem* ball_ = nullptr;
  const TNewShape* lineMarkBlock_ = nullptr;
  TSchemat& document_;
  QUndoStack& undoStack_;
};

}  // namespace zuvar
