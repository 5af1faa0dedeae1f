#include "editor/SchematView.h"

#include <QApplication>
#include <QCursor>
#include <QElapsedTimer>
#include <QGraphicsEllipseItem>
#include <QGraphicsLineItem>
#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QGuiApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QPen>
#include <QScrollBar>
#include <QThread>
#include <QUndoStack>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "editor/BlockFont.h"
#include "editor/BlockItem.h"
#include "editor/BlockMouse.h"
#include "editor/BlockPainter.h"
#include "editor/CanvasHost.h"
#include "editor/LinkItem.h"
#include "editor/LinkMouse.h"
#include "editor/ScreenMarks.h"
#include "editor/SheetMouse.h"
#include "editor/ZoomControl.h"
#include "editor/commands/DeleteBlocksCommand.h"

namespace zuvar {

namespace {
constexpr int kMarkerSize = TSheetItems::MarkerSize;
constexpr qreal kOverlayZ = 1e12;  // the band and the rubber line stay above everything
}  // namespace

TSchematView::TSchematView(TCanvasHost& host, TSchemat& document, QUndoStack& undoStack,
                           QWidget* parent)
    : QGraphicsView(parent),
      host_(host),
      scene_(std::make_unique<QGraphicsScene>()),
      document_(document),
      undoStack_(undoStack) {
  setObjectName(QStringLiteral("Schemat"));
  setFrameShape(QFrame::NoFrame);
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setTransformationAnchor(QGraphicsView::NoAnchor);
  setResizeAnchor(QGraphicsView::NoAnchor);
  setViewportUpdateMode(QGraphicsView::MinimalViewportUpdate);
  setMouseTracking(true);
  scene_->setItemIndexMethod(QGraphicsScene::NoIndex);
  scene_->setBackgroundBrush(palette().window());
  setScene(scene_.get());
  setFont(TBlockFont::Font());
  BuildScene();
  items_ = std::make_unique<TSheetItems>(*this, *Sheet, host_);
  blockMenu_ = std::make_unique<QMenu>();
  sheetMouse_ = std::make_unique<TSheetMouse>(*this);
  blockMouse_ = std::make_unique<TBlockMouse>(*this);
  linkMouse_ = std::make_unique<TLinkMouse>(*this);
  zoom_ = std::make_unique<TZoomControl>(*this);
  items_->ShowExisting(document_);
  document_.SetObserver(this);
  SetScrollRanges();
}

// The document outlives the canvas: it stops telling the canvas before the items go.
TSchematView::~TSchematView() {
  document_.SetObserver(nullptr);
  setScene(nullptr);
}

void TSchematView::BuildScene() {
  Sheet = scene_->addRect(0, 0, 0, 0, Qt::NoPen, QBrush(Qt::white));
  Sheet->setPos(SheetLeft, SheetTop);
  // Blocks, links, markers and letters are parts of the sheet: whatever lies past its edge
  // (a block placed near a corner, a group pushed over the edge) is neither drawn on the grey
  // margin nor hit there.
  Sheet->setFlag(QGraphicsItem::ItemClipsChildrenToShape);
  TitleLabel = scene_->addSimpleText(QString::fromStdString(document_.Title));
  QFont titleFont = TBlockFont::Font();
  titleFont.setPixelSize(16);  // a 12-point caption
  TitleLabel->setFont(titleFont);
  TitleLabel->setBrush(TBlockPainter::ToQColor(clYellow));
  TitleLabel->setPos(50, 2);
  Band = new QGraphicsRectItem(Sheet);
  Band->setPen(QPen(Qt::black, 1, Qt::DotLine));
  Band->setBrush(Qt::NoBrush);
  Band->setZValue(kOverlayZ);
  Band->hide();
  LinkHandle = new QGraphicsEllipseItem(0, 0, kMarkerSize - 1, kMarkerSize - 1, Sheet);
  LinkHandle->setPen(QPen(Qt::black));
  LinkHandle->setBrush(Qt::black);
  LinkHandle->hide();
  RubberLine = new QGraphicsLineItem(Sheet);
  RubberLine->setPen(QPen(Qt::black));
  RubberLine->setZValue(kOverlayZ);
  RubberLine->hide();
  SheetResized();
}

// ---- sheet, scrolling and title -------------------------------------------------------------

namespace {
// A file may give the sheet any size; what is shown stays within what scroll bars can count.
constexpr qreal kLargestShownSide = 1 << 24;

qreal ShownSide(int32_t side) { return std::clamp<qreal>(side, 0, kLargestShownSide); }
}  // namespace

void TSchematView::SetSheetSize(int32_t width, int32_t height) {
  document_.SetSheetSize(width, height);
}

void TSchematView::SheetResized() {
  Sheet->setRect(0, 0, ShownSide(document_.SheetWidth), ShownSide(document_.SheetHeight));
  SetScrollRanges();
}

void TSchematView::SetScrollRanges() {
  scene_->setSceneRect(0, 0, ShownSide(document_.SheetWidth) + 2 * SheetLeft,
                       ShownSide(document_.SheetHeight) + 2 * SheetTop);
}

int TSchematView::HorzRange() const { return static_cast<int>(scene_->sceneRect().width()); }
int TSchematView::VertRange() const { return static_cast<int>(scene_->sceneRect().height()); }
int TSchematView::HorzPosition() const { return horizontalScrollBar()->value(); }
int TSchematView::VertPosition() const { return verticalScrollBar()->value(); }
void TSchematView::SetHorzPosition(int position) { horizontalScrollBar()->setValue(position); }
void TSchematView::SetVertPosition(int position) { verticalScrollBar()->setValue(position); }

void TSchematView::ScrollToHorizontalMiddle() {
  SetHorzPosition(horizontalScrollBar()->maximum());
  SetHorzPosition(HorzPosition() / 2);
}

void TSchematView::SetTitle(const std::string& title) { document_.SetTitle(title); }

void TSchematView::TitleChanged() { TitleLabel->setText(QString::fromStdString(document_.Title)); }

void TSchematView::CenterTitle() {
  const int labelWidth = static_cast<int>(TitleLabel->boundingRect().width());
  TitleLabel->setX(SheetLeft + document_.SheetWidth / 2 - labelWidth / 2);
}

QPoint TSchematView::ViewportOfSheet(int32_t x, int32_t y) const {
  return mapFromScene(QPointF(SheetLeft + x, SheetTop + y));
}

std::optional<QPoint> TSchematView::PointerOnSheet() const {
  const QPoint global = QCursor::pos();
  if (QApplication::widgetAt(global) != viewport()) return std::nullopt;
  const QPoint p = ToSheet(viewport()->mapFromGlobal(global));
  if (p.x() < 0 || p.y() < 0 || p.x() >= document_.SheetWidth || p.y() >= document_.SheetHeight)
    return std::nullopt;
  return p;
}

void TSchematView::ScrollInView(const QRectF& sheetRect) {
  ensureVisible(sheetRect.translated(SheetLeft, SheetTop), 0, 0);
}

void TSchematView::ScrollInView(const TNewShape& block) {
  ScrollInView(QRectF(block.Left, block.Top, block.Width, block.Height));
}

void TSchematView::PauseAfterScroll(int milliseconds) {
  viewport()->repaint();
  QThread::msleep(static_cast<unsigned long>(milliseconds));
}

void TSchematView::WheelScroll(int steps) { ScrollBySheet(0, 35 * steps); }

void TSchematView::ScrollBySheet(int32_t dx, int32_t dy) {
  const qreal factor = zoom_->Factor();
  SetHorzPosition(HorzPosition() + static_cast<int>(std::lround(dx * factor)));
  SetVertPosition(VertPosition() + static_cast<int>(std::lround(dy * factor)));
}

void TSchematView::wheelEvent(QWheelEvent* event) {
  const int delta = event->angleDelta().y();
  if (event->modifiers() & Qt::ControlModifier) {
    event->accept();
    zoom_->Wheel(delta, event->position());
    return;
  }
  if (delta != 0) WheelScroll(delta < 0 ? 1 : -1);
  event->accept();
}

// ---- active block, selection and commands ---------------------------------------------------

void TSchematView::SetActiveBlock(TNewShape* block) {
  if (block != nullptr) host_.SetSourceEditorEnabled(true);
  TNewShape* previous = document_.ActiveBlock;
  document_.SetActiveBlock(block);
  if (previous != nullptr) previous->SetBrush(previous->SavedBrush);
  if (block == nullptr) {
    host_.SetSourceEditorEnabled(false);
    return;
  }
  block->SavedBrush = block->Brush;
  block->SetBrush(TBrush::Solid(clLime));
  const bool scrolls = !(QGuiApplication::mouseButtons() & Qt::LeftButton);
  if (deferred_) {
    RememberFront(*block);
    if (scrolls) pendingScroll_ = QRectF(block->Left, block->Top, block->Width, block->Height);
    return;
  }
  BringToFront(*block);
  if (scrolls) ScrollInView(*block);
}

void TSchematView::SetDeferred(bool deferred) {
  if (!deferred) FlushDeferred();
  deferred_ = deferred;
}

// Moves the block to the end of the list, so that the blocks come to the front in the order they
// were last asked for. A long list is applied at once: looking through it would cost more than
// the work it saves (repaints likewise).
void TSchematView::RememberFront(TNewShape& block) {
  // A run keeps asking for the block it has just asked for: that changes nothing.
  if (!pendingFront_.empty() && pendingFront_.back() == &block) return;
  std::erase(pendingFront_, &block);
  pendingFront_.push_back(&block);
  if (pendingFront_.size() > kMostPending) FlushDeferred();
}

void TSchematView::RememberRepaint(TNewShape& block) {
  // Repaints are independent of each other: a block already waiting keeps its place.
  if (std::find(pendingRepaint_.begin(), pendingRepaint_.end(), &block) != pendingRepaint_.end())
    return;
  pendingRepaint_.push_back(&block);
  if (pendingRepaint_.size() > kMostPending) FlushDeferred();
}

void TSchematView::FlushDeferred() {
  for (TNewShape* block : pendingRepaint_) items_->Repaint(*block);
  pendingRepaint_.clear();
  for (TNewShape* block : pendingFront_) items_->BringToFront(*block);
  pendingFront_.clear();
  if (pendingScroll_) ScrollInView(*pendingScroll_);
  pendingScroll_.reset();
}

void TSchematView::RequestScrollInView(const QRectF& sheetRect) {
  if (deferred_)
    pendingScroll_ = sheetRect;
  else
    ScrollInView(sheetRect);
}

void TSchematView::MarkSelected(TNewShape& block) {
  block.SetPen(TPen{clRed, block.Pen.Width});
  block.SavedBrush = TBrush::Solid(clYellow);
  block.SetBrush(block.SavedBrush);
}

void TSchematView::MarkUnselected(TNewShape& block) {
  block.SetPen(TPen{clBlack, block.Pen.Width});
  block.SavedBrush = TBrush::Solid(block.Shape == nstNode ? clSilver : clWhite);
  block.SetBrush(block.SavedBrush);
}

void TSchematView::SelectTool(TNewShapeType tool) {
  Tool = tool;
  static constexpr int kSlots[] = {1, 2, 6, 3, 4, 5, 7};  // by block type
  SetSheetCursor(tool < nstNULL ? cursors_.Cursor(kSlots[tool]) : QCursor(Qt::ArrowCursor));
}

void TSchematView::SetSheetCursor(const QCursor& cursor) {
  sheetCursor_ = cursor;
  viewport()->setCursor(cursor);
}

void TSchematView::Usu2Click() {
  TNewShape* block = document_.ActiveBlock;
  if (block == nullptr) return;
  SetActiveBlock(nullptr);
  undoStack_.push(new TDeleteBlocksCommand(*this, {block->Id}, QStringLiteral("Usunięcie bloku")));
}

void TSchematView::Usuzaznaczoneelementy1Click() { DeleteWithSelection(document_.ActiveBlock); }

// The given block (the active one, or the one whose menu was used) goes first, then every
// selected block in list order.
void TSchematView::DeleteWithSelection(TNewShape* first) {
  std::vector<uint32_t> ids;
  if (first != nullptr) ids.push_back(first->Id);
  if (document_.ActiveBlock != nullptr) SetActiveBlock(nullptr);
  for (TNewShape* block = document_.FirstBlock; block != nullptr; block = block->Next) {
    if (IsSelected(*block) && block != first) ids.push_back(block->Id);
  }
  if (ids.empty()) return;
  undoStack_.push(new TDeleteBlocksCommand(*this, std::move(ids),
                                           QStringLiteral("Usunięcie zaznaczonych elementów")));
}

void TSchematView::Zaznaczwszystkieelementy1Click() {
  for (TNewShape* block = document_.FirstBlock; block != nullptr; block = block->Next) {
    MarkSelected(*block);
  }
}

void TSchematView::LayoutBlock(TNewShape& block) { document_.LayoutBlock(&block, measurer_); }

void TSchematView::LayoutAll() { document_.LayoutAll(measurer_); }

// ---- items ----------------------------------------------------------------------------------

void TSchematView::BringToFront(TNewShape& block) { items_->BringToFront(block); }

void TSchematView::BringHandleToFront() { LinkHandle->setZValue(items_->NextZ()); }

void TSchematView::ShowSideMarker(TNewShape& block, int32_t side) {
  items_->ShowSideMarker(block, side);
}

void TSchematView::HideSideMarker(TNewShape& block) { items_->HideSideMarker(block); }

bool TSchematView::SideMarkerVisible(TNewShape& block) { return items_->SideMarkerVisible(block); }

// ---- observer -------------------------------------------------------------------------------

// The items follow the document; what the canvas itself remembers of a block or a link that
// goes is forgotten here.
void TSchematView::BlockAdded(TNewShape& block) { items_->BlockAdded(block); }

void TSchematView::BlockRemoved(TNewShape& block) {
  DropPending(block);
  ForgetBlock(block);
  items_->BlockRemoved(block);
}

void TSchematView::DropPending(const TNewShape& block) {
  std::erase(pendingFront_, &block);
  std::erase(pendingRepaint_, &block);
}

// Whatever the canvas remembers of a block that goes, apart from its items.
void TSchematView::ForgetBlock(const TNewShape& block) {
  if (LinkSource == &block) {
    LinkSource = nullptr;
    LinkHandle->hide();
  }
  if (capture_.block == &block) capture_ = THit{};
  if (lineMarkBlock_ == &block) lineMarkBlock_ = nullptr;
}

void TSchematView::ForgetLink(const TLink* link) {
  if (link != nullptr && capture_.line != nullptr && capture_.line->Owner == link)
    capture_ = THit{};
}

void TSchematView::DeleteBlocks(const std::vector<TNewShape*>& blocks) {
  constexpr std::size_t kManyBlocks = 16;
  if (blocks.size() >= kManyBlocks) RemoveItemsOf(blocks);
  for (TNewShape* block : blocks) document_.DeleteBlock(block);
}

// The items of the blocks and of the links leaving them go before the blocks do, all together.
void TSchematView::RemoveItemsOf(const std::vector<TNewShape*>& blocks) {
  for (TNewShape* block : blocks) {
    ForgetLink(block->OutLink.get());
    ForgetLink(block->OutLinkFalse.get());
    DropPending(*block);
    ForgetBlock(*block);
  }
  items_->RemoveItemsOf(blocks);
}

void TSchematView::BlockMoved(TNewShape& block) { items_->BlockMoved(block); }

void TSchematView::BlockResized(TNewShape& block) { items_->BlockResized(block); }

void TSchematView::BlockCaptionChanged(TNewShape& block) { items_->BlockCaptionChanged(block); }

void TSchematView::BlockRepaint(TNewShape& block) {
  if (deferred_)
    RememberRepaint(block);
  else
    items_->Repaint(block);
}

void TSchematView::LinkCreated(TLink& link) { items_->LinkCreated(link); }

void TSchematView::LinkDestroyed(TLink& link) {
  ForgetLink(&link);
  items_->LinkDestroyed(link);
}

void TSchematView::LinkRerouted(TLink& link) { items_->LinkRerouted(link); }

void TSchematView::LinkRepaint(TLink& link) { items_->LinkRepaint(link); }

void TSchematView::LinkShown(TLink& link) { items_->LinkShown(link); }

void TSchematView::LinkHidden(TLink& link) { items_->LinkHidden(link); }

// ---- mouse input ----------------------------------------------------------------------------

// The sheet pixel under the pointer is tested at its centre. Zoomed out, one screen pixel
// covers several sheet pixels, and all of them are tested, so that a link's thin segment can
// still be caught.
TSchematView::THit TSchematView::HitAt(const QPointF& viewportPos) const {
  const QPoint sheet = ToSheet(viewportPos);
  const QPointF corner(SheetLeft + sheet.x(), SheetTop + sheet.y());
  const qreal span = std::max<qreal>(1, 1 / zoom_->Factor());
  const QRectF area(corner + QPointF(0.25, 0.25), QSizeF(span - 0.5, span - 0.5));
  const QList<QGraphicsItem*> hits =
      span <= 1 ? scene_->items(area.center(), Qt::IntersectsItemShape, Qt::DescendingOrder)
                : scene_->items(area, Qt::IntersectsItemShape, Qt::DescendingOrder);
  for (QGraphicsItem* item : hits) {
    if (!item->isVisible()) continue;
    if (item == LinkHandle) return THit{THit::Handle};
    if (item->type() == TBlockItem::Type)
      return THit{THit::Block, &static_cast<TBlockItem*>(item)->Block()};
    if (item->type() == TLinkItem::Type) {
      const QRectF sheetArea = area.translated(-Sheet->pos());
      if (TLine* line = static_cast<TLinkItem*>(item)->SegmentAt(sheetArea))
        return THit{THit::Segment, nullptr, line};
      continue;
    }
    if (item == Sheet) return THit{THit::Sheet};
  }
  return THit{};
}

// A pixel's top-left corner mapped to the scene; the small bias keeps a corner that lands on
// a sheet pixel's edge (a zoom of a third) from rounding down into the pixel before it.
QPoint TSchematView::ToSheet(const QPointF& viewportPos) const {
  const QPointF scenePos = mapToScene(viewportPos.toPoint());
  constexpr qreal kBias = 1e-4;
  return QPoint(static_cast<int>(std::floor(scenePos.x() + kBias)) - SheetLeft,
                static_cast<int>(std::floor(scenePos.y() + kBias)) - SheetTop);
}

void TSchematView::UpdateHoverCursor(const THit& hit) {
  switch (hit.kind) {
    case THit::Block:
      viewport()->setCursor(Qt::PointingHandCursor);
      break;
    case THit::Handle:
      viewport()->setCursor(Qt::CrossCursor);
      break;
    case THit::Segment:
      viewport()->setCursor(hit.line->Orientation == TLine::Vertical ? Qt::SizeHorCursor
                                                                     : Qt::SizeVerCursor);
      break;
    default:
      viewport()->setCursor(sheetCursor_);
      break;
  }
}

void TSchematView::Dispatch(const THit& hit, QMouseEvent* event, int phase) {
  const QPoint p = ToSheet(event->position());
  const Qt::MouseButton button = event->button();
  const Qt::MouseButtons buttons = event->buttons();
  const Qt::KeyboardModifiers modifiers = event->modifiers();
  switch (hit.kind) {
    case THit::Sheet:
      if (phase == 0) sheetMouse_->SchematMouseDown(button, p.x(), p.y());
      if (phase == 1) sheetMouse_->SchematMouseMove(buttons, p.x(), p.y());
      if (phase == 2) sheetMouse_->SchematMouseUp(button, p.x(), p.y());
      break;
    case THit::Block: {
      TNewShape& block = *hit.block;
      const int x = p.x() - block.Left;
      const int y = p.y() - block.Top;
      if (phase == 0) blockMouse_->NewShapeMouseDown(block, button, modifiers, x, y);
      if (phase == 1) blockMouse_->NewShapeMouseMove(block, buttons, x, y);
      if (phase == 2)
        blockMouse_->NewShapeMouseUp(block, button, x, y, event->globalPosition().toPoint());
      break;
    }
    case THit::Handle:
      if (phase == 1) linkMouse_->LinkHandleMouseMove(buttons, p.x(), p.y());
      if (phase == 2) linkMouse_->LinkHandleMouseUp(button, p.x(), p.y());
      break;
    case THit::Segment:
      if (phase == 0) linkMouse_->SegmentMouseDown(*hit.line, button, p.x(), p.y());
      if (phase == 1) linkMouse_->SegmentMouseMove(*hit.line, buttons, p.x(), p.y());
      if (phase == 2) linkMouse_->SegmentMouseUp(*hit.line, button);
      break;
    case THit::None:
      break;
  }
}

void TSchematView::ShowBall(const QRectF& bounds) {
  if (ball_ == nullptr) {
    ball_ = new QGraphicsEllipseItem(Sheet);
    ball_->setPen(QPen(Qt::black));
    ball_->setBrush(TBlockPainter::ToQColor(clLime));
    ball_->setZValue(kOverlayZ);
  }
  ball_->setRect(0, 0, bounds.width() - 1, bounds.height() - 1);
  ball_->setPos(bounds.topLeft());
}

void TSchematView::RemoveBall() {
  delete ball_;
  ball_ = nullptr;
}

void TSchematView::mousePressEvent(QMouseEvent* event) {
  event->accept();
  if (!sheetEnabled_) return;
  if (captureButtons_ == Qt::NoButton) capture_ = HitAt(event->position());
  captureButtons_ = event->buttons();
  Dispatch(capture_, event, 0);
}

void TSchematView::mouseMoveEvent(QMouseEvent* event) {
  event->accept();
  if (!sheetEnabled_) return;
  THit target = capture_;
  if (event->buttons() == Qt::NoButton || capture_.kind == THit::None) {
    target = HitAt(event->position());
    if (event->buttons() == Qt::NoButton)
      UpdateHoverCursor(target);
    else
      target = THit{};
  }
  Dispatch(target, event, 1);
}

void TSchematView::mouseReleaseEvent(QMouseEvent* event) {
  event->accept();
  if (!sheetEnabled_) return;
  const THit target = capture_;
  if (event->buttons() == Qt::NoButton) {
    capture_ = THit{};
    captureButtons_ = Qt::NoButton;
  }
  Dispatch(target, event, 2);
  if (event->buttons() == Qt::NoButton) UpdateHoverCursor(HitAt(event->position()));
}

void TSchematView::mouseDoubleClickEvent(QMouseEvent* event) {
  mousePressEvent(event);
  if (!sheetEnabled_) return;
  if (capture_.kind == THit::Block && event->button() == Qt::LeftButton)
    blockMouse_->NewShapeDblClick(*capture_.block);
}

void TSchematView::contextMenuEvent(QContextMenuEvent* event) {
  // A block opens its menu on the release of the right button.
  event->accept();
}

void TSchematView::SetBreakpointMark(const TNewShape* block, bool on, const QString& condition) {
  ScreenMarks::SetBreakpointDot(ItemOf(block), on, condition);
}

bool TSchematView::HasBreakpointMark(const TNewShape* block) const {
  return ScreenMarks::HasBreakpointDot(ItemOf(block));
}

void TSchematView::SetLineMark(const TNewShape* block, int line, int count) {
  const bool shown = block != nullptr && line >= 1 && count >= 2;
  if (lineMarkBlock_ != nullptr && (!shown || lineMarkBlock_ != block)) {
    ScreenMarks::RemoveLineMark(ItemOf(lineMarkBlock_));
    lineMarkBlock_ = nullptr;
  }
  TBlockItem* item = shown ? ItemOf(block) : nullptr;
  if (item == nullptr) return;
  ScreenMarks::SetLineMark(item, line, count);
  lineMarkBlock_ = block;
}

QString TSchematView::LineMarkText(const TNewShape* block) const {
  return ScreenMarks::LineMarkText(ItemOf(block));
}

}  // namespace zuvar
