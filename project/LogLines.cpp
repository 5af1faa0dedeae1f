#include "project/LogLines.h"

#include <algorithm>

#include "model/Cp1250.h"
#include "model/DroppedLines.h"
#include "project/NewFileStream.h"

namespace zuvar {

namespace {

constexpr char kCR = 13;
constexpr char kLF = 10;
constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kNoticeOf = "dziennika";

}  // namespace

TLogLines::TLogLines(std::size_t limit) : limit_(std::max<std::size_t>(limit, 1)) {}

void TLogLines::Add(std::string_view line) {
  text_.append(line);
  ends_.push_back(text_.size());
  if (Kept() > limit_) DropOldest(Kept() - limit_);
}

// The dropped lines stay in the text until a quarter of the limit has gathered; moving the
// kept lines down then costs a few bytes moved per byte appended, and the text never holds
// much more than the limit.
void TLogLines::DropOldest(std::size_t count) {
  first_ += count;
  dropped_ += count;
  begin_ = ends_[first_ - 1];
  if (first_ >= std::max<std::size_t>(limit_ / 4, 1)) Compact();
}

void TLogLines::Compact() {
  text_.erase(0, begin_);
  ends_.erase(ends_.begin(), ends_.begin() + static_cast<std::ptrdiff_t>(first_));
  for (std::size_t& end : ends_) end -= begin_;
  first_ = 0;
  begin_ = 0;
}

void TLogLines::Append(std::string_view line) {
  Add(line);
  NotifyAppended(Size() - 1, 1);
}

void TLogLines::SetLimit(std::size_t limit) {
  limit_ = std::max<std::size_t>(limit, 1);
  if (Kept() > limit_) DropOldest(Kept() - limit_);
}

void TLogLines::Clear() {
  text_.clear();
  ends_.clear();
  first_ = 0;
  begin_ = 0;
  dropped_ = 0;
  NotifyCleared();
}

void TLogLines::Release() {
  Clear();
  std::string().swap(text_);
  std::vector<std::size_t>().swap(ends_);
}

std::size_t TLogLines::ReservedBytes() const {
  return text_.capacity() + ends_.capacity() * sizeof(std::size_t);
}

std::string_view TLogLines::Stored(std::size_t index) const {
  const std::size_t begin = index == first_ ? begin_ : ends_[index - 1];
  return std::string_view(text_).substr(begin, ends_[index] - begin);
}

std::string_view TLogLines::Line(std::size_t index) const {
  if (dropped_ == 0) return Stored(first_ + index);
  if (index > 0) return Stored(first_ + index - 1);
  if (noticeFor_ != dropped_) {
    notice_ = DroppedLines::Notice(dropped_, kNoticeOf);
    noticeFor_ = dropped_;
  }
  return notice_;
}

std::vector<std::string> TLogLines::Lines() const {
  std::vector<std::string> lines;
  lines.reserve(Size());
  for (std::size_t i = 0; i < Size(); ++i) lines.emplace_back(Line(i));
  return lines;
}

void TLogLines::SaveToFile(const std::string& fileName, TWriteFault fault) const {
  TNewFileStream stream(fileName, TNewFileStream::TMode::Create,
                        TFileStreamOptions::WithFault(fault));
  for (std::size_t i = 0; i < Size(); ++i) {
    stream.Write(Cp1250::FromUtf8(Line(i)));
    stream.Write(kLineEnd);
  }
  stream.Close();
}

void TLogLines::LoadFromFile(const std::string& fileName) {
  Clear();
  const TNewFileStream stream(fileName, TNewFileStream::TMode::Read);
  SplitIntoLines(stream.Buffer());
  if (Size() > 0) NotifyAppended(0, Size());
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
