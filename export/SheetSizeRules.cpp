#include "export/SheetSizeRules.h"

#include <limits>

namespace zuvar {

int32_t TSheetSizeRules::FieldValue(std::string_view text) {
  int64_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') break;
    value = value * 10 + (c - '0');
    if (value > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  }
  return static_cast<int32_t>(value);
}

TSheetSizeFault TSheetSizeRules::Check(int32_t width, int32_t height) {
  if (width < MinimumSize) return TSheetSizeFault::Width;
  if (height < MinimumSize) return TSheetSizeFault::Height;
  return TSheetSizeFault::None;
}

TSheetSizeFault TSheetSizeRules::Check(std::string_view widthText, std::string_view heightText) {
  return Check(FieldValue(widthText), FieldValue(heightText));
}

}  // namespace zuvar
