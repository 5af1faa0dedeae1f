#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zuvar {

// One step of a run as the trace keeps it: texts only, so that it outlives the run and the
// diagram it ran. The block's caption and code line are shared by every row of that block: they
// point into texts that the trace's owner keeps as long as the rows.
struct TTraceRow {
  // The step's number in its run, from 1.
  std::uint64_t Step = 0;
  // The caption of the block the step ended in.
  std::string_view Block;
  // The number of the code line run (from 1), 0 when the step ran none, and its text.
  std::int32_t Line = 0;
  std::string_view Code;
  // The variables the step changed with their new values: "a = 1; t[2] = 5".
  std::string Changed;
  // The text written by the step, lines joined by "\n".
  std::string Written;
};

}  // namespace zuvar
