#pragma once

#include "model/OutputLines.h"
#include "model/Schemat.h"
#include "simulation/SimulationOptions.h"
#include "simulation/SimulationRun.h"
#include "tests/simulation/RecordingSimulationHost.h"
#include "tests/support/DiagramBuilder.h"
#include "tests/support/RecordingHost.h"

namespace zuvar::test {

// A diagram with its builder, and a run controller over it that reports to recording hosts;
// `output` takes what the run writes. Fixtures derive from it and add what they observe.
struct TRunSetup {
  TSchemat diagram;
  TDiagramBuilder build{diagram};
  TRecordingHost host;
  TRecordingSimulationHost ui;
  TSimulationOptions options;
  TSimulationRun run{host, ui, options};
  TOutputLines output;
};

}  // namespace zuvar::test
