// A real-time run of a 300-element bubble sort in the program's windows (output panel and log
// window visible), with the trace recorder detached and its window hidden (as in every run while
// the trace window is closed), against the same run with the recorder attached and the trace
// window shown and following the run. Prints both
// times (the best of five each, taken in turns; the recorder alone, its window hidden, in
// between) and the slowdown; never fails. On a busy machine the processor times tell the work
// apart from the waiting better than the wall-clock times.
#include <sys/resource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "app/LogWindow.h"
#include "app/MainWindow.h"
#include "app/SimulationCommands.h"
#include "app/TraceWindow.h"
#include "app/ZuvarApp.h"
#include "bench/BenchDialogs.h"
#include "editor/SchematView.h"
#include "examples/generator/BubbleSortSheet.h"
#include "simulation/TraceRecorder.h"

using namespace zuvar;

namespace {

int kElements = 300;
// Each kind of run is taken this often, in turns, and the best time kept: a busy machine
// disturbs the comparison less.
constexpr int kRepetitions = 5;

struct TSeconds {
  double wall = 0;
  double cpu = 0;
};

double CpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

enum class TTraced { No, RecorderOnly, WithWindow };

// One real-time run of the bubble sort in the windows, the trace attached or not.
TSeconds RealTimeRun(TZuvarApp& app, TTraced traced) {
  TZUVAR& window = *app.MainWindow();
  TSimulationCommands& commands = window.Simulation();
  TTraceRecorder& trace = commands.Trace();
  commands.Controller().RemoveObserver(trace);
  if (traced != TTraced::No) commands.Controller().AddObserver(trace);
  window.TraceWindow().setVisible(traced == TTraced::WithWindow);
  // The window turns the recording on and off as it is shown and hidden; the recorder alone is
  // made to record here, as it would while the window is behind others.
  trace.SetRecording(traced != TTraced::No);
  TSchematView& canvas = window.CreateCanvas();
  examples::TExampleSheet sheet(canvas.Document());
  examples::DrawBubbleSort(sheet, kElements);
  canvas.LayoutAll();
  app.Options.Simulation.ShowArrayIndices = true;
  window.SetOutputVisible(true);
  app.LogWindow()->show();
  app.Log.Clear();
  QCoreApplication::processEvents();
  QElapsedTimer clock;
  const double cpuBefore = CpuSeconds();
  clock.start();
  commands.SpeedButton3Click();
  QCoreApplication::processEvents();
  return TSeconds{static_cast<double>(clock.nsecsElapsed()) / 1e9, CpuSeconds() - cpuBefore};
}

double Slowdown(double with, double without) { return (with - without) / without * 100.0; }

TSeconds Best(const TSeconds& a, const TSeconds& b) {
  return {std::min(a.wall, b.wall), std::min(a.cpu, b.cpu)};
}

void Print(const char* what, const TSeconds& t) {
  std::printf("  %-33s %7.3f s (processor %.3f s)\n", what, t.wall, t.cpu);
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication qt(argc, argv);
  if (argc > 1) kElements = std::atoi(argv[1]);
  bench::TBenchDialogs dialogs;
  dialogs.answer = TMsgResult::Ok;
  TZuvarApp::PrepareProcess();
  TZuvarApp app(dialogs);
  app.Start();
  QCoreApplication::processEvents();
  TSeconds without{1e9, 1e9};
  TSeconds with = without;
  TSeconds recorded = without;
  std::size_t rows = 0;
  std::uint64_t steps = 0;
  for (int i = 0; i < kRepetitions; ++i) {
    const TSeconds plain = RealTimeRun(app, TTraced::No);
    const TSeconds hidden = RealTimeRun(app, TTraced::RecorderOnly);
    const TSeconds traced = RealTimeRun(app, TTraced::WithWindow);
    without = Best(without, plain);
    recorded = Best(recorded, hidden);
    with = Best(with, traced);
    const TTraceBuffer& trace = app.MainWindow()->Simulation().Trace().Rows();
    rows = trace.Size();
    steps = trace.Added();
  }
  std::printf(
      "bubble sort of %d elements, real-time run in the windows (%llu steps, %zu rows kept)\n",
      kElements, static_cast<unsigned long long>(steps), rows);
  Print("without the trace:", without);
  Print("trace recorded, window hidden:", recorded);
  Print("trace recorded and window shown:", with);
  std::printf(
      "  slowdown with the window:        %6.1f %% (processor %.1f %%; target at most 20 %%)\n",
      Slowdown(with.wall, without.wall), Slowdown(with.cpu, without.cpu));
  std::printf("  slowdown, window hidden:         %6.1f %% (processor %.1f %%)\n",
              Slowdown(recorded.wall, without.wall), Slowdown(recorded.cpu, without.cpu));
  return 0;
}
