#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace zuvar {

// A numeric field of a project file is not a decimal integer of its range. The message is the
// Polish text that the general error handler shows, naming the offending text.
class TConversionError : public std::runtime_error {
 public:
  // `fieldBytes` is the field as stored in the file (Windows-1250).
  explicit TConversionError(std::string_view fieldBytes);

 private:
  static std::string MessageFor(std::string_view fieldBytes);
};

}  // namespace zuvar
