#pragma once

#include <QPoint>
#include <QString>

#include "model/Host.h"

class QAction;
class QMenu;

namespace zuvar {

class TNewShape;

// What the canvas needs from the window that holds it: questions, the block's context menu,
// the option read while blocks are dragged, and the source code window.
class TCanvasHost {
 public:
  virtual ~TCanvasHost() = default;
  virtual TMsgResult Ask(const QString& text, const QString& caption, TMsgIcon icon,
                         TMsgButtons buttons) = 0;
  // Shows a popup menu at a screen position; returns the chosen action or null.
  virtual QAction* Popup(QMenu& menu, const QPoint& globalPos) = 0;
  // The option "Odświeżaj połączenia podczas przesuwania bloków".
  virtual bool RefreshLinksWhileMoving() const = 0;
  // The option "Przyciągaj do siatki": placed and dragged blocks put their centres on the grid.
  virtual bool SnapToGrid() const { return false; }
  // A block was double-clicked: show the source code window.
  virtual void ShowSourceWindow() = 0;
  // The source code window's editor follows whether a block is active.
  virtual void SetSourceEditorEnabled(bool enabled) = 0;
  // An undone or redone edit changed the code that the source code window's lines hold.
  virtual void SourceLinesChanged() {}
  // The block's context menu asked to set or take off the block's breakpoint.
  virtual void ToggleBreakpoint(TNewShape& /*block*/) {}
  // Appends a line to the program's log (an edit that could not be made).
  virtual void AppendLogLine(const QString& /*line*/) {}
  // The block's context menu asked to give the block's breakpoint a condition.
  virtual void EditBreakpointCondition(TNewShape& /*block*/) {}
  // Whether the block has a breakpoint, with its condition (empty: none). The canvas asks for
  // every block it makes an item for, so that a block brought back (by undo) shows its dot.
  virtual bool HasBreakpoint(const TNewShape& /*block*/, QString& /*condition*/) const {
    return false;
  }
};

}  // namespace zuvar
