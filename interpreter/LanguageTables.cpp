#include "interpreter/LanguageTables.h"

namespace zuvar {

namespace {

// The lengths of the shortest and the longest type name: other lengths need no comparison.
constexpr std::size_t NameLength(bool longest) {
  std::size_t length = TypeNames[0].Name.size();
  for (const TTypeNameRow& row : TypeNames) {
    if (longest ? row.Name.size() > length : row.Name.size() < length) length = row.Name.size();
  }
  return length;
}

constexpr std::size_t kShortestTypeName = NameLength(false);
constexpr std::size_t kLongestTypeName = NameLength(true);

}  // namespace

bool IsTypeName(std::string_view text) { return TypeCodeOf(text) != 0; }

uint8_t TypeCodeOf(std::string_view text) {
  if (text.size() < kShortestTypeName || text.size() > kLongestTypeName) return 0;
  for (const TTypeNameRow& row : TypeNames) {
    if (row.Name == text) return row.Type;
  }
  return 0;
}

}  // namespace zuvar
