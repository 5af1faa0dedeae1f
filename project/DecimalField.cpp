#include "project/DecimalField.h"

#include <charconv>
#include <limits>

#include "project/ConversionError.h"

namespace zuvar {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::int64_t TDecimalField::ToInt64(std::string_view text) {
  std::string_view digits = text;
  bool negative = false;
  if (!digits.empty() && (digits.front() == '-' || digits.front() == '+')) {
    negative = digits.front() == '-';
    digits.remove_prefix(1);
  }
  if (digits.empty() || !IsDigit(digits.front())) throw TConversionError(text);
  std::uint64_t magnitude = 0;
  const char* end = digits.data() + digits.size();
  const auto [ptr, ec] = std::from_chars(digits.data(), end, magnitude);
  // Anything above 2^32 is out of every range these fields have.
  if (ec != std::errc() || ptr != end || magnitude > (std::uint64_t{1} << 32)) {
    throw TConversionError(text);
  }
  const auto value = static_cast<std::int64_t>(magnitude);
  return negative ? -value : value;
}

std::int32_t TDecimalField::ToInt32(std::string_view text) {
  const std::int64_t value = ToInt64(text);
  if (value < std::numeric_limits<std::int32_t>::min() ||
      value > std::numeric_limits<std::int32_t>::max()) {
    throw TConversionError(text);
  }
  return static_cast<std::int32_t>(value);
}

std::uint32_t TDecimalField::ToId(std::string_view text) {
  const std::int64_t value = ToInt64(text);
  if (value < std::numeric_limits<std::int32_t>::min() ||
      value > std::numeric_limits<std::uint32_t>::max()) {
    throw TConversionError(text);
  }
  return static_cast<std::uint32_t>(value);
}

}  // namespace zuvar
