#pragma once

#include <QIcon>

namespace zuvar {

// The tool bar's button glyphs, drawn by the program: file commands as simple pictograms,
// block tools with the blocks' own painting code.
class TToolGlyphs {
 public:
  enum TGlyph {
    New, Open, Save, Delete, StartBlock, StopBlock, CalcBlock, InOutBlock, ChoiceBlock,
    ContinuumBlock, NodeBlock, DeleteActive, DeleteSelected, SelectAll, Check, Run, RealTime, Exit
  };
  static QIcon Icon(TGlyph glyph);

 private:
  static void Draw(class QPainter& painter, TGlyph glyph);
  static void DrawBlock(class QPainter& painter, int shape);
};

}  // namespace zuvar
