#pragma once

#include <functional>
#include <string>
#include <vector>

#include "tests/support/DiagramBuilder.h"
#include "model/Schemat.h"

namespace zuvar::examples {

// A diagram being drawn on a grid of cells: blocks are placed by column and row, links leave
// the bottom for the top unless other sides are named.
class ExampleSheet {
 public:
  ExampleSheet() : diagram_(own_), build_(diagram_) {}
  // Draws into a diagram of someone else's, such as the document of a canvas.
  explicit ExampleSheet(TSchemat& diagram) : diagram_(diagram), build_(diagram_) {}

  TNewShape* Put(TNewShapeType shape, int column, int row, std::vector<std::string> code = {}) {
    TNewShape* block = build_.Add(shape, std::move(code));
    block->MoveTo(40 + column * 200, 20 + row * 70);
    return block;
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
  TSchemat own_;
  TSchemat& diagram_;
  test::DiagramBuilder build_;
};

// A named diagram and the function that draws it.
struct Example {
  const char* name;
  std::function<void(ExampleSheet&)> draw;
};

// The diagrams of the end-to-end cases in tests/data.
std::vector<Example> CaseDiagrams();

}  // namespace zuvar::examples
