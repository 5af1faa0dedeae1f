#pragma once

#include <cstdio>

#include "model/OutputLines.h"

namespace zuvar {

// Streams the output panel to a C stream as the algorithm writes it: appended text goes out at
// once and every new line starts with a line break. At the end of the run Finish() ends a last
// line that is not empty.
class OutputStreamer : public TOutputLines::Listener {
 public:
  OutputStreamer(const TOutputLines& lines, std::FILE* out) : lines_(lines), out_(out) {}

  void OnTextAppended(std::string_view text) override;
  void OnLineAdded() override;
  void OnCleared() override;
  void Finish();

 private:
  const TOutputLines& lines_;
  std::FILE* out_;
};

}  // namespace zuvar
