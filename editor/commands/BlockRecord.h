#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "model/NewShape.h"

namespace zuvar {

class TSchemat;

// Everything a block holds apart from its links, with its place in the list, so that a deleted
// block comes back exactly as it was.
struct TBlockRecord {
  std::size_t Index = 0;
  TNewShapeType Shape = nstNULL;
  uint32_t Id = 0;
  int32_t Left = 0, Top = 0, Width = 0, Height = 0, Tag = 0;
  uint8_t ConditionResult = 0;
  TColor TrueLinkColor = clGreen;
  TColor FalseLinkColor = clRed;
  uint32_t LoadedLinkId = 0, LoadedLinkFalseId = 0;
  int32_t LoadedLinkCode = 0, LoadedLinkFalseCode = 0;
  TPen Pen;
  TBrush Brush, SavedBrush;
  int32_t EntrySide = 0, ExitSide = 0;
  std::string Caption;
  std::vector<std::string> Code;

  static TBlockRecord Capture(const TSchemat& document, const TNewShape& block);
  // The same for a block whose place in the list is known.
  static TBlockRecord Capture(const TNewShape& block, std::size_t index);
  // Puts the block back at its place in the list (the blocks before it must be there already).
  // Returns the block, or null when it cannot be created.
  TNewShape* Restore(TSchemat& document) const;
  // The same in front of a block known to stand at that place (null: at the end of the list).
  TNewShape* Restore(TSchemat& document, TNewShape* before) const;
  // Puts blocks back, sorted by their places, in one walk of the list.
  static void RestoreAll(TSchemat& document, const std::vector<TBlockRecord>& records);
};

}  // namespace zuvar
