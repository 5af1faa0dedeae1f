#include "LogLines.h"

#include <algorithm>

#include "Cp1250.h"
#include "NewFileStream.h"

namespace zuvar {

namespace {

constexpr char kCR = 13;
constexpr char kLF = 10;
constexpr std::string_view kLineEnd = "\r\n";

}  // namespace

void TLogLines::Append(std::string_view line) {
  lines_.emplace_back(line);
  NotifyAppended(lines_.size() - 1, 1);
}

void TLogLines::Clear() {
  lines_.clear();
  NotifyCleared();
}

void TLogLines::SaveToFile(const std::string& fileName) const {
  TNewFileStream stream(fileName, TNewFileStream::TMode::Create);
  for (const std::string& line : lines_) {
    stream.Write(Cp1250::FromUtf8(line));
    stream.Write(kLineEnd);
  }
  stream.Close();
}

void TLogLines::LoadFromFile(const std::string& fileName) {
  Clear();
  const TNewFileStream stream(fileName, TNewFileStream::TMode::Read);
  SplitIntoLines(stream.Buffer());
  if (!lines_.empty()) NotifyAppended(0, lines_.size());
}

void TLogLines::SplitIntoLines(std::string_view text) {
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t end = pos;
    while (end < text.size() && text[end] != kCR && text[end] != kLF) ++end;
    lines_.push_back(Cp1250::ToUtf8(text.substr(pos, end - pos)));
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
