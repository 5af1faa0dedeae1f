#pragma once

#include <QPoint>
#include <Qt>
#include <cstdint>
#include <vector>

#include "editor/commands/BreakLinksCommand.h"

namespace zuvar {

class TNewShape;
class TSchematView;

// What the user does to a block with the mouse: activation, Ctrl+click selection, dragging
// one block or a selected group with their links, the connection grip at the middle of an
// edge, the context menu and the double click. Coordinates are block-local.
class TBlockMouse {
 public:
  explicit TBlockMouse(TSchematView& view) : view_(view) {}

  void NewShapeMouseDown(TNewShape& block, Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                         int32_t x, int32_t y);
  void NewShapeMouseMove(TNewShape& block, Qt::MouseButtons buttons, int32_t x, int32_t y);
  void NewShapeMouseUp(TNewShape& block, Qt::MouseButton button, int32_t x, int32_t y,
                       const QPoint& globalPos);
  void NewShapeDblClick(TNewShape& block);

  // The block's context menu and its four commands.
  void ShowContextMenu(TNewShape& block, const QPoint& globalPos);
  void MIDelLinkOutClick(TNewShape& block);
  void MIDelLinkInClick(TNewShape& block);
  void MIDelGrafClick(TNewShape& block);
  void MIDelGrafSClick(TNewShape& block);

  // The side nearest to a block-local point: 1 top, 2 left, 3 right, 4 bottom; 0 outside.
  static int32_t GetRegion(const TNewShape& block, int32_t x, int32_t y);
  // Connects source to target with the sides set in the source's ExitSide and EntrySide,
  // asking TRUE or FALSE on a decision block. Returns true.
  bool Link(TNewShape& source, TNewShape& target);
  // The same with the sides given; the source's own sides change only through the edit.
  bool Link(TNewShape& source, TNewShape& target, int32_t exitSide, int32_t entrySide);

 private:
  void ToggleSelection(TNewShape& block);
  void Drag(TNewShape& block, int32_t x, int32_t y);
  void MoveCompanions(TNewShape& dragged, int32_t dx, int32_t dy, bool refresh);
  void FollowDraggedBlock(TNewShape& dragged, bool refresh);
  void KeepSelectionOnSheet();
  void ShowLinksAfterDrag(TNewShape& released);
  void OfferGrip(TNewShape& block, int32_t x, int32_t y);
  bool ScrollChanged(int horz, int vert) const;
  void RememberDragStart();
  void PushDrag();
  bool ChooseFalseExit(const TNewShape& source, int32_t exitSide);
  void PushBreak(const std::vector<TBreakLinksCommand::TExit>& exits);

  struct TStart {
    uint32_t Id;
    int32_t Left, Top;
  };
  TSchematView& view_;
  // Where every block stood when a drag began, and whether the diagram was saved then.
  std::vector<TStart> dragStart_;
  bool savedAtPress_ = true;
};

}  // namespace zuvar
