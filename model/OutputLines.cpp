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

void TOutputLines::Clear() {
  lines_.clear();
  if (listener_) listener_->OnCleared();
}

}  // namespace zuvar
