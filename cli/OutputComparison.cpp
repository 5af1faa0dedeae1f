#include "cli/OutputComparison.h"

#include <algorithm>

#include "model/OutputLines.h"

namespace zuvar {

namespace {

struct TSplitText {
  std::vector<std::string_view> Lines;
  // The text ends with a line end (or is empty).
  bool Ended = true;
};

TSplitText Split(std::string_view text) {
  TSplitText split;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) {
      split.Lines.push_back(text.substr(start));
      split.Ended = false;
      break;
    }
    split.Lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return split;
}

std::string_view WithoutTrailingBlanks(std::string_view line) {
  const std::size_t last = line.find_last_not_of(" \t\r");
  return last == std::string_view::npos ? std::string_view{} : line.substr(0, last + 1);
}

void Loosen(TSplitText& split) {
  for (auto& line : split.Lines) line = WithoutTrailingBlanks(line);
  while (!split.Lines.empty() && split.Lines.back().empty()) split.Lines.pop_back();
  split.Ended = true;
}

std::string Quoted(std::string_view line) { return "\"" + std::string(line) + "\""; }

}  // namespace

std::string OutputComparison::TextOf(const TOutputLines& output) {
  std::string text;
  for (std::size_t i = 0; i < output.Size(); ++i) {
    if (i > 0) text += '\n';
    text += output.Line(i);
  }
  if (!output.LastLineEmpty()) text += '\n';
  return text;
}

std::optional<std::string> OutputComparison::FirstDifference(std::string_view expected,
                                                             std::string_view actual,
                                                             bool ignoreTrailingSpace) {
  TSplitText want = Split(expected);
  TSplitText got = Split(actual);
  if (ignoreTrailingSpace) {
    Loosen(want);
    Loosen(got);
  }
  const std::size_t common = std::min(want.Lines.size(), got.Lines.size());
  for (std::size_t i = 0; i < common; ++i) {
    if (want.Lines[i] == got.Lines[i]) continue;
    return "wiersz " + std::to_string(i + 1) + ": oczekiwano " + Quoted(want.Lines[i]) +
           ", otrzymano " + Quoted(got.Lines[i]);
  }
  const std::string where = "wiersz " + std::to_string(common + 1) + ": ";
  if (want.Lines.size() > common)
    return where + "oczekiwano " + Quoted(want.Lines[common]) + ", otrzymano koniec wyniku";
  if (got.Lines.size() > common)
    return where + "oczekiwano końca wyniku, otrzymano " + Quoted(got.Lines[common]);
  if (want.Ended != got.Ended)
    return "wiersz " + std::to_string(common) +
           (want.Ended ? ": brak końca wiersza na końcu wyniku"
                       : ": zbędny koniec wiersza na końcu wyniku");
  return std::nullopt;
}

}  // namespace zuvar
