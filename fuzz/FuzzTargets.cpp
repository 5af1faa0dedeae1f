#include "fuzz/FuzzTargets.h"

#include <memory>
#include <string>

#include "fuzz/FuzzHost.h"
#include "fuzz/ScratchFile.h"
#include "interpreter/Builtins.h"
#include "interpreter/Interpreter.h"
#include "interpreter/StatementInterpreter.h"
#include "model/FixedWidthMeasurer.h"
#include "model/NewShape.h"
#include "model/OutputLines.h"
#include "model/Schemat.h"
#include "project/ProjectFile.h"
#include "simulation/SimulationEngine.h"
#include "simulation/SimulationOptions.h"

namespace zuvar::fuzz {
namespace {

// Declarations made before every fuzzed line, so that it can name variables of every type.
constexpr const char* kDeclarations =
    "int i = 3, a[5] = {1, 2, 3}; long l = -2147483647, b[4]; double d = 2.5, e[3] = {0.5};"
    " char c = 'x', s[16] = \"tekst\", t[2];";

int RunLine(TInterpreter& interpreter, TNewShape& block, TNewShapeType shape,
            const std::string& line, bool check) {
  block.SetShape(shape);
  block.Code = {line};
  interpreter.CurrentBlock = &block;
  interpreter.BlockStatementCount = 0;
  interpreter.Line = 1;
  return check ? CheckLine(interpreter) : ExecuteLine(interpreter);
}

bool Load(const TScratchFile& file, const std::uint8_t* data, std::size_t size, TSchemat& doc,
          THost& host) {
  return file.Write(data, size) && ReadProjectFile(file.Path(), doc, host);
}

}  // namespace

void FuzzTargets::ReadProject(const std::uint8_t* data, std::size_t size) {
  static const TScratchFile input("reader-in");
  static const TScratchFile output("reader-out");
  TFuzzHost host;
  TSchemat doc;
  if (!Load(input, data, size, doc, host)) return;
  doc.LayoutAll(TFixedWidthMeasurer());
  if (!WriteProjectFile(output.Path(), doc, host)) return;
  TSchemat again;
  ReadProjectFile(output.Path(), again, host);
}

void FuzzTargets::InterpretLine(const std::uint8_t* data, std::size_t size) {
  const std::string line(reinterpret_cast<const char*>(data), size);
  TFuzzHost host;
  TOutputLines output;
  TNewShape block;
  TInterpreter interpreter(host);
  Builtins::FillBuiltinFunctions(interpreter);
  interpreter.OutputLines = &output;
  RunLine(interpreter, block, nstCalc, kDeclarations, false);
  for (TNewShapeType shape : {nstCalc, nstInOut, nstChoice}) {
    RunLine(interpreter, block, shape, line, true);
    RunLine(interpreter, block, shape, line, false);
  }
}

void FuzzTargets::RunDiagram(const std::uint8_t* data, std::size_t size) {
  static const TScratchFile input("diagram");
  TFuzzHost host;
  TSchemat doc;
  if (!Load(input, data, size, doc, host)) return;
  doc.LayoutAll(TFixedWidthMeasurer());

  TSimulationOptions options;
  options.RealTime = true;
  options.Bubble = false;
  options.CheckCodeBeforeRun = true;
  TSimulationEngine engine(host, host, options);
  auto interpreter = std::make_unique<TInterpreter>(host);
  engine.PrepareSimulation(*interpreter, &doc);
  if (interpreter->StartError != 0) {
    engine.StopSimulation(interpreter, true);
    return;
  }
  TOutputLines output;
  interpreter->OutputLines = &output;
  for (int step = 0; step < kMaxSteps; ++step) {
    if (engine.Step(*interpreter) == 0 || interpreter->Finished) break;
  }
  engine.StopSimulation(interpreter, true);
}

}  // namespace zuvar::fuzz
