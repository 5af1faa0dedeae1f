#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zuvar {

// The lines of the log window, oldest first, without a limit. Listeners (the window's list
// model, the terminal) follow every change. Log files are Windows-1250 text, one line per item,
// each ended by CR LF.
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

  // Writes every line, replacing the file. Throws TFileError when the file cannot be created
  // or written.
  void SaveToFile(const std::string& fileName) const;

  // Clears the list, then loads the file into it, one item per text line. A line ends at
  // CR LF, at a lone LF or at a lone CR; a last line without a line end is a line too. Throws
  // TFileError when the file cannot be opened; the list is cleared already then.
  void LoadFromFile(const std::string& fileName);

  const std::vector<std::string>& Lines() const { return lines_; }
  std::size_t Size() const { return lines_.size(); }

  void AddListener(Listener* listener);
  void RemoveListener(Listener* listener);

 private:
  void SplitIntoLines(std::string_view text);
  void NotifyAppended(std::size_t first, std::size_t count) const;
  void NotifyCleared() const;

  std::vector<std::string> lines_;
  std::vector<Listener*> listeners_;
};

}  // namespace zuvar
