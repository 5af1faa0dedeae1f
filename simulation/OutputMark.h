#pragma once

#include <cstddef>
#include <string>

namespace zuvar {

class TOutputLines;

// A place in the output lines, so that the text written after it can be taken later without a
// copy of the lines: the number of lines and the length of the last one.
class TOutputMark {
 public:
  // Marks the end of the lines as they are now (none: nothing is marked).
  void Take(const TOutputLines* lines);
  // The text written since the mark, lines joined by "\n"; empty when nothing was. Lines that
  // were cleared meanwhile count as written anew from their beginning.
  void TextSince(const TOutputLines* lines, std::string& text) const;

 private:
  std::size_t lines_ = 0;
  std::size_t lastLength_ = 0;
};

}  // namespace zuvar
