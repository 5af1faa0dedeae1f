#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "interpreter/VariablesGrid.h"
#include "model/Host.h"
#include "simulation/HeadlessSimulationHost.h"
#include "simulation/RunObserver.h"

namespace zuvar {

class TLineReader;

// zuvar-run's user interface on the terminal. Every message box is one line on stderr,
// "[caption] text"; log lines go to stderr only when asked for; `read` prints its prompt on
// stderr and takes a line of standard input, refusing empty lines as the value dialog does.
// Nothing of the canvas is shown and the animation never waits. The variables grid is built
// only on request, from the last run that changed it.
class TTerminalHost : public THost, public THeadlessSimulationHost, public TRunObserver {
 public:
  TTerminalHost(TLineReader& input, std::FILE* err, bool printLog);

  // THost
  TMsgResult ShowMessage(std::string_view text, std::string_view caption, TMsgIcon icon,
                         TMsgButtons buttons) override;
  void AppendLog(std::string_view line) override;
  void ScrollLogPage() override {}
  void Beep() override {}
  std::optional<std::string> ReadValue(std::string_view prompt) override;

  // TRunObserver
  TRunEvents Events() const override { return {TRunEvent::VariablesChanged}; }
  void VariablesChanged(const TInterpreter& interpreter) override;

  // Fills the grid from the run that last changed its variables, if it did since the last
  // call. Call it before the run's variables are freed.
  void RefreshGrid();
  // Prints the title row and every grid row, the two columns separated by a TAB.
  void PrintGrid() const;

 private:
  void WriteLine(std::string_view text) const;

  TLineReader& input_;
  std::FILE* err_;
  bool printLog_;
  const TInterpreter* staleRun_ = nullptr;
  // The rows below the titles, one per entry.
  std::vector<TGridRow> grid_;
};

}  // namespace zuvar
