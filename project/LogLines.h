#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "project/SafeFile.h"

namespace zuvar {

// The lines of the log window, oldest first. Listeners (the window's list model, the terminal)
// follow every change. Log files are Windows-1250 text, one line per item, each ended by CR LF.
// The lines lie one after another in one text with the end of each recorded, so a run that logs
// every statement costs no allocation per line.
//
// The list keeps at most a given number of the newest lines, so that a run logging every step
// for hours does not eat the memory. Once older lines have been dropped, the first item of the
// list is a notice that says how many; it is saved with the other items.
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

  static constexpr std::size_t kDefaultLimit = 1'000'000;

  explicit TLogLines(std::size_t limit = kDefaultLimit);

  void Append(std::string_view line);
  // Removes every line; the memory stays for the lines to come.
  void Clear();
  // Removes every line and gives their memory back.
  void Release();

  // The most lines kept (at least one); a smaller limit drops the oldest lines at once.
  void SetLimit(std::size_t limit);
  std::size_t Limit() const { return limit_; }
  // How many of the oldest lines were dropped since the last Clear.
  std::size_t Dropped() const { return dropped_; }

  // Writes every item into a new file that replaces the old one only when it is complete.
  // Throws TFileError when the file cannot be created or written; the old file is then
  // untouched. fault: for tests, makes the writing fail after that many bytes.
  void SaveToFile(const std::string& fileName, TWriteFault fault = {}) const;

  // Clears the list, then loads the file into it, one item per text line. A line ends at
  // CR LF, at a lone LF or at a lone CR; a last line without a line end is a line too. Throws
  // TFileError when the file cannot be opened; the list is cleared already then.
  void LoadFromFile(const std::string& fileName);

  // Item `index` (the notice first, when lines were dropped), valid until the next change.
  std::string_view Line(std::size_t index) const;
  // A copy of every item.
  std::vector<std::string> Lines() const;
  // The items: the kept lines, and the notice when lines were dropped.
  std::size_t Size() const { return Kept() + (dropped_ > 0 ? 1 : 0); }
  // The memory held for the lines, in bytes.
  std::size_t ReservedBytes() const;

  void AddListener(Listener* listener);
  void RemoveListener(Listener* listener);

 private:
  void SplitIntoLines(std::string_view text);
  void NotifyAppended(std::size_t first, std::size_t count) const;
  void NotifyCleared() const;

  void Add(std::string_view line);
  void DropOldest(std::size_t count);
  void Compact();
  std::size_t Kept() const { return ends_.size() - first_; }
  std::string_view Stored(std::size_t index) const;

  std::size_t limit_;
  std::string text_;
  // Where each stored line ends in text_; line i begins where line i - 1 ends, the first stored
  // line at begin_. Dropped lines stay stored until enough of them are there to move the rest
  // down in one go.
  std::vector<std::size_t> ends_;
  std::size_t first_ = 0;
  std::size_t begin_ = 0;
  std::size_t dropped_ = 0;
  // The notice for `noticeFor_` dropped lines, made when it is first asked for.
  mutable std::string notice_;
  mutable std::size_t noticeFor_ = 0;
  std::vector<Listener*> listeners_;
};

}  // namespace zuvar
