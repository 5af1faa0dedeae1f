#include "interpreter/LanguageTables.h"

namespace zuvar {

bool IsTypeName(std::string_view text) { return TypeCodeOf(text) != 0; }

uint8_t TypeCodeOf(std::string_view text) {
  if (text.size() < 3 || text.size() > 6) return 0;
  for (const TTypeNameRow& row : TypeNames) {
    if (row.Name == text) return row.Type;
  }
  return 0;
}

}  // namespace zuvar
