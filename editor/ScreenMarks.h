#pragma once

#include <QString>

class QGraphicsItem;

namespace zuvar {

// The marks that the canvas draws on a block for the screen only: the breakpoint dot and the
// "line/count" mark of a run. They are children of the block's item, flagged so that printing,
// the preview and the export leave them out.
namespace ScreenMarks {

// Whether an item is drawn on the screen only, never on paper or in a picture.
bool IsScreenOnly(const QGraphicsItem* item);

// The red dot at the item's top-left corner; a conditional one has a dark blue ring and shows
// its condition as a tool tip. Off takes it away.
void SetBreakpointDot(QGraphicsItem* item, bool on, const QString& condition);
bool HasBreakpointDot(const QGraphicsItem* item);

// The mark "line/count" beside the item's top-right corner; RemoveLineMark takes it away.
void SetLineMark(QGraphicsItem* item, int line, int count);
void RemoveLineMark(const QGraphicsItem* item);
// The mark's text, empty when the item has none.
QString LineMarkText(const QGraphicsItem* item);

}  // namespace ScreenMarks

}  // namespace zuvar
