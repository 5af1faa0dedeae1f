#pragma once

#include <optional>
#include <string>

namespace zuvar {

// Reads lines from a file descriptor without stdio buffering, so that an interrupt arriving
// while it waits ends the wait. A line ends at LF; a CR before it is dropped.
class TLineReader {
 public:
  explicit TLineReader(int fd) : fd_(fd) {}

  // The next line without its end, or std::nullopt at the end of input or on an interrupt.
  std::optional<std::string> ReadLine();

 private:
  bool Fill();

  int fd_;
  std::string buffer_;
  bool ended_ = false;
};

}  // namespace zuvar
