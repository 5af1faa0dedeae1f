#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "project/SafeFile.h"

namespace zuvar {

// The lines of the log window, oldest first, without a limit. Listeners (the window's list
// model, the terminal) follow every change. Log files are Windows-1250 text, one line per item,
// each ended by CR LF. The lines lie one after another in one text with the end of each
// recorded, so a run that logs every statement costs no allocation per line.
class TLogLines {
 public:
  // Told after each change, when Lines() already shows it.
  class Listener {
   public:
    virtual ~Listener() = default;
    // The lines [first, first + count) were added at the end of the list.
    virtual void OnLinesAppended(std::size_t first, std::size_t count) = 0;
    // All lines were removed.
    virtual void OnCleared() = 0;
  };

  void Append(std::string_view line);
  void Clear();

  // Writes every line into a new file that replaces the old one only when it is complete.
  // Throws TFileError when the file cannot be created or written; the old file is then
  // untouched. fault: for tests, makes the writing fail after that many bytes.
  void SaveToFile(const std::string& fileName, TWriteFault fault = {}) const;

  // Clears the list, then loads the file into it, one item per text line. A line ends at
  // CR LF, at a lone LF or at a lone CR; a last line without a line end is a line too. Throws
  // TFileError when the file cannot be opened; the list is cleared already then.
  void LoadFromFile(const std::string& fileName);

  // Line `index`, valid until the next change of the list.
  std::string_view Line(std::size_t index) const;
  // A copy of every line.
  std::vector<std::string> Lines() const;
  std::size_t Size() const { return ends_.size(); }

  void AddListener(Listener* listener);
  void RemoveListener(Listener* listener);

 private:
  void SplitIntoLines(std::string_view text);
  void NotifyAppended(std::size_t first, std::size_t count) const;
  void NotifyCleared() const;

  void Add(std::string_view line);

  std::string text_;
  // Where each line ends in text_; line i begins where line i - 1 ends.
  std::vector<std::size_t> ends_;
  std::vector<Listener*> listeners_;
};

}  // namespace zuvar
