#pragma once

#include <QObject>
#include <QString>

namespace zuvar {

class TNewShape;
class TZUVAR;

// The main window's editing commands: the "Edycja" menu with its tool bar buttons (the block
// tools, delete, select all, copy, paste, align), undo and redo over the window's history, and
// the breakpoints set on blocks. An edit acts only while the diagram may be edited: a diagram is
// open and no run holds it (the edit menu is on).
class TEditCommands : public QObject {
  Q_OBJECT
 public:
  explicit TEditCommands(TZUVAR& window);

  void SelectTool(int tool);
  void Usu2Click();
  void Usuzaznaczoneelementy1Click();
  void Zaznaczwszystkieelementy1Click();
  void Kopiuj1Click();
  void Wklej1Click();
  void Wyrwnajwpionie1Click();
  void Wyrwnajwpoziomie1Click();
  void Cofnij1Click();
  void Ponw1Click();

  // Sets or takes off the block's breakpoint.
  void ToggleBreakpoint(TNewShape& block);
  // Asks for the condition of the block's breakpoint.
  void EditBreakpointCondition(TNewShape& block);
  // Whether the block has a breakpoint, and its condition if so.
  bool HasBreakpoint(const TNewShape& block, QString& condition) const;
  // F5: sets or takes off the breakpoint of the active block.
  void Punktzatrzymania1Click();
  // Asks for the condition of the active block's breakpoint.
  void Warunekzatrzymania1Click();

 private:
  void ConnectTools();
  void ConnectCommands();
  void ConnectHistory();
  void ConnectBreakpoints();
  void UpdateHistoryActions();
  void FollowCleanState();
  bool EditingAllowed() const;

  TZUVAR& window_;
};

}  // namespace zuvar
