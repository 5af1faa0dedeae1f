#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zuvar {

// Icon shown beside the text of a message box.
enum class TMsgIcon { None, Warning, Question, Error, Information };

// Buttons offered by a message box.
enum class TMsgButtons { Ok, YesNo };

// The button the user pressed.
enum class TMsgResult { Ok, Yes, No };

// How the core speaks to the user. Every message box, question, log line, beep and value
// request of the model, the interpreter, the project files and the engine goes through this
// interface. The desktop program implements it with widgets, zuvar-run on the terminal, and the
// tests with a recorder.
class THost {
 public:
  virtual ~THost() = default;

  // Shows a modal message box and returns the button pressed (TMsgResult::Ok for an OK box).
  virtual TMsgResult ShowMessage(std::string_view text, std::string_view caption, TMsgIcon icon,
                                 TMsgButtons buttons) = 0;

  // Appends one line to the log and scrolls the log to its last line.
  virtual void AppendLog(std::string_view line) = 0;

  // Scrolls the log list down by one page.
  virtual void ScrollLogPage() = 0;

  // Sounds the system beep.
  virtual void Beep() = 0;

  // Asks the user for a value with the given prompt. The answer is never empty: an empty entry
  // is refused by the host itself. std::nullopt means that no answer can ever come (the input
  // ended), which ends the run.
  virtual std::optional<std::string> ReadValue(std::string_view prompt) = 0;
};

}  // namespace zuvar
