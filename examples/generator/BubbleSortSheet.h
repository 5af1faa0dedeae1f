#pragma once

#include "examples/generator/ExampleSheet.h"

namespace zuvar::examples {

// The bubble sort of the examples: it reads n and n numbers, sorts them and writes them out.
// With a fixed count above 0 the diagram fills its array itself, in descending order, so that
// the run needs no input (the window-run benchmark sorts 300 elements so).
void DrawBubbleSort(TExampleSheet& s, int fixedCount = 0);

}  // namespace zuvar::examples
