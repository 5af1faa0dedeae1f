#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "interpreter/Interpreter.h"
#include "model/OutputLines.h"
#include "model/Schemat.h"
#include "model/SchematObserver.h"
#include "simulation/SimulationEngine.h"
#include "simulation/SimulationOptions.h"
#include "tests/simulation/RecordingSimulationHost.h"
#include "tests/support/DiagramBuilder.h"
#include "tests/support/RecordingHost.h"

namespace zuvar::test {

// Records every pen colour a link is given.
class TLinkColourRecorder : public TSchematObserver {
 public:
  void LinkRepaint(TLink& link) override { colours.emplace_back(&link, link.Pen.Color); }
  std::vector<TColor> ColoursOf(const TLink* link) const {
    std::vector<TColor> out;
    for (const auto& [l, c] : colours)
      if (l == link) out.push_back(c);
    return out;
  }
  std::vector<std::pair<const TLink*, TColor>> colours;
};

class EngineFixture : public ::testing::Test {
 protected:
  EngineFixture() {
    options.RealTime = true;
    engine.SetObserver(&ui);
  }

  void Start() {
    engine.PrepareSimulation(*run, &diagram);
    run->OutputLines = &output;
  }
  int Step() { return engine.Step(*run); }
  // Steps until the algorithm ends or a step fails; returns the last result.
  int RunToEnd(int limit = 10000) {
    int result = 1;
    for (int i = 0; i < limit && result == 1 && !run->Finished; ++i) result = Step();
    return result;
  }
  std::string ValueOf(const std::string& name) const {
    const auto* v = run->FindVariable(name);
    return v ? v->Values.at(0) : std::string("<none>");
  }
  bool AnyBlockRed() const {
    for (TNewShape* b = diagram.FirstBlock; b; b = b->Next)
      if (!b->Brush.Clear && b->Brush.Color == clRed) return true;
    return false;
  }

  TSchemat diagram;
  TDiagramBuilder build{diagram};
  TRecordingHost host;
  TRecordingSimulationHost ui;
  TSimulationOptions options;
  TSimulationEngine engine{host, ui, options};
  std::unique_ptr<TInterpreter> run = std::make_unique<TInterpreter>(host);
  TOutputLines output;
};

}  // namespace zuvar::test
