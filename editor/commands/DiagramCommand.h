#pragma once

#include <QUndoCommand>
#include <cstdint>

namespace zuvar {

class TNewShape;
class TSchemat;
class TSchematView;

// An edit of the diagram shown by a canvas. It remembers the document's Saved flag and LastId
// as it found them, so that undoing it puts both back. Blocks are named by their Id, which stays
// the same across undo and redo; the canvas lives as long as the commands on its stack.
class TDiagramCommand : public QUndoCommand {
 public:
  TDiagramCommand(TSchematView& view, const QString& text);

 protected:
  TSchematView& View() const { return view_; }
  TSchemat& Document() const;
  // The first block of the list with this Id, or null.
  TNewShape* Block(uint32_t id) const;
  // Clears the active block with its visual side when it is one of those about to go.
  void LeaveIfActive(TNewShape* block) const;
  // Saved and LastId back as the command found them.
  void RestoreFoundState() const;
  // The Saved flag before the edit began, when that was earlier than the command (a drag).
  void SetSavedFound(bool saved) { savedFound_ = saved; }
  bool SavedFound() const { return savedFound_; }

 private:
  TSchematView& view_;
  bool savedFound_;
  uint32_t lastIdFound_;
};

}  // namespace zuvar
