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
