#include "model/DroppedLines.h"

namespace zuvar {

namespace {

// The form of "najstarszy wiersz" that goes with a count: one, a few (2-4, but not 12-14),
// or many.
std::string_view LinesWord(std::size_t count) {
  if (count == 1) return "najstarszy wiersz";
  const std::size_t units = count % 10;
  const std::size_t tens = count % 100;
  if (units >= 2 && units <= 4 && (tens < 12 || tens > 14)) return "najstarsze wiersze";
  return "najstarszych wierszy";
}

}  // namespace

std::string DroppedLines::Notice(std::size_t dropped, std::string_view of) {
  std::string text = "(pominięto " + std::to_string(dropped) + " ";
  text += LinesWord(dropped);
  text += ' ';
  text += of;
  text += ')';
  return text;
}

}  // namespace zuvar
