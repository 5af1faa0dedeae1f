#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace zuvar::ToolWindowPlacement {

// Where the tool windows open, from the main window's frame in screen coordinates. Sizes are
// those of the tool windows' frames. The source code and simulation windows stand in the lower
// corners of the main window, above the output panel and its splitter (together
// outputAndSplitter pixels high); the log window stands in the upper right corner.
QPoint SourceWindow(const QRect& main, const QSize& own, int outputAndSplitter);
QPoint SimulationWindow(const QRect& main, const QSize& own, int outputAndSplitter);
QPoint LogWindow(const QRect& main, const QSize& own);
// The trace window stands at the main window's left edge, a quarter of its height down.
QPoint TraceWindow(const QRect& main, const QSize& own);

// The top-left corner of a frame of the given size, moved as little as needed for the frame to
// lie inside the area; a frame larger than the area keeps its top-left corner inside.
QPoint KeepInside(const QPoint& topLeft, const QSize& own, const QRect& area);

// The border a window manager puts around a window: the difference between its geometry and its
// frame geometry.
QMargins Border(const QRect& geometry, const QRect& frame);

}  // namespace zuvar::ToolWindowPlacement
