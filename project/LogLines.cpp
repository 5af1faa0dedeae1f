#include "project/LogLines.h"

#include <algorithm>

#include "model/Cp1250.h"
#include "project/NewFileStream.h"

namespace zuvar {

namespace {

constexpr char kCR = 13;
constexpr char kLF = 10;
constexpr std::string_view kLineEnd = "\r\n";

}  // namespace

void TLogLines::Add(std::string_view line) {
  text_.append(line);
  ends_.push_back(text_.size());
}

void TLogLines::Append(std::string_view line) {
  Add(line);
  NotifyAppended(ends_.size() - 1, 1);
}

void TLogLines::Clear() {
  text_.clear();
  ends_.clear();
  NotifyCleared();
}

std::string_view TLogLines::Line(std::size_t index) const {
  const std::size_t begin = index == 0 ? 0 : ends_[index - 1];
  return std::string_view(text_).substr(begin, ends_[index] - begin);
}

std::vector<std::string> TLogLines::Lines() const {
  std::vector<std::string> lines;
  lines.reserve(ends_.size());
  for (std::size_t i = 0; i < ends_.size(); ++i) lines.emplace_back(Line(i));
  return lines;
}

void TLogLines::SaveToFile(const std::string& fileName, TWriteFault fault) const {
  TNewFileStream stream(fileName, TNewFileStream::TMode::Create,
                        TFileStreamOptions::WithFault(fault));
  for (std::size_t i = 0; i < ends_.size(); ++i) {
    stream.Write(Cp1250::FromUtf8(Line(i)));
    stream.Write(kLineEnd);
  }
  stream.Close();
}

void TLogLines::LoadFromFile(const std::string& fileName) {
  Clear();
  const TNewFileStream stream(fileName, TNewFileStream::TMode::Read);
  SplitIntoLines(stream.Buffer());
  if (!ends_.empty()) NotifyAppended(0, ends_.size());
}

void TLogLines::SplitIntoLines(std::string_view text) {
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t end = pos;
    while (end < text.size() && text[end] != kCR && text[end] != kLF) ++end;
    Add(Cp1250::ToUtf8(text.substr(pos, end - pos)));
    if (end < text.size() && text[end] == kCR) {
      ++end;
      if (end < text.size() && text[end] == kLF) ++end;
    } else if (end < text.size()) {
      ++end;
    }
    pos = end;
  }
}

void TLogLines::AddListener(Listener* listener) {
  if (listener && std::find(listeners_.begin(), listeners_.end(), listener) == listeners_.end()) {
    listeners_.push_back(listener);
  }
}

void TLogLines::RemoveListener(Listener* listener) {
  listeners_.erase(std::remove(listeners_.begin(), listeners_.end(), listener), listeners_.end());
}

void TLogLines::NotifyAppended(std::size_t first, std::size_t count) const {
  for (Listener* listener : listeners_) listener->OnLinesAppended(first, count);
}

void TLogLines::NotifyCleared() const {
  for (Listener* listener : listeners_) listener->OnCleared();
}

}  // namespace zuvar
