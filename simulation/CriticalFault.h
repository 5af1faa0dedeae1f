#pragma once

namespace zuvar {

class THost;

// The report of an exception that escaped the interpretation of a code line: a message box,
// then five log lines advising the user to restart the program.
namespace CriticalFault {

// scrollEachLine: scroll the log down one page after every line (the simulation step) rather
// than once after the last one (the code check pass).
void Report(THost& host, bool scrollEachLine);

}  // namespace CriticalFault

}  // namespace zuvar
