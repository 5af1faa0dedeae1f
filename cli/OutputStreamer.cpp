#include "cli/OutputStreamer.h"

namespace zuvar {

void OutputStreamer::OnTextAppended(std::string_view text) {
  std::fwrite(text.data(), 1, text.size(), out_);
  std::fflush(out_);
}

void OutputStreamer::OnLineAdded() {
  // The very first line of an empty panel is not a line break: it is the line being written.
  if (lines_.Lines().size() <= 1) return;
  std::fputc('\n', out_);
  std::fflush(out_);
}

void OutputStreamer::OnCleared() {}

void OutputStreamer::Finish() {
  const auto& lines = lines_.Lines();
  if (!lines.empty() && !lines.back().empty()) std::fputc('\n', out_);
  std::fflush(out_);
}

}  // namespace zuvar
