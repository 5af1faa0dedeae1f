#pragma once

#include "cli/RunArguments.h"

namespace zuvar {

// zuvar-run --tests: reads the test file, grades every project file, prints the summary table
// on standard output (unless the JSON report goes there) and writes the JSON report when asked.
namespace GradingCommand {

// The exit status: 0 when every case of every file passed, kExitOutputDiffers when one failed,
// kExitUsage for a test file with a fault, kExitNotStarted when the test file cannot be read or
// the JSON report cannot be written, and the status of an interrupt.
int Run(const TRunArguments& arguments);

}  // namespace GradingCommand

}  // namespace zuvar
