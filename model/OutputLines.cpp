#include "model/OutputLines.h"

namespace zuvar {

void TOutputLines::AppendText(std::string_view text) {
  if (lines_.empty()) lines_.emplace_back();
  lines_.back().append(text);
  if (listener_) listener_->OnTextAppended(text);
}

void TOutputLines::AddLine() {
  lines_.emplace_back();
  if (listener_) listener_->OnLineAdded();
}

void TOutputLines::TruncateTo(std::size_t lineCount, std::size_t lastLineLength) {
  bool changed = false;
  if (lineCount < lines_.size()) {
    lines_.resize(lineCount);
    changed = true;
  }
  if (lineCount > 0 && lineCount == lines_.size() && lines_.back().size() > lastLineLength) {
    lines_.back().resize(lastLineLength);
    changed = true;
  }
  if (changed && listener_) listener_->OnTruncated();
}

void TOutputLines::Clear() {
  lines_.clear();
  if (listener_) listener_->OnCleared();
}

}  // namespace zuvar
