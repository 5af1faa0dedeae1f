#pragma once

#include <cstdint>
#include <string_view>

namespace zuvar {

// Which field of the canvas-size dialog refuses the entered size.
enum class TSheetSizeFault : uint8_t { None, Width, Height };

// The checks of the canvas-size dialog: both values must be at least 100; the width is
// checked first.
class TSheetSizeRules {
 public:
  static constexpr int32_t MinimumSize = 100;
  // The largest side a sheet is given, and the digits of a field that can hold it: the scroll
  // range of a side (the side and two margins) stays far within a 32-bit int.
  static constexpr int32_t MaximumSize = 9999999;
  static constexpr int MaximumDigits = 7;
  static constexpr const char* RefusalText = "Nie przeginaj! Jaki to ma sens?";
  static constexpr const char* RefusalCaption = "Czy wiesz co robisz?!";

  // The value of a digits-only field: empty counts as 0; a value beyond the 32-bit range
  // counts as its largest value; any other character stops the digits.
  static int32_t FieldValue(std::string_view text);

  // The field that must get the focus with the refusal message, or None when accepted.
  static TSheetSizeFault Check(int32_t width, int32_t height);
  static TSheetSizeFault Check(std::string_view widthText, std::string_view heightText);
};

}  // namespace zuvar
