// The log window with a million lines: how long the lines take to arrive with the window shown,
// and how long one repaint, a jump to the first line and a jump back to the last take. Prints
// the figures; never fails.
#include <QApplication>
#include <QElapsedTimer>
#include <QScrollBar>
#include <cstdio>
#include <string>

#include "app/LogListBox.h"
#include "app/LogWindow.h"
#include "bench/BenchDialogs.h"
#include "project/LogLines.h"

using namespace zuvar;

namespace {

double Milliseconds(const QElapsedTimer& clock) {
  return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

// Repaints the list at once and returns the time it took.
double Repaint(TLogListBox& list) {
  QElapsedTimer clock;
  clock.start();
  list.viewport()->repaint();
  return Milliseconds(clock);
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication qt(argc, argv);
  bench::TBenchDialogs dialogs;
  TLogLines lines;
  TForm5 window(lines, dialogs);
  window.resize(356, 141);
  window.show();
  QCoreApplication::processEvents();
  constexpr int kLines = 1'000'000;
  QElapsedTimer clock;
  clock.start();
  for (int i = 0; i < kLines; ++i) {
    lines.Append("interpretacja kodu: \"i = i + 1;\" " + std::to_string(i));
    // The run hands the event loop a pass about every thousand statements.
    if (i % 1000 == 999) QCoreApplication::processEvents();
  }
  QCoreApplication::processEvents();
  const double appending = Milliseconds(clock);
  TLogListBox& list = *window.ListBox1;
  const double paintLast = Repaint(list);
  list.verticalScrollBar()->setValue(0);
  const double paintFirst = Repaint(list);
  list.scrollToBottom();
  const double paintBack = Repaint(list);
  std::printf("log window with %d lines\n", list.RowCount());
  std::printf("  appending with the window shown: %8.1f ms (%.0f ns a line)\n", appending,
              appending * 1e6 / kLines);
  std::printf("  repaint at the last line:        %8.3f ms\n", paintLast);
  std::printf("  jump to the first line, repaint: %8.3f ms\n", paintFirst);
  std::printf("  jump to the last line, repaint:  %8.3f ms\n", paintBack);
  return 0;
}
