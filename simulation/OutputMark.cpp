#include "simulation/OutputMark.h"

#include "model/OutputLines.h"

namespace zuvar {

void TOutputMark::Take(const TOutputLines* lines) {
  if (lines == nullptr) {
    lines_ = lastLength_ = 0;
    return;
  }
  const auto& all = lines->Lines();
  lines_ = all.size();
  lastLength_ = all.empty() ? 0 : all.back().size();
}

void TOutputMark::TextSince(const TOutputLines* lines, std::string& text) const {
  text.clear();
  if (lines == nullptr) return;
  const auto& all = lines->Lines();
  const bool unchanged = all.size() == lines_ && (all.empty() || all.back().size() == lastLength_);
  if (unchanged) return;
  std::size_t first = 0;
  std::size_t from = 0;
  const bool kept = lines_ > 0 && all.size() >= lines_ && all[lines_ - 1].size() >= lastLength_;
  if (kept) {
    first = lines_ - 1;
    from = lastLength_;
  }
  for (std::size_t i = first; i < all.size(); ++i) {
    if (i > first) text += '\n';
    text.append(all[i], i == first ? from : 0);
  }
}

}  // namespace zuvar
