#pragma once

#include <cstdint>
#include <string_view>

namespace zuvar {

// Conversions of the numeric fields of a project file. A field is an optional "-" or "+"
// followed by decimal digits and nothing else; anything else, or a value out of range, throws
// TConversionError.
class TDecimalField {
 public:
  // A signed 32-bit value.
  static std::int32_t ToInt32(std::string_view text);

  // A block identifier. Both the signed reading (-1 is 4294967295) and the unsigned form the
  // writer uses for identifiers above 2147483647 are accepted, so every written file reads back.
  static std::uint32_t ToId(std::string_view text);

 private:
  static std::int64_t ToInt64(std::string_view text);
};

}  // namespace zuvar
