#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "cli/OutputStreamer.h"
#include "model/OutputLines.h"
#include "model/Schemat.h"
#include "simulation/SimulationOptions.h"
#include "simulation/SimulationRun.h"
#include "tests/simulation/RecordingSimulationHost.h"
#include "tests/support/DiagramBuilder.h"
#include "tests/support/RecordingHost.h"

namespace zuvar {
namespace {

// The write end of a pipe as a C stream, and the bytes that arrived at its read end.
class TPipe {
 public:
  TPipe() {
    int fds[2] = {-1, -1};
    if (pipe2(fds, O_NONBLOCK) == 0) {
      read_ = fds[0];
      write = fdopen(fds[1], "w");
    }
  }
  ~TPipe() {
    if (write != nullptr) std::fclose(write);
    if (read_ >= 0) close(read_);
  }
  std::string Arrived() {
    char buffer[4096];
    for (ssize_t got; (got = ::read(read_, buffer, sizeof buffer)) > 0;)
      arrived_.append(buffer, static_cast<std::size_t>(got));
    return arrived_;
  }

  std::FILE* write = nullptr;

 private:
  int read_ = -1;
  std::string arrived_;
};

// An endless loop that writes a line per pass: what it wrote is on the pipe while the run goes
// on, and the lines keep nothing of it.
TEST(OutputStreamerTest, OutputReachesThePipeDuringTheRunAndIsNotKept) {
  TSchemat diagram;
  test::TDiagramBuilder build(diagram);
  TNewShape* start = build.Add(nstStart);
  TNewShape* init = build.Add(nstCalc, {"long i = 0;"});
  TNewShape* io = build.Add(nstInOut, {"write(\"wiersz\\n\");"});
  TNewShape* loop = build.Add(nstChoice, {"i < 1;"});
  TNewShape* stop = build.Add(nstStop);
  build.Chain({start, init, io, loop});
  build.Link(loop, io, sideLeft, sideTop);
  build.LinkFalse(loop, stop);

  test::TRecordingHost host;
  test::TRecordingSimulationHost ui;
  TSimulationOptions options;
  options.RealTime = true;
  TSimulationRun run(host, ui, options);
  TOutputLines output(0);
  TPipe pipe;
  ASSERT_NE(pipe.write, nullptr);
  ASSERT_TRUE(run.Start(&diagram, &output));
  TOutputStreamer streamer(output, pipe.write);
  output.SetListener(&streamer);

  int steps = 0;
  std::string midway;
  run.RunToEnd([&] {
    if (++steps == 100) midway = pipe.Arrived();
    return steps < 200;
  });
  EXPECT_GE(midway.size(), std::string("wiersz\nwiersz\n").size());
  EXPECT_EQ(midway.find_first_not_of("wiersz\n"), std::string::npos);
  EXPECT_EQ(output.Size(), 0u);
  EXPECT_GT(output.LineCount(), 50u);
  run.End();
  output.SetListener(nullptr);
  streamer.Finish();
  EXPECT_FALSE(streamer.Failed());
  const std::string all = pipe.Arrived();
  EXPECT_EQ(all.size() % 7, 0u);
  EXPECT_EQ(all.size() / 7 + 1, output.LineCount());
}

}  // namespace
}  // namespace zuvar
