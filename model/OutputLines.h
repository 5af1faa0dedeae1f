#pragma once

#include <cstddef>
#include <deque>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

namespace zuvar {

// The lines of the output panel: the target of the block language's `write`. A listener sees
// every change as it happens, so that a front end can stream the output.
//
// The list keeps at most a given number of the newest lines (by default all of them); the
// oldest go first, and the list counts them. With a limit of none it keeps no text at all,
// only whether a line is open and whether it is empty: for a front end that streams every
// change and needs nothing back.
class TOutputLines {
 public:
  class Listener {
   public:
    virtual ~Listener() = default;
    // Text was appended to the last line.
    virtual void OnTextAppended(std::string_view text) = 0;
    // A new, empty last line was added.
    virtual void OnLineAdded() = 0;
    // All lines were removed.
    virtual void OnCleared() = 0;
    // Lines were dropped from the end, or the last line was cut short (a step was undone).
    virtual void OnTruncated() {}
  };

  static constexpr std::size_t kUnlimited = std::numeric_limits<std::size_t>::max();

  explicit TOutputLines(std::size_t limit = kUnlimited) : limit_(limit) {}

  // Appends text to the last line; an empty list first gets one empty line.
  void AppendText(std::string_view text);
  // Adds a new, empty last line.
  void AddLine();
  // Removes every line and gives their memory back.
  void Clear();
  // Goes back to an earlier length: keeps the first `lineCount` lines and cuts the last of them
  // to `lastLineLength` bytes. Lines that are already shorter stay as they are.
  void TruncateTo(std::size_t lineCount, std::size_t lastLineLength);
  // The length of the last line in bytes (0 without lines).
  std::size_t LastLineLength() const { return lines_.empty() ? 0 : lines_.back().size(); }

  // The most lines kept; a smaller limit drops the oldest lines at once.
  void SetLimit(std::size_t limit);
  std::size_t Limit() const { return limit_; }

  // The lines written since the last Clear, the dropped ones included.
  std::size_t LineCount() const { return count_; }
  // How many of the oldest lines were dropped since the last Clear.
  std::size_t Dropped() const { return count_ - lines_.size(); }
  // Whether the last line is empty (or there is none).
  bool LastLineEmpty() const { return lastEmpty_; }

  // The kept lines, oldest first.
  std::size_t Size() const { return lines_.size(); }
  const std::string& Line(std::size_t index) const { return lines_[index]; }
  std::vector<std::string> Lines() const { return {lines_.begin(), lines_.end()}; }

  void SetListener(Listener* listener) { listener_ = listener; }

 private:
  void OpenLine();
  void KeepWithinLimit();

  std::size_t limit_;
  std::deque<std::string> lines_;
  std::size_t count_ = 0;
  bool lastEmpty_ = true;
  Listener* listener_ = nullptr;
};

}  // namespace zuvar
