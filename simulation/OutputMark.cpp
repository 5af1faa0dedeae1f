#include "simulation/OutputMark.h"

#include "model/OutputLines.h"

namespace zuvar {

void TOutputMark::Take(const TOutputLines* lines) {
  if (lines == nullptr) {
    lines_ = lastLength_ = 0;
    return;
  }
  // Read in place: a copy of the lines at every step would cost as much as the output is long.
  lines_ = lines->Size();
  lastLength_ = lines->LastLineLength();
}

void TOutputMark::TextSince(const TOutputLines* lines, std::string& text) const {
  text.clear();
  if (lines == nullptr) return;
  const std::size_t size = lines->Size();
  const bool unchanged = size == lines_ && lines->LastLineLength() == lastLength_;
  if (unchanged) return;
  std::size_t first = 0;
  std::size_t from = 0;
  const bool kept = lines_ > 0 && size >= lines_ && lines->Line(lines_ - 1).size() >= lastLength_;
  if (kept) {
    first = lines_ - 1;
    from = lastLength_;
  }
  for (std::size_t i = first; i < size; ++i) {
    if (i > first) text += '\n';
    text.append(lines->Line(i), i == first ? from : 0);
  }
}

}  // namespace zuvar
