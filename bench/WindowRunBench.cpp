// A real-time run of a 300-element bubble sort in the program's windows (variables grid with
// one row per array element, output panel and log window visible) against the same project
// run by zuvar-run as a child process; then a million steps of a one-block endless loop run to
// the end in the windows against zuvar-run --max-steps. Prints the times and their ratios (the
// best of five each, the two kinds measured in turns); never fails.
#include <sys/resource.h>

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QPixmap>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <utility>

#include "app/LogWindow.h"
#include "app/MainWindow.h"
#include "app/SimulationCommands.h"
#include "app/SimulationWindow.h"
#include "app/ZuvarApp.h"
#include "bench/BenchDialogs.h"
#include "editor/SchematView.h"
#include "examples/generator/BubbleSortSheet.h"
#include "interpreter/Interpreter.h"
#include "project/ProjectFile.h"
#include "simulation/RunObserver.h"
#include "simulation/SimulationRun.h"
#include "tests/support/DiagramBuilder.h"
#include "tests/support/RecordingHost.h"

using namespace zuvar;

namespace {

int kElements = 300;

// The bubble sort of the examples, with the array filled in descending order by the diagram.
void DrawBubbleSort(TSchemat& diagram) {
  examples::TExampleSheet sheet(diagram);
  examples::DrawBubbleSort(sheet, kElements);
}

constexpr int kLoopSteps = 1000000;

// Wall-clock and processor seconds of one measurement. On a busy machine the processor time
// tells the work apart from the waiting.
struct Seconds {
  double wall = 0;
  double cpu = 0;
};

double CpuSeconds(int who) {
  rusage usage{};
  getrusage(who, &usage);
  auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Measures a piece of work, for this process or for the child processes it waits for.
template <typename Work>
Seconds Measure(int who, const Work& work) {
  QElapsedTimer clock;
  const double cpuBefore = CpuSeconds(who);
  clock.start();
  work();
  return Seconds{static_cast<double>(clock.nsecsElapsed()) / 1e9, CpuSeconds(who) - cpuBefore};
}

// How often each kind of run is measured; the best time of each is kept.
constexpr int kRepetitions = 5;

// Measures two kinds of run in turns, so that a machine whose speed drifts disturbs both alike,
// and keeps the best of each.
std::pair<Seconds, Seconds> BestInTurns(const std::function<Seconds()>& first,
                                        const std::function<Seconds()>& second) {
  Seconds bestFirst{1e9, 1e9};
  Seconds bestSecond = bestFirst;
  auto keep = [](Seconds& best, const Seconds& next) {
    best.wall = std::min(best.wall, next.wall);
    best.cpu = std::min(best.cpu, next.cpu);
  };
  for (int i = 0; i < kRepetitions; ++i) {
    keep(bestFirst, first());
    keep(bestSecond, second());
  }
  return {bestFirst, bestSecond};
}

void PrintComparison(const Seconds& terminal, const Seconds& windows) {
  std::printf("  zuvar-run:       %8.3f s (processor %.3f s)\n", terminal.wall, terminal.cpu);
  std::printf("  program windows: %8.3f s (processor %.3f s)\n", windows.wall, windows.cpu);
}

// start -> "long i = 0;" -> a decision whose TRUE exit leads back to itself (FALSE: stop).
void DrawEndlessLoop(TSchemat& diagram) {
  test::TDiagramBuilder build(diagram);
  build.StartColumn(100, 40);
  TNewShape* start = build.Add(nstStart);
  TNewShape* init = build.Add(nstCalc, {"long i = 0;"});
  TNewShape* loop = build.Add(nstChoice, {"i < 1;"});
  TNewShape* stop = build.Add(nstStop);
  build.Chain({start, init, loop});
  build.Link(loop, loop, sideLeft, sideTop);
  build.LinkFalse(loop, stop);
}

// Stops a run to the end once it has taken a number of steps: the decision's expression
// changes the variables once per step.
class StepLimit : public TRunObserver {
 public:
  StepLimit(TSimulationCommands& commands, int steps) : commands_(commands), left_(steps) {}
  void VariablesChanged(const TInterpreter& run) override {
    if (run.CurrentBlock != nullptr && run.CurrentBlock->Shape == nstChoice && --left_ == 0)
      commands_.Zatrzymaj1Click();
  }

 private:
  TSimulationCommands& commands_;
  int left_;
};

Seconds TerminalSeconds(const QString& runner, const QStringList& arguments) {
  return Measure(RUSAGE_CHILDREN, [&] {
    QProcess process;
    process.start(runner, arguments);
    process.waitForFinished(-1);
  });
}

Seconds WindowSeconds(TZuvarApp& app, std::size_t& logLines) {
  TZUVAR& window = *app.MainWindow();
  TSchematView& canvas = window.CreateCanvas();
  DrawBubbleSort(canvas.Document());
  canvas.LayoutAll();
  app.Options.Simulation.ShowArrayIndices = true;
  window.SetOutputVisible(true);
  app.LogWindow()->show();
  QCoreApplication::processEvents();
  const Seconds seconds = Measure(RUSAGE_SELF, [&] { window.Simulation().SpeedButton3Click(); });
  logLines = app.Log.Size();
  // ZUVAR_BENCH_SHOT=file.png keeps a picture of the main window after the run.
  if (const QByteArray shot = qgetenv("ZUVAR_BENCH_SHOT"); !shot.isEmpty())
    window.grab().save(QString::fromLocal8Bit(shot));
  return seconds;
}

Seconds WindowLoopSeconds(TZuvarApp& app) {
  TZUVAR& window = *app.MainWindow();
  TSchematView& canvas = window.CreateCanvas();
  DrawEndlessLoop(canvas.Document());
  canvas.LayoutAll();
  app.Options.Simulation.RealTime = true;
  TSimulationCommands& commands = window.Simulation();
  StepLimit limit(commands, kLoopSteps);
  QCoreApplication::processEvents();
  const Seconds seconds = Measure(RUSAGE_SELF, [&] {
    commands.Wykonanie1Click();
    commands.Controller().AddObserver(limit);
    commands.RunToEnd();
  });
  commands.Controller().RemoveObserver(limit);
  commands.End();
  return seconds;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication qt(argc, argv);
  if (argc > 2) kElements = std::atoi(argv[2]);
  const QString runner =
      argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(ZUVAR_RUN_PROGRAM);
  QTemporaryDir dir;
  const QString project = dir.filePath(QStringLiteral("bubble300.bin"));
  const QString loopProject = dir.filePath(QStringLiteral("loop.bin"));
  {
    TSchemat diagram;
    DrawBubbleSort(diagram);
    TSchemat loop;
    DrawEndlessLoop(loop);
    test::TRecordingHost host;
    if (!WriteProjectFile(project.toStdString(), diagram, host) ||
        !WriteProjectFile(loopProject.toStdString(), loop, host)) {
      std::printf("could not write %s\n", dir.path().toLocal8Bit().constData());
      return 0;
    }
  }
  const QStringList loopArguments = {QStringLiteral("--max-steps"), QString::number(kLoopSteps),
                                     loopProject};
  bench::TBenchDialogs dialogs;
  dialogs.answer = TMsgResult::Ok;
  TZuvarApp::PrepareProcess();
  TZuvarApp app(dialogs);
  app.Start();
  QCoreApplication::processEvents();
  std::size_t logLines = 0;
  const auto [terminal, windows] = BestInTurns([&] { return TerminalSeconds(runner, {project}); },
                                               [&] {
                                                 app.Log.Clear();
                                                 return WindowSeconds(app, logLines);
                                               });
  std::printf("bubble sort of %d elements, real-time run (%zu log lines)\n", kElements, logLines);
  PrintComparison(terminal, windows);
  std::printf("  ratio:           %8.2f (processor %.2f; target at most 1.5)\n",
              windows.wall / terminal.wall, windows.cpu / terminal.cpu);
  const auto [terminalLoop, windowsLoop] =
      BestInTurns([&] { return TerminalSeconds(runner, loopArguments); },
                  [&] {
                    app.Log.Clear();
                    return WindowLoopSeconds(app);
                  });
  std::printf("one-block endless loop, %d steps run to the end (zuvar-run --max-steps)\n",
              kLoopSteps);
  PrintComparison(terminalLoop, windowsLoop);
  std::printf("  speed ratio:     %8.2f (processor %.2f; target at least 0.5)\n",
              terminalLoop.wall / windowsLoop.wall, terminalLoop.cpu / windowsLoop.cpu);
  return 0;
}
