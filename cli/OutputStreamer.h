#pragma once

#include <cstdio>

#include "model/OutputLines.h"

namespace zuvar {

// Streams the output panel to a C stream as the algorithm writes it: appended text goes out at
// once and every new line starts with a line break. At the end of the run Finish() ends a last
// line that is not empty. When the stream cannot be written (a full disk, a closed pipe) the
// failure is told once on `err`, nothing more is written, and the run is asked to stop
// (InterruptFlag).
class TOutputStreamer : public TOutputLines::Listener {
 public:
  TOutputStreamer(const TOutputLines& lines, std::FILE* out, std::FILE* err = stderr)
      : lines_(lines), out_(out), err_(err) {}

  void OnTextAppended(std::string_view text) override;
  void OnLineAdded() override;
  void OnCleared() override;
  void Finish();

  bool Failed() const { return failed_; }

 private:
  // Writes and flushes; on the first failure reports it and stops the run.
  void Put(std::string_view bytes);
  void ReportFailure(int error);

  const TOutputLines& lines_;
  std::FILE* out_;
  std::FILE* err_;
  bool failed_ = false;
};

}  // namespace zuvar
