#pragma once

#include <cstddef>
#include <cstdint>

namespace zuvar::fuzz {

// The entry points exercised by the fuzz harnesses and replayed by the regression tests. Each
// takes arbitrary bytes and must neither crash, hang, leak nor show undefined behaviour.
class FuzzTargets {
 public:
  // The bytes as a project file: read, and when loaded written and read back.
  static void ReadProject(const std::uint8_t* data, std::size_t size);
  // The bytes as one code line, checked and executed in a calculation, an input/output and a
  // decision block, after a few scalars and arrays of every type have been declared.
  static void InterpretLine(const std::uint8_t* data, std::size_t size);
  // The bytes as a project file: validated with the code check, then run for a bounded number
  // of steps in real time.
  static void RunDiagram(const std::uint8_t* data, std::size_t size);

  // Steps of one RunDiagram run.
  static constexpr int kMaxSteps = 2000;
};

}  // namespace zuvar::fuzz
