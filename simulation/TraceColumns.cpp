#include "simulation/TraceColumns.h"

#include <array>
#include <charconv>

#include "simulation/TraceRow.h"

namespace zuvar::TraceColumns {

namespace {

constexpr std::array<std::string_view, kCount> kTitles{
    "Krok", "Blok", "Linia", "Kod", "Zmienione zmienne", "Wypisano",
};

template <typename Number>
void AppendNumber(Number number, std::string& text) {
  char digits[24];
  const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
  text.append(digits, end);
}

}  // namespace

std::string_view Title(int column) {
  return column >= 0 && column < kCount ? kTitles[static_cast<std::size_t>(column)]
                                        : std::string_view();
}

void AppendCell(const TTraceRow& row, int column, std::string& text) {
  switch (column) {
    case Step:
      AppendNumber(row.Step, text);
      break;
    case Block:
      text += row.Block;
      break;
    case Line:
      if (row.Line > 0) AppendNumber(row.Line, text);
      break;
    case Code:
      text += row.Code;
      break;
    case Changed:
      text += row.Changed;
      break;
    case Written:
      text += row.Written;
      break;
    default:
      break;
  }
}

}  // namespace zuvar::TraceColumns
