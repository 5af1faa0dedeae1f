// The memory of the program's windows during a long real-time run: an endless loop that writes
// a line at every pass, run to the end with the log window and the output panel shown, stopped
// after a given number of steps (20 million by default). Prints the resident memory along the
// way, the peak, the growth per million steps over the second half of the run and, for a
// shorter run, the peak that growth would give at 20 million. Never fails.
#include <QApplication>
#include <QElapsedTimer>
#include <cstdio>
#include <cstdlib>

#include "app/LogWindow.h"
#include "app/MainWindow.h"
#include "app/OutputPanel.h"
#include "app/SimulationCommands.h"
#include "app/ZuvarApp.h"
#include "bench/BenchDialogs.h"
#include "bench/WritingLoop.h"
#include "editor/SchematView.h"
#include "simulation/RunObserver.h"
#include "simulation/SimulationRun.h"

using namespace zuvar;
using bench::WritingLoop::Megabytes;
using bench::WritingLoop::StatusKilobytes;

namespace {

constexpr long long kFullSteps = 20'000'000;

// Counts the steps of the loop (every step moves to the other block), reads the resident memory
// at every tenth of the run, and stops the run after the last step.
class TStepMeter : public TRunObserver {
 public:
  TStepMeter(TSimulationCommands& commands, long long steps)
      : commands_(commands), steps_(steps), tenth_(std::max(1LL, steps / 10)) {}

  void ActiveBlockChanged(const TInterpreter&, TNewShape*) override {
    ++taken_;
    if (taken_ % tenth_ == 0) {
      const long rss = StatusKilobytes("VmRSS");
      std::printf("  %11lld steps: resident %8.1f MB (%.1f s)\n", taken_, Megabytes(rss),
                  static_cast<double>(clock_.elapsed()) / 1000.0);
      std::fflush(stdout);
      if (taken_ == tenth_ * 5) half_ = rss;
      last_ = rss;
    }
    if (taken_ == steps_) commands_.Zatrzymaj1Click();
  }
  void Start() { clock_.start(); }

  // Megabytes per million steps over the second half of the run.
  double GrowthPerMillion() const {
    const double millions = static_cast<double>(tenth_ * 5) / 1e6;
    return half_ > 0 && millions > 0 ? Megabytes(last_ - half_) / millions : 0;
  }

 private:
  TSimulationCommands& commands_;
  long long steps_;
  long long tenth_;
  long long taken_ = 0;
  long half_ = 0;
  long last_ = 0;
  QElapsedTimer clock_;
};

}  // namespace

// Arguments: [steps, 20000000 by default]
int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication qt(argc, argv);
  const long long steps = argc > 1 ? std::max(10LL, std::atoll(argv[1])) : kFullSteps;
  bench::TBenchDialogs dialogs;
  dialogs.answer = TMsgResult::Ok;
  TZuvarApp::PrepareProcess();
  TZuvarApp app(dialogs);
  app.Start();
  TZUVAR& window = *app.MainWindow();
  TSchematView& canvas = window.CreateCanvas();
  bench::WritingLoop::Draw(canvas.Document());
  canvas.LayoutAll();
  app.Options.Simulation.RealTime = true;
  window.SetOutputVisible(true);
  app.LogWindow()->show();
  QCoreApplication::processEvents();
  std::printf("program windows, real-time run of an endless loop writing a line every two steps\n");
  std::printf("  before the run: resident %8.1f MB\n", Megabytes(StatusKilobytes("VmRSS")));
  TSimulationCommands& commands = window.Simulation();
  TStepMeter meter(commands, steps);
  commands.Wykonanie1Click();
  commands.Controller().AddObserver(meter);
  meter.Start();
  commands.RunToEnd();
  commands.Controller().RemoveObserver(meter);
  QCoreApplication::processEvents();
  const double peak = Megabytes(StatusKilobytes("VmHWM"));
  std::printf("  log lines %zu, output lines kept %zu of %zu\n", app.Log.Size(),
              window.Frame1->Lines().Size(), window.Frame1->Lines().LineCount());
  std::printf("  peak (VmHWM) after %lld steps: %.1f MB\n", steps, peak);
  std::printf("  growth over the second half: %.3f MB per million steps\n",
              meter.GrowthPerMillion());
  if (steps < kFullSteps)
    std::printf("  peak extrapolated to %lld steps: %.1f MB\n", kFullSteps,
                peak + meter.GrowthPerMillion() * static_cast<double>(kFullSteps - steps) / 1e6);
  commands.End();
  return 0;
}
