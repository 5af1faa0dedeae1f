#pragma once

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
  };

  // Appends text to the last line; an empty list first gets one empty line.
  void AppendText(std::string_view text);
  // Adds a new, empty last line.
  void AddLine();
  void Clear();

  const std::vector<std::string>& Lines() const { return lines_; }
  void SetListener(Listener* listener) { listener_ = listener; }

 private:
  std::vector<std::string> lines_;
  Listener* listener_ = nullptr;
};

}  // namespace zuvar
