#pragma once

#include <QColor>
#include <QIcon>
#include <QRectF>
#include <QStyle>

class QPainter;

namespace zuvar {

// The tool bars' button glyphs, drawn by the program: file commands as simple pictograms,
// block tools as the pictures of their block types. Each icon is drawn when a button asks for
// it, at the size asked for and outlined in the text colour of the application's palette at
// that moment, so the glyphs stand out on light and dark themes alike and follow a change of
// theme.
class TToolGlyphs {
 public:
  enum TGlyph {
    New,
    Open,
    Save,
    Delete,
    StartBlock,
    StopBlock,
    CalcBlock,
    InOutBlock,
    ChoiceBlock,
    ContinuumBlock,
    NodeBlock,
    DeleteActive,
    DeleteSelected,
    SelectAll,
    Check,
    Run,
    RealTime,
    Exit,
    EndRun,
    Step,
    RunAll,
    Pause,
    Variables,
    Undo,
    Redo
  };
  static QIcon Icon(TGlyph glyph);
  // The program's own glyph for one of the style's standard pictures that the simulation
  // window's tool bar uses (the style's own are dark grey, lost on a dark theme); any other
  // standard picture comes from the style.
  static QIcon StandardIcon(QStyle::StandardPixmap standard);
  // Draws a glyph into the largest square centred in `box`, outlined in `outline`.
  static void Paint(QPainter& painter, TGlyph glyph, const QRectF& box, const QColor& outline);

 private:
  static void Draw(QPainter& painter, TGlyph glyph, const QColor& outline);
  static void DrawFileGlyph(QPainter& painter, TGlyph glyph);
  static void DrawDeleteGlyph(QPainter& painter, TGlyph glyph, const QColor& outline);
  static void DrawRunGlyph(QPainter& painter, TGlyph glyph, const QColor& outline);
  static void DrawHistoryGlyph(QPainter& painter, TGlyph glyph, const QColor& outline);
};

}  // namespace zuvar
