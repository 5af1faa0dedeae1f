#include "app/ToolWindowPlacement.h"

#include <algorithm>

namespace zuvar::ToolWindowPlacement {

namespace {
// The distance of a tool window from the main window's edges.
constexpr int kMargin = 25;
constexpr int kSourceLeftMargin = 10;

int AboveOutput(const QRect& main, const QSize& own, int outputAndSplitter) {
  return main.top() + main.height() - own.height() - outputAndSplitter - kMargin;
}

int AtRight(const QRect& main, const QSize& own) {
  return main.left() + main.width() - own.width() - kMargin;
}
}  // namespace

QPoint SourceWindow(const QRect& main, const QSize& own, int outputAndSplitter) {
  return {main.left() + kSourceLeftMargin, AboveOutput(main, own, outputAndSplitter)};
}

QPoint SimulationWindow(const QRect& main, const QSize& own, int outputAndSplitter) {
  return {AtRight(main, own), AboveOutput(main, own, outputAndSplitter)};
}

QPoint LogWindow(const QRect& main, const QSize& own) {
  return {AtRight(main, own), main.top() + kMargin};
}

QPoint TraceWindow(const QRect& main, const QSize& /*own*/) {
  return {main.left() + kSourceLeftMargin, main.top() + main.height() / 4};
}

QPoint KeepInside(const QPoint& topLeft, const QSize& own, const QRect& area) {
  const int x =
      std::max(area.left(), std::min(topLeft.x(), area.left() + area.width() - own.width()));
  const int y =
      std::max(area.top(), std::min(topLeft.y(), area.top() + area.height() - own.height()));
  return {x, y};
}

QMargins Border(const QRect& geometry, const QRect& frame) {
  return {geometry.left() - frame.left(), geometry.top() - frame.top(),
          frame.right() - geometry.right(), frame.bottom() - geometry.bottom()};
}

}  // namespace zuvar::ToolWindowPlacement
