#pragma once

#include <algorithm>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "model/Link.h"
#include "model/Schemat.h"
#include "model/TextMeasurer.h"
#include "tests/support/DiagramBuilder.h"

namespace zuvar::examples {

// A diagram being drawn on a grid of cells: blocks are placed by column and row, links leave
// the bottom for the top unless other sides are named. Arrange then sizes the blocks and
// centres each one on its column's centre line and its row's middle, so links between blocks
// of one column or one row run straight, and fits the sheet around the drawing.
class TExampleSheet {
 public:
  TExampleSheet() : diagram_(own_), build_(diagram_) {}
  // Draws into a diagram of someone else's, such as the document of a canvas.
  explicit TExampleSheet(TSchemat& diagram) : diagram_(diagram), build_(diagram_) {}

  TNewShape* Put(TNewShapeType shape, int column, int row, std::vector<std::string> code = {}) {
    TNewShape* block = build_.Add(shape, std::move(code));
    block->MoveTo(40 + column * 200, 20 + row * 70);
    placed_.push_back({block, column, row});
    return block;
  }

  // Lays out every block with the measurer, then moves it onto its cell: columns are as wide
  // as their widest block and kGap apart (empty columns take no room), rows kRowPitch apart.
  // The sheet grows, never below its default size, to hold the drawing with kMargin around it.
  void Arrange(const TTextMeasurer& measurer) {
    diagram_.LayoutAll(measurer);
    std::map<int, int32_t> widths;
    for (const TPlaced& p : placed_) widths[p.column] = std::max(widths[p.column], p.block->Width);
    std::map<int, int32_t> centres;
    int32_t x = kMargin;
    for (const auto& [column, width] : widths) {
      centres[column] = x + width / 2;
      x += width + kGap;
    }
    for (const TPlaced& p : placed_) {
      const int32_t middle = kMargin + kRowPitch / 2 + p.row * kRowPitch;
      p.block->MoveTo(centres[p.column] - p.block->Width / 2, middle - p.block->Height / 2);
    }
    for (TNewShape* b = diagram_.FirstBlock; b != nullptr; b = b->Next) b->LinksRedraw();
    FitSheet();
  }
  void Link(TNewShape* from, TNewShape* to, int32_t exitSide = sideBottom,
            int32_t entrySide = sideTop) {
    build_.Link(from, to, exitSide, entrySide);
  }
  void LinkFalse(TNewShape* from, TNewShape* to, int32_t exitSide = sideRight,
                 int32_t entrySide = sideTop) {
    build_.LinkFalse(from, to, exitSide, entrySide);
  }
  void Chain(const std::vector<TNewShape*>& blocks) { build_.Chain(blocks); }
  TSchemat& Diagram() { return diagram_; }

 private:
  static constexpr int32_t kMargin = 30;
  static constexpr int32_t kGap = 60;
  static constexpr int32_t kRowPitch = 70;

  struct TPlaced {
    TNewShape* block;
    int column;
    int row;
  };

  void FitSheet() {
    int32_t right = 0;
    int32_t bottom = 0;
    for (TNewShape* b = diagram_.FirstBlock; b != nullptr; b = b->Next) {
      right = std::max(right, b->Left + b->Width);
      bottom = std::max(bottom, b->Top + b->Height);
      for (const TLink* link : {b->OutLink.get(), b->OutLinkFalse.get()}) {
        for (const TLine* l = link != nullptr ? link->FirstLine : nullptr; l; l = l->NextLine) {
          right = std::max({right, l->X1, l->X2});
          bottom = std::max({bottom, l->Y1, l->Y2});
        }
      }
    }
    diagram_.SheetWidth = std::max(diagram_.SheetWidth, right + kMargin);
    diagram_.SheetHeight = std::max(diagram_.SheetHeight, bottom + kMargin);
  }

  std::vector<TPlaced> placed_;
  TSchemat own_;
  TSchemat& diagram_;
  test::TDiagramBuilder build_;
};

// A named diagram and the function that draws it.
struct TExample {
  const char* name;
  std::function<void(TExampleSheet&)> draw;
};

// The short examples that each teach one idea (hello world, decisions, loops, arrays).
std::vector<TExample> TeachingExamples();

// Diagrams with one deliberate mistake each (a missing exit, an unpaired continuation, a code
// error), for showing the program's messages.
std::vector<TExample> BrokenExamples();

// The diagrams of the end-to-end cases in tests/data.
std::vector<TExample> CaseDiagrams();

}  // namespace zuvar::examples
