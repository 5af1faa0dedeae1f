#include "cli/GradeReport.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

#include "model/Cp1250.h"

namespace zuvar {

namespace {

// Columns are measured in code points, so that Polish letters line up.
std::size_t WidthOf(std::string_view text) {
  std::size_t width = 0;
  for (unsigned char c : text) width += (c & 0xC0) != 0x80 ? 1 : 0;
  return width;
}

void AppendPadded(std::string& row, std::string_view text, std::size_t width) {
  row += text;
  row.append(width + 2 - std::min(width, WidthOf(text)), ' ');
}

std::string Trailless(std::string row) {
  row.erase(row.find_last_not_of(' ') + 1);
  return row;
}

std::string FirstFailure(const TFileResult& file) {
  for (const TCaseResult& c : file.Cases)
    if (c.Status != TCaseStatus::Passed) return c.Name + ": " + c.Message;
  return {};
}

std::string Score(const TFileResult& file) {
  return std::to_string(file.PassedCount()) + "/" + std::to_string(file.Cases.size());
}

// A JSON string; bytes that are not UTF-8 become U+FFFD so that the document stays valid.
void AppendJsonString(std::string& out, std::string_view text) {
  out += '"';
  std::size_t pos = 0;
  while (pos < text.size()) {
    const std::size_t start = pos;
    const char32_t c = Cp1250::DecodeUtf8(text, pos);
    if (c == U'"' || c == U'\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c == U'\n') {
      out += "\\n";
    } else if (c == U'\t') {
      out += "\\t";
    } else if (c == U'\r') {
      out += "\\r";
    } else if (c < 0x20) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
      out += escape;
    } else if (c == 0xFFFD && text.substr(start, pos - start) != "\xEF\xBF\xBD") {
      out += "\xEF\xBF\xBD";
    } else {
      out.append(text.substr(start, pos - start));
    }
  }
  out += '"';
}

std::string SecondsJson(double seconds) {
  char buffer[32];
  const auto [end, ec] =
      std::to_chars(buffer, buffer + sizeof buffer, seconds, std::chars_format::fixed, 6);
  return ec == std::errc() ? std::string(buffer, end) : "0";
}

void AppendCase(std::string& out, const TCaseResult& c) {
  out += "{\"name\": ";
  AppendJsonString(out, c.Name);
  out += ", \"status\": \"";
  out += GradeReport::StatusName(c.Status);
  out += "\", \"steps\": " + std::to_string(c.Steps);
  out += ", \"time\": " + SecondsJson(c.Seconds);
  out += ", \"output\": ";
  AppendJsonString(out, c.Output);
  out += ", \"message\": ";
  AppendJsonString(out, c.Message);
  out += "}";
}

void AppendFile(std::string& out, const TFileResult& file) {
  out += "    {\"file\": ";
  AppendJsonString(out, file.File);
  out += ", \"passed\": " + std::to_string(file.PassedCount());
  out += ", \"total\": " + std::to_string(file.Cases.size());
  out += ", \"cases\": [";
  for (std::size_t i = 0; i < file.Cases.size(); ++i) {
    out += i == 0 ? "\n      " : ",\n      ";
    AppendCase(out, file.Cases[i]);
  }
  out += file.Cases.empty() ? "]}" : "\n    ]}";
}

}  // namespace

const char* GradeReport::StatusName(TCaseStatus status) {
  switch (status) {
    case TCaseStatus::Passed:
      return "passed";
    case TCaseStatus::WrongOutput:
      return "wrong-output";
    case TCaseStatus::RunError:
      return "error";
    case TCaseStatus::StepLimit:
      return "step-limit";
    case TCaseStatus::TimeLimit:
      return "time-limit";
    case TCaseStatus::InputEnded:
      return "input-ended";
    case TCaseStatus::NotStarted:
      return "not-started";
    case TCaseStatus::Unreadable:
      return "unreadable";
  }
  return "error";
}

std::string GradeReport::Table(const std::vector<TFileResult>& results) {
  const std::string fileTitle = "Plik";
  const std::string scoreTitle = "Zaliczone";
  std::size_t fileWidth = WidthOf(fileTitle);
  for (const TFileResult& file : results) fileWidth = std::max(fileWidth, WidthOf(file.File));
  const std::size_t scoreWidth = WidthOf(scoreTitle);

  std::string row;
  AppendPadded(row, fileTitle, fileWidth);
  AppendPadded(row, scoreTitle, scoreWidth);
  row += "Pierwszy niezaliczony przypadek";
  std::string table = row + "\n";
  std::size_t passedFiles = 0, passedCases = 0, allCases = 0;
  for (const TFileResult& file : results) {
    row.clear();
    AppendPadded(row, file.File, fileWidth);
    AppendPadded(row, Score(file), scoreWidth);
    row += FirstFailure(file);
    table += Trailless(row) + "\n";
    passedFiles += file.Passed() ? 1 : 0;
    passedCases += file.PassedCount();
    allCases += file.Cases.size();
  }
  table += "Razem: zaliczone pliki " + std::to_string(passedFiles) + " z " +
           std::to_string(results.size()) + ", przypadki " + std::to_string(passedCases) + " z " +
           std::to_string(allCases) + "\n";
  return table;
}

std::string GradeReport::Json(const std::string& testsFile,
                              const std::vector<TFileResult>& results) {
  bool passed = true;
  for (const TFileResult& file : results) passed = passed && file.Passed();
  std::string out = "{\n  \"tests\": ";
  AppendJsonString(out, testsFile);
  out += ",\n  \"passed\": ";
  out += passed ? "true" : "false";
  out += ",\n  \"files\": [";
  for (std::size_t i = 0; i < results.size(); ++i) {
    out += i == 0 ? "\n" : ",\n";
    AppendFile(out, results[i]);
  }
  out += results.empty() ? "]\n}\n" : "\n  ]\n}\n";
  return out;
}

}  // namespace zuvar
