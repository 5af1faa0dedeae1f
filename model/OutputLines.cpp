#include "model/OutputLines.h"

namespace zuvar {

void TOutputLines::AppendText(std::string_view text) {
  if (count_ == 0) OpenLine();
  if (!text.empty()) lastEmpty_ = false;
  if (!lines_.empty()) lines_.back().append(text);
  if (listener_) listener_->OnTextAppended(text);
}

void TOutputLines::AddLine() {
  OpenLine();
  if (listener_) listener_->OnLineAdded();
}

void TOutputLines::OpenLine() {
  ++count_;
  lastEmpty_ = true;
  lines_.emplace_back();
  KeepWithinLimit();
}

void TOutputLines::TruncateTo(std::size_t lineCount, std::size_t lastLineLength) {
  bool changed = false;
  if (lineCount < count_) {
    // Lines dropped for the limit stay dropped: the count never goes below them.
    const std::size_t dropped = Dropped();
    lines_.resize(lineCount > dropped ? lineCount - dropped : 0);
    count_ = lineCount > dropped ? lineCount : dropped;
    changed = true;
  }
  if (lineCount > 0 && lineCount == count_ && !lines_.empty() &&
      lines_.back().size() > lastLineLength) {
    lines_.back().resize(lastLineLength);
    changed = true;
  }
  if (!changed) return;
  lastEmpty_ = lines_.empty() || lines_.back().empty();
  if (listener_) listener_->OnTruncated();
}

void TOutputLines::Clear() {
  std::deque<std::string>().swap(lines_);
  count_ = 0;
  lastEmpty_ = true;
  if (listener_) listener_->OnCleared();
}

void TOutputLines::SetLimit(std::size_t limit) {
  limit_ = limit;
  KeepWithinLimit();
}

void TOutputLines::KeepWithinLimit() {
  while (lines_.size() > limit_) lines_.pop_front();
}

}  // namespace zuvar
