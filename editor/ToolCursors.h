#pragma once

#include <QCursor>
#include <array>

namespace zuvar {

// The seven block-placing cursors, slots 1 to 7 (IDC_START, IDC_STOP, IDC_CALC, IDC_INOUT,
// IDC_CHOICE, IDC_CONT, IDC_NODE). Each is drawn by the program: a cross whose centre is the
// hot spot, with the block type's tool bar picture below and to the right of it.
class TToolCursors {
 public:
  TToolCursors();
  // The cursor for a slot 1..7; the default arrow for any other slot.
  QCursor Cursor(int slot) const;
  static const char* ResourceName(int slot);

 private:
  static QCursor Make(int slot);
  std::array<QCursor, 7> cursors_;
};

}  // namespace zuvar
