#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "model/NewShape.h"
#include "model/Schemat.h"

namespace zuvar::test {

// Builds diagrams for tests, benchmarks and example files: blocks are stacked down a column
// unless placed, and links leave a block's bottom for the target's top unless sides are given.
class TDiagramBuilder {
 public:
  explicit TDiagramBuilder(TSchemat& diagram) : diagram_(diagram) {}

  TNewShape* Add(TNewShapeType shape, std::vector<std::string> code = {}) {
    TNewShape* block = diagram_.AddBlock(shape);
    block->Code = std::move(code);
    if (!block->Code.empty() && !block->Code.front().empty()) block->Caption = block->Code.front();
    block->MoveTo(nextLeft_, nextTop_);
    nextTop_ += 60;
    return block;
  }

  // A continuation block named by its caption.
  TNewShape* Continuation(const std::string& name) {
    TNewShape* block = Add(nstContinuum, {name});
    return block;
  }

  TNewShape* At(TNewShape* block, int32_t left, int32_t top) {
    block->MoveTo(left, top);
    block->LinksRedraw();
    return block;
  }

  void Link(TNewShape* from, TNewShape* to, int32_t exitSide = sideBottom,
            int32_t entrySide = sideTop) {
    from->ExitSide = exitSide;
    from->EntrySide = entrySide;
    from->SetBlockLink(to);
    if (from->Shape == nstChoice) from->ColourDecisionLinks();
  }

  void LinkFalse(TNewShape* from, TNewShape* to, int32_t exitSide = sideRight,
                 int32_t entrySide = sideTop) {
    from->ExitSide = exitSide;
    from->EntrySide = entrySide;
    from->SetBlockLinkFalse(to);
    if (from->Shape == nstChoice) from->ColourDecisionLinks();
  }

  // Links each block to the next one.
  void Chain(const std::vector<TNewShape*>& blocks) {
    for (std::size_t i = 0; i + 1 < blocks.size(); ++i) Link(blocks[i], blocks[i + 1]);
  }

  void StartColumn(int32_t left, int32_t top) {
    nextLeft_ = left;
    nextTop_ = top;
  }

 private:
  TSchemat& diagram_;
  int32_t nextLeft_ = 200;
  int32_t nextTop_ = 20;
};

}  // namespace zuvar::test
