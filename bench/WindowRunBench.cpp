// A real-time run of a 300-element bubble sort in the program's windows (variables grid with
// one row per array element, output panel and log window visible) against the same project
// run by zuvar-run as a child process. Prints both times and their ratio; never fails.
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QPixmap>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "bench/BenchDialogs.h"
#include "examples/generator/BubbleSortSheet.h"
#include "app/LogWindow.h"
#include "app/MainWindow.h"
#include "project/ProjectFile.h"
#include "tests/support/RecordingHost.h"
#include "editor/SchematView.h"
#include "app/SimulationCommands.h"
#include "app/SimulationWindow.h"
#include "app/ZuvarApp.h"

using namespace zuvar;

namespace {

int kElements = 300;

// The bubble sort of the examples, with the array filled in descending order by the diagram.
void DrawBubbleSort(TSchemat& diagram) {
  examples::ExampleSheet sheet(diagram);
  examples::DrawBubbleSort(sheet, kElements);
}

double TerminalSeconds(const QString& runner, const QString& project) {
  QProcess process;
  QElapsedTimer clock;
  clock.start();
  process.start(runner, {project});
  if (!process.waitForFinished(-1)) return -1;
  return static_cast<double>(clock.nsecsElapsed()) / 1e9;
}

double WindowSeconds(TZuvarApp& app, std::size_t& logLines) {
  TZUVAR& window = *app.MainWindow();
  TSchematView& canvas = window.CreateCanvas();
  DrawBubbleSort(canvas.Document());
  canvas.LayoutAll();
  app.Options.Simulation.ShowArrayIndices = true;
  window.SetOutputVisible(true);
  app.LogWindow()->show();
  QCoreApplication::processEvents();
  QElapsedTimer clock;
  clock.start();
  window.Simulation().SpeedButton3Click();
  const double seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
  logLines = app.Log.Size();
  // ZUVAR_BENCH_SHOT=file.png keeps a picture of the main window after the run.
  if (const QByteArray shot = qgetenv("ZUVAR_BENCH_SHOT"); !shot.isEmpty())
    window.grab().save(QString::fromLocal8Bit(shot));
  return seconds;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication qt(argc, argv);
  if (argc > 2) kElements = std::atoi(argv[2]);
  const QString runner = argc > 1 ? QString::fromLocal8Bit(argv[1])
                                  : QStringLiteral(ZUVAR_RUN_PROGRAM);
  QTemporaryDir dir;
  const QString project = dir.filePath(QStringLiteral("bubble300.bin"));
  {
    TSchemat diagram;
    DrawBubbleSort(diagram);
    test::RecordingHost host;
    if (!WriteProjectFile(project.toStdString(), diagram, host)) {
      std::printf("could not write %s\n", project.toLocal8Bit().constData());
      return 0;
    }
  }
  // The best of three runs each, so that a busy machine disturbs the ratio less.
  double terminal = TerminalSeconds(runner, project);
  for (int i = 0; i < 2; ++i) terminal = std::min(terminal, TerminalSeconds(runner, project));
  bench::BenchDialogs dialogs;
  dialogs.answer = TMsgResult::Ok;
  TZuvarApp::PrepareProcess();
  TZuvarApp app(dialogs);
  app.Start();
  QCoreApplication::processEvents();
  std::size_t logLines = 0;
  double windows = WindowSeconds(app, logLines);
  for (int i = 0; i < 2; ++i) {
    app.Log.Clear();
    windows = std::min(windows, WindowSeconds(app, logLines));
  }
  std::printf("bubble sort of %d elements, real-time run\n", kElements);
  std::printf("  zuvar-run:       %8.3f s\n", terminal);
  std::printf("  program windows: %8.3f s (%zu log lines)\n", windows, logLines);
  std::printf("  ratio:           %8.2f (target at most 3)\n", terminal > 0 ? windows / terminal : 0.0);
  return 0;
}
