#include "cli/TerminalHost.h"

#include "cli/LineReader.h"
#include "interpreter/Interpreter.h"

namespace zuvar {

TTerminalHost::TTerminalHost(TLineReader& input, std::FILE* err, bool printLog)
    : input_(input), err_(err), printLog_(printLog) {}

void TTerminalHost::WriteLine(std::string_view text) const {
  std::fwrite(text.data(), 1, text.size(), err_);
  std::fputc('\n', err_);
  std::fflush(err_);
}

TMsgResult TTerminalHost::ShowMessage(std::string_view text, std::string_view caption, TMsgIcon,
                                      TMsgButtons buttons) {
  std::string line = "[";
  line += caption;
  line += "] ";
  line += text;
  WriteLine(line);
  // Nobody can answer a question on the terminal: it is declined.
  return buttons == TMsgButtons::Ok ? TMsgResult::Ok : TMsgResult::No;
}

void TTerminalHost::AppendLog(std::string_view line) {
  if (printLog_) WriteLine(line);
}

std::optional<std::string> TTerminalHost::ReadValue(std::string_view prompt) {
  for (;;) {
    WriteLine(prompt);
    std::optional<std::string> entry = input_.ReadLine();
    if (!entry) return std::nullopt;
    if (!entry->empty()) return entry;
  }
}

void TTerminalHost::VariablesChanged(const TInterpreter& interpreter) { staleRun_ = &interpreter; }

void TTerminalHost::RefreshGrid() {
  if (!staleRun_) return;
  grid_ = VariablesGrid::Rows(*staleRun_);
  if (!grid_.empty()) grid_.erase(grid_.begin());  // the titles
  // A grid without variables keeps one empty row, which is no entry.
  if (staleRun_->VariableCount() == 0) grid_.clear();
  staleRun_ = nullptr;
}

void TTerminalHost::PrintGrid() const {
  WriteLine("Nazwa zmiennej\tWartość");
  for (const TGridRow& entry : grid_) {
    std::string row = entry.Name;
    row += '\t';
    row += entry.Value;
    WriteLine(row);
  }
}

}  // namespace zuvar
