#include "editor/BlockMouse.h"

#include <QAction>
#include <QGraphicsEllipseItem>
#include <QMenu>
#include <QUndoStack>
#include <algorithm>
#include <cstdlib>

#include "editor/CanvasHost.h"
#include "editor/SchematView.h"
#include "editor/commands/BreakLinksCommand.h"
#include "editor/commands/ConnectCommand.h"
#include "editor/commands/DeleteBlocksCommand.h"
#include "editor/commands/MoveBlocksCommand.h"
#include "model/GridSnap.h"

namespace zuvar {

namespace {
const char* const kTrueQuestion = "Czy to ma być połączenie dla PRAWDY?";
const char* const kDeleteTrueQuestion = "Kasować połączenie dla PRAWDY?";
const char* const kChoiceCaption = "Twój wybór....";

bool TargetSelected(const TNewShape* target) {
  return target != nullptr && TSchematView::IsSelected(*target);
}

void HideLink(TLink* link) {
  if (link != nullptr && link->Visible) link->Hide();
}

void ShowLink(TLink* link) {
  if (link != nullptr && !link->Visible) link->Show();
}
}  // namespace

// ---- press ----------------------------------------------------------------------------------

void TBlockMouse::NewShapeMouseDown(TNewShape& block, Qt::MouseButton button,
                                    Qt::KeyboardModifiers modifiers, int32_t x, int32_t y) {
  if (modifiers & Qt::ControlModifier) {
    ToggleSelection(block);
    return;
  }
  view_.SetActiveBlock(&block);
  // How far the view scrolled, in sheet pixels: the sheet point at the view's corner.
  const QPoint before = view_.ToSheet(QPointF(0, 0));
  view_.ScrollInView(block);
  if (button != Qt::LeftButton) return;
  const QPoint after = view_.ToSheet(QPointF(0, 0));
  block.Dragging = true;
  block.DragOffsetX = x + (after.x() - before.x());
  block.DragOffsetY = y + (after.y() - before.y());
  RememberDragStart();
}

void TBlockMouse::RememberDragStart() {
  const TSchemat& document = view_.Document();
  savedAtPress_ = document.Saved;
  dragStart_.clear();
  for (const TNewShape* b = document.FirstBlock; b != nullptr; b = b->Next)
    dragStart_.push_back(TStart{b->Id, b->Left, b->Top});
}

// The blocks moved while the mouse moved; the drag becomes one edit that knows both places of
// every block that moved.
void TBlockMouse::PushDrag() {
  std::vector<TMoveBlocksCommand::TMove> moves;
  const auto index = view_.Document().BuildIdIndex();
  for (const TStart& start : dragStart_) {
    const auto it = index.find(start.Id);
    const TNewShape* b = it == index.end() ? nullptr : it->second;
    if (b != nullptr && (b->Left != start.Left || b->Top != start.Top))
      moves.push_back(TMoveBlocksCommand::TMove{start.Id, start.Left, start.Top, b->Left, b->Top});
  }
  dragStart_.clear();
  if (moves.empty()) return;
  view_.UndoStack().push(new TMoveBlocksCommand(view_, std::move(moves), savedAtPress_));
}

void TBlockMouse::ToggleSelection(TNewShape& block) {
  if (TSchematView::IsSelected(block))
    TSchematView::MarkUnselected(block);
  else
    TSchematView::MarkSelected(block);
  TSchemat& document = view_.Document();
  if (document.ActiveBlock == &block) view_.SetActiveBlock(&block);
}

// ---- move -----------------------------------------------------------------------------------

void TBlockMouse::NewShapeMouseMove(TNewShape& block, Qt::MouseButtons, int32_t x, int32_t y) {
  view_.LinkHandle->hide();
  if (block.Dragging) {
    Drag(block, x, y);
    return;
  }
  OfferGrip(block, x, y);
}

bool TBlockMouse::ScrollChanged(int horz, int vert) const {
  return horz != view_.HorzPosition() || vert != view_.VertPosition();
}

void TBlockMouse::Drag(TNewShape& block, int32_t x, int32_t y) {
  if (x == block.DragOffsetX && y == block.DragOffsetY) return;
  TSchemat& document = view_.Document();
  document.Saved = false;
  const int32_t sx = block.Left + x;
  const int32_t sy = block.Top + y;
  int32_t left = sx - block.DragOffsetX;
  int32_t top = sy - block.DragOffsetY;
  if (view_.Host().SnapToGrid()) {
    left = GridSnap::StartForCentre(left, block.Width);
    top = GridSnap::StartForCentre(top, block.Height);
  }
  if (left + block.Width > document.SheetWidth) left = document.SheetWidth - block.Width;
  if (left < 0) left = 0;
  if (top + block.Height > document.SheetHeight) top = document.SheetHeight - block.Height;
  if (top < 0) top = 0;
  const int32_t dx = left - block.Left;
  const int32_t dy = top - block.Top;
  block.MoveTo(left, top);
  const bool refresh = view_.Host().RefreshLinksWhileMoving();
  if (TSchematView::IsSelected(block)) MoveCompanions(block, dx, dy, refresh);
  const int horz = view_.HorzPosition();
  const int vert = view_.VertPosition();
  view_.ScrollInView(block);
  if (ScrollChanged(horz, vert)) view_.PauseAfterScroll(20);
  FollowDraggedBlock(block, refresh);
}

// The other selected blocks move along; links into the selection follow or are hidden.
void TBlockMouse::MoveCompanions(TNewShape& dragged, int32_t dx, int32_t dy, bool refresh) {
  for (TNewShape* other = view_.Document().FirstBlock; other != nullptr; other = other->Next) {
    if (other != &dragged && TSchematView::IsSelected(*other)) {
      other->MoveTo(other->Left + dx, other->Top + dy);
      if (refresh) {
        other->LinksRedraw();
      } else {
        HideLink(other->OutLink.get());
        HideLink(other->OutLinkFalse.get());
      }
      continue;
    }
    if (refresh) {
      if (TargetSelected(other->BlockLink)) other->LinksRedraw();
      if (TargetSelected(other->BlockLinkFalse)) other->LinksRedraw();
    } else {
      if (TargetSelected(other->BlockLink)) HideLink(other->OutLink.get());
      if (TargetSelected(other->BlockLinkFalse)) HideLink(other->OutLinkFalse.get());
    }
  }
}

// A single block always drags its links live; a group only with the option checked.
void TBlockMouse::FollowDraggedBlock(TNewShape& dragged, bool refresh) {
  if (TSchematView::IsSelected(dragged) && !refresh) {
    HideLink(dragged.OutLink.get());
    HideLink(dragged.OutLinkFalse.get());
    return;
  }
  for (TNewShape* other = view_.Document().FirstBlock; other != nullptr; other = other->Next) {
    if (other->BlockLink == &dragged) other->LinksRedraw();
    if (other->BlockLinkFalse == &dragged) other->LinksRedraw();
    if (other == &dragged) other->LinksRedraw();
  }
}

void TBlockMouse::OfferGrip(TNewShape& block, int32_t x, int32_t y) {
  const int32_t w = block.Width;
  const int32_t h = block.Height;
  bool offered = false;
  auto offer = [&](int32_t startX, int32_t startY, int32_t gripX, int32_t gripY, int32_t side) {
    view_.LinkStartX = startX;
    view_.LinkStartY = startY;
    view_.LinkHandle->setPos(gripX, gripY);
    view_.LinkExitSide = side;
    offered = true;
  };
  const bool midX = w / 2 - 3 < x && x < w / 2 + 3;
  const bool midY = h / 2 - 3 < y && y < h / 2 + 3;
  const int32_t l = block.Left;
  const int32_t t = block.Top;
  if (midX && y < 5) offer(l + w / 2, t, l + w / 2 - 2, t, sideTop);
  if (midX && y > h - 5) offer(l + w / 2, t + h, l + w / 2 - 2, t + h - 5, sideBottom);
  if (x > w - 5 && midY) offer(l + w, t + h / 2, l + w - 5, t + h / 2 - 2, sideRight);
  if (x < 5 && midY) offer(l, t + h / 2, l, t + h / 2 - 2, sideLeft);
  if (!offered) return;
  view_.LinkHandle->show();
  view_.BringHandleToFront();
  view_.LinkSource = &block;
}

// ---- release --------------------------------------------------------------------------------

void TBlockMouse::NewShapeMouseUp(TNewShape& block, Qt::MouseButton button, int32_t, int32_t,
                                  const QPoint& globalPos) {
  if (button == Qt::RightButton) {
    ShowContextMenu(block, globalPos);
    return;
  }
  if (button != Qt::LeftButton) return;
  const bool dragged = block.Dragging;
  block.Dragging = false;
  view_.ScrollInView(block);
  KeepSelectionOnSheet();
  ShowLinksAfterDrag(block);
  if (dragged) PushDrag();
}

// Companions pushed off the sheet during the drag come back as a group.
void TBlockMouse::KeepSelectionOnSheet() {
  TSchemat& document = view_.Document();
  int32_t minLeft = 0, minTop = 0;
  int32_t maxRight = document.SheetWidth, maxBottom = document.SheetHeight;
  for (TNewShape* b = document.FirstBlock; b != nullptr; b = b->Next) {
    if (!TSchematView::IsSelected(*b)) continue;
    minLeft = std::min(minLeft, b->Left);
    minTop = std::min(minTop, b->Top);
    maxRight = std::max(maxRight, b->Left + b->Width);
    maxBottom = std::max(maxBottom, b->Top + b->Height);
  }
  int32_t dy = 0, dx = 0;
  if (minTop < 0)
    dy = -minTop;
  else if (maxBottom - document.SheetHeight > 0)
    dy = -(maxBottom - document.SheetHeight);
  if (minLeft < 0)
    dx = -minLeft;
  else if (maxRight - document.SheetWidth > 0)
    dx = -(maxRight - document.SheetWidth);
  if (dx == 0 && dy == 0) return;
  for (TNewShape* b = document.FirstBlock; b != nullptr; b = b->Next) {
    if (TSchematView::IsSelected(*b)) b->MoveTo(b->Left + dx, b->Top + dy);
  }
}

void TBlockMouse::ShowLinksAfterDrag(TNewShape& released) {
  for (TNewShape* b = view_.Document().FirstBlock; b != nullptr; b = b->Next) {
    const bool touches = TSchematView::IsSelected(*b) || b == &released ||
                         b->BlockLink == &released || b->BlockLinkFalse == &released ||
                         TargetSelected(b->BlockLink) || TargetSelected(b->BlockLinkFalse);
    if (!touches) continue;
    b->LinksRedraw();
    ShowLink(b->OutLink.get());
    ShowLink(b->OutLinkFalse.get());
  }
}

void TBlockMouse::NewShapeDblClick(TNewShape&) { view_.Host().ShowSourceWindow(); }

// ---- connections ----------------------------------------------------------------------------

int32_t TBlockMouse::GetRegion(const TNewShape& block, int32_t x, int32_t y) {
  if (x < 0 || x > block.Width || y < 0 || y > block.Height) return 0;
  const int32_t dx = std::abs(x - block.Width / 2);
  const int32_t dy = std::abs(y - block.Height / 2);
  const int32_t distances[4] = {y + dx, x + dy, (block.Width - x) + dy, (block.Height - y) + dx};
  const int32_t* nearest = std::min_element(std::begin(distances), std::end(distances));
  return static_cast<int32_t>(nearest - std::begin(distances)) + 1;
}

bool TBlockMouse::Link(TNewShape& source, TNewShape& target) {
  return Link(source, target, source.ExitSide, source.EntrySide);
}

bool TBlockMouse::Link(TNewShape& source, TNewShape& target, int32_t exitSide, int32_t entrySide) {
  const bool falseExit = ChooseFalseExit(source, exitSide);
  view_.UndoStack().push(
      new TConnectCommand(view_, source.Id, target.Id, exitSide, entrySide, falseExit));
  return true;
}

// A decision's exit that already leaves from the side is re-targeted without asking; from any
// other side the user chooses TRUE or FALSE. Other blocks have only their main exit.
bool TBlockMouse::ChooseFalseExit(const TNewShape& source, int32_t exitSide) {
  if (source.Shape != nstChoice) return false;
  if (source.BlockLink != nullptr && source.OutLink && source.OutLink->LinkCode / 16 == exitSide)
    return false;
  if (source.BlockLinkFalse != nullptr && source.OutLinkFalse &&
      source.OutLinkFalse->LinkCode / 16 == exitSide)
    return true;
  const TMsgResult answer =
      view_.Host().Ask(QString::fromUtf8(kTrueQuestion), QString::fromUtf8(kChoiceCaption),
                       TMsgIcon::Question, TMsgButtons::YesNo);
  const bool mainExit =
      answer == TMsgResult::Yes ? source.TrueLinkColor == clGreen : source.TrueLinkColor == clRed;
  return !mainExit;
}

// ---- context menu ---------------------------------------------------------------------------

void TBlockMouse::ShowContextMenu(TNewShape& block, const QPoint& globalPos) {
  QMenu& menu = view_.BlockMenu();
  if (menu.actions().isEmpty()) {
    menu.addAction(QStringLiteral("Zerwij połączenia &wychodzące!"))->setObjectName("MIDelLinkOut");
    menu.addAction(QStringLiteral("Zerwij połaczenia p&rzychodzące!"))
        ->setObjectName("MIDelLinkIn");
    menu.addAction(QStringLiteral("&Usuń element!"))->setObjectName("MIDelGraf");
    menu.addAction(QStringLiteral("Usuń &zaznaczone elementy!"))->setObjectName("MIDelGrafS");
    menu.addAction(QStringLiteral("&Punkt zatrzymania"))->setObjectName("MIBreakpoint");
    menu.addAction(QStringLiteral("Warunek za&trzymania ..."))->setObjectName("MIBreakCondition");
  }
  QAction* chosen = view_.Host().Popup(menu, globalPos);
  if (chosen == nullptr) return;
  const QList<QAction*> items = menu.actions();
  if (chosen == items[0])
    MIDelLinkOutClick(block);
  else if (chosen == items[1])
    MIDelLinkInClick(block);
  else if (chosen == items[2])
    MIDelGrafClick(block);
  else if (chosen == items[3])
    MIDelGrafSClick(block);
  else if (chosen->objectName() == QLatin1String("MIBreakpoint"))
    view_.Host().ToggleBreakpoint(block);
  else if (chosen->objectName() == QLatin1String("MIBreakCondition"))
    view_.Host().EditBreakpointCondition(block);
}

void TBlockMouse::MIDelLinkOutClick(TNewShape& block) {
  if (block.Shape == nstChoice && block.BlockLink != nullptr && block.BlockLinkFalse != nullptr) {
    const TMsgResult answer =
        view_.Host().Ask(QString::fromUtf8(kDeleteTrueQuestion), QString::fromUtf8(kChoiceCaption),
                         TMsgIcon::Question, TMsgButtons::YesNo);
    PushBreak({{block.Id, answer != TMsgResult::Yes}});
    return;
  }
  std::vector<TBreakLinksCommand::TExit> exits;
  if (block.BlockLink != nullptr) exits.push_back({block.Id, false});
  if (block.BlockLinkFalse != nullptr) exits.push_back({block.Id, true});
  PushBreak(exits);
}

void TBlockMouse::MIDelLinkInClick(TNewShape& block) {
  std::vector<TBreakLinksCommand::TExit> exits;
  auto collect = [&block, &exits](const TNewShape* other) {
    if (other->BlockLink == &block) exits.push_back({other->Id, false});
    if (other->BlockLinkFalse == &block) exits.push_back({other->Id, true});
  };
  for (TNewShape* other = block.Prev; other != nullptr; other = other->Prev) collect(other);
  for (TNewShape* other = block.Next; other != nullptr; other = other->Next) collect(other);
  PushBreak(exits);
}

void TBlockMouse::PushBreak(const std::vector<TBreakLinksCommand::TExit>& exits) {
  if (exits.empty()) return;
  view_.UndoStack().push(new TBreakLinksCommand(view_, exits, QStringLiteral("Zerwanie połączeń")));
}

void TBlockMouse::MIDelGrafClick(TNewShape& block) {
  view_.SetActiveBlock(nullptr);
  view_.UndoStack().push(
      new TDeleteBlocksCommand(view_, {block.Id}, QStringLiteral("Usunięcie bloku")));
}

void TBlockMouse::MIDelGrafSClick(TNewShape& block) {
  view_.SetActiveBlock(nullptr);
  view_.DeleteWithSelection(&block);
}

}  // namespace zuvar
