#pragma once

#include <cstdint>

namespace zuvar {

class TSchemat;

// The extent of a diagram's blocks: least left and top edges, greatest right (left + width) and
// bottom (top + height) edges. All 0 for a diagram without blocks.
struct TBlockBounds {
  int32_t Left = 0;
  int32_t Top = 0;
  int32_t Right = 0;
  int32_t Bottom = 0;
  bool Empty = true;
  friend bool operator==(const TBlockBounds&, const TBlockBounds&) = default;
};

// A new sheet size and how far every block moves left (ShiftX) and up (ShiftY) to get there.
struct TSheetChange {
  int32_t Width = 0;
  int32_t Height = 0;
  int32_t ShiftX = 0;
  int32_t ShiftY = 0;
  friend bool operator==(const TSheetChange&, const TSheetChange&) = default;
};

// The two ways of resizing the drawing sheet, as computations on the document. Neither touches
// the scroll ranges or the title label: the canvas sets those from the new sheet size.
class TSheetFitter {
 public:
  static constexpr const char* ByHandLogLine = "Zmiana rozmiaru płótna projektu";
  static constexpr const char* FitLogLine = "Zmiana rozmiaru płótna projektu (automat)";

  static TBlockBounds BoundsOf(const TSchemat& diagram);

  // The sheet asked for by hand, never cutting a block off: a size smaller than the blocks'
  // extent grows to it and the blocks move to the corner; a size that holds the extent but not
  // the blocks where they are keeps its value and the blocks move left or up just enough.
  static TSheetChange PlanByHand(const TSchemat& diagram, int32_t width, int32_t height);
  // The sheet exactly as large as the blocks' extent, which moves to the corner. The diagram
  // must have blocks.
  static TSheetChange PlanFit(const TSchemat& diagram);

  // Sets the sheet size, moves every block by (-ShiftX, -ShiftY) and re-routes the outgoing
  // links of every block in list order.
  static void Apply(TSchemat& diagram, const TSheetChange& change);

  // "Ustaw ręcznie ...": PlanByHand, then Apply. Returns what was applied.
  static TSheetChange ResizeByHand(TSchemat& diagram, int32_t width, int32_t height);
  // "Dopasuj automatycznie": PlanFit, then Apply. A diagram without blocks is left alone and
  // false is returned.
  static bool Fit(TSchemat& diagram);

 private:
  static int32_t ShiftFor(int32_t& size, int32_t low, int32_t high);
};

}  // namespace zuvar
