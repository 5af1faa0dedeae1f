#pragma once

#include <string>

#include "model/Schemat.h"
#include "model/TextMeasurer.h"

namespace zuvar::bench {

// A chain of blocks in a grid of columns, each linked to the next from its bottom to the next
// one's top; every fifth block is a decision. The sheet is made to hold them all.
inline void BuildChain(TSchemat& doc, int count, int columns, const TTextMeasurer& measurer) {
  doc.SheetWidth = columns * 120 + 100;
  doc.SheetHeight = (count / columns + 1) * 70 + 100;
  TNewShape* previous = nullptr;
  for (int i = 0; i < count; ++i) {
    TNewShape* block = doc.AddBlock(i % 5 == 0 ? nstChoice : nstCalc);
    block->Code = {"x = x + " + std::to_string(i) + ";"};
    block->MoveTo(50 + (i % columns) * 120, 50 + (i / columns) * 70);
    doc.LayoutBlock(block, measurer);
    if (previous != nullptr) {
      previous->ExitSide = 4;
      previous->EntrySide = 1;
      previous->SetBlockLink(block);
    }
    previous = block;
  }
}

}  // namespace zuvar::bench
