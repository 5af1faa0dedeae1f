#include "cli/TestFileParser.h"

#include <set>

namespace zuvar {

namespace {

std::vector<std::string_view> LinesOf(std::string_view text) {
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);  // a byte-order mark
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

std::string_view Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool StartsCase(std::string_view line) { return line.substr(0, 3) == "==="; }

class TParser {
 public:
  TParser(std::vector<TTestCase>& cases, std::string& error) : cases_(cases), error_(error) {}

  bool Take(std::size_t number, std::string_view line) {
    if (StartsCase(line)) return BeginCase(number, line);
    switch (section_) {
      case TSection::Header:
        if (line.empty() || line.front() == '#') return true;
        return Fail(number,
                    "tekst przed pierwszym przypadkiem (przypadek zaczyna się od \"=== "
                    "nazwa\")");
      case TSection::Input:
        if (line == "---") {
          section_ = TSection::Expected;
          return true;
        }
        cases_.back().Input.emplace_back(line);
        return true;
      case TSection::Expected:
        expected_.emplace_back(line);
        return true;
    }
    return true;
  }

  bool Finish(std::size_t lineCount) {
    if (!EndCase()) return false;
    if (cases_.empty()) return Fail(lineCount == 0 ? 1 : lineCount, "brak przypadków testowych");
    return true;
  }

 private:
  enum class TSection { Header, Input, Expected };

  bool BeginCase(std::size_t number, std::string_view line) {
    if (!EndCase()) return false;
    const std::string name(Trimmed(line.substr(3)));
    if (name.empty()) return Fail(number, "przypadek bez nazwy");
    if (!names_.insert(name).second)
      return Fail(number, "powtórzona nazwa przypadku \"" + name + "\"");
    cases_.push_back(TTestCase{name, {}, {}});
    caseLine_ = number;
    section_ = TSection::Input;
    return true;
  }

  // The expected output of the case that ends, without its empty lines at the end.
  bool EndCase() {
    if (section_ == TSection::Input)
      return Fail(caseLine_, "przypadek \"" + cases_.back().Name + "\" nie ma wiersza \"---\"");
    if (section_ == TSection::Expected) {
      while (!expected_.empty() && expected_.back().empty()) expected_.pop_back();
      for (const std::string& line : expected_) cases_.back().Expected += line + "\n";
    }
    expected_.clear();
    return true;
  }

  bool Fail(std::size_t number, const std::string& what) {
    error_ = "wiersz " + std::to_string(number) + ": " + what;
    return false;
  }

  std::vector<TTestCase>& cases_;
  std::string& error_;
  std::set<std::string> names_;
  std::vector<std::string> expected_;
  TSection section_ = TSection::Header;
  std::size_t caseLine_ = 0;
};

}  // namespace

bool TestFileParser::Parse(std::string_view text, std::vector<TTestCase>& cases,
                           std::string& error) {
  cases.clear();
  const std::vector<std::string_view> lines = LinesOf(text);
  TParser parser(cases, error);
  for (std::size_t i = 0; i < lines.size(); ++i)
    if (!parser.Take(i + 1, lines[i])) return false;
  return parser.Finish(lines.size());
}

}  // namespace zuvar
