#include "project/ConversionError.h"

#include "model/Cp1250.h"

namespace zuvar {

namespace {

// A garbage line can be very long; the message quotes only its beginning.
constexpr std::size_t kQuotedBytes = 64;

}  // namespace

TConversionError::TConversionError(std::string_view fieldBytes)
    : std::runtime_error(MessageFor(fieldBytes)) {}

std::string TConversionError::MessageFor(std::string_view fieldBytes) {
  std::string quoted = Cp1250::ToUtf8(fieldBytes.substr(0, kQuotedBytes));
  if (fieldBytes.size() > kQuotedBytes) quoted += "...";
  return "'" + quoted + "' nie jest poprawną wartością całkowitą";
}

}  // namespace zuvar
