#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zuvar {

// The lines of the output panel: the target of the block language's `write`. A listener sees
// every change as it happens, so that a front end can stream the output.
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

  // Appends text to the last line; an empty list first gets one empty line.
  void AppendText(std::string_view text);
  // Adds a new, empty last line.
  void AddLine();
  void Clear();
  // Goes back to an earlier length: keeps the first `lineCount` lines and cuts the last of them
  // to `lastLineLength` bytes. Lines that are already shorter stay as they are.
  void TruncateTo(std::size_t lineCount, std::size_t lastLineLength);
  // The length of the last line in bytes (0 without lines).
  std::size_t LastLineLength() const { return lines_.empty() ? 0 : lines_.back().size(); }

  const std::vector<std::string>& Lines() const { return lines_; }
  void SetListener(Listener* listener) { listener_ = listener; }

 private:
  std::vector<std::string> lines_;
  Listener* listener_ = nullptr;
};

}  // namespace zuvar
