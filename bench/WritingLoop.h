#pragma once

#include <cstdio>
#include <fstream>
#include <string>

#include "model/Schemat.h"
#include "tests/support/DiagramBuilder.h"

namespace zuvar::bench {

// An endless loop that writes a line at every pass: start -> "long i = 0;" -> an input/output
// block "write(i, ...)" -> a decision "i < 1;" whose TRUE exit leads back to the writing block
// (FALSE: stop). Two steps a pass, one output line a pass.
namespace WritingLoop {

inline void Draw(TSchemat& diagram) {
  test::TDiagramBuilder build(diagram);
  build.StartColumn(100, 40);
  TNewShape* start = build.Add(nstStart);
  TNewShape* init = build.Add(nstCalc, {"long i = 0;"});
  TNewShape* io = build.Add(nstInOut, {"write(\"wiersz wyniku\\n\");"});
  TNewShape* loop = build.Add(nstChoice, {"i < 1;"});
  TNewShape* stop = build.Add(nstStop);
  build.Chain({start, init, io, loop});
  build.Link(loop, io, sideLeft, sideTop);
  build.LinkFalse(loop, stop);
}

// The memory figures of this process from /proc/self/status, in kilobytes: "VmRSS" (now) or
// "VmHWM" (the peak so far); 0 when unknown.
inline long StatusKilobytes(const std::string& field) {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind(field + ":", 0) == 0) return std::stol(line.substr(field.size() + 1));
  }
  return 0;
}

inline double Megabytes(long kilobytes) { return static_cast<double>(kilobytes) / 1024.0; }

}  // namespace WritingLoop

}  // namespace zuvar::bench
