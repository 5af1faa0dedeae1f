#pragma once

#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/Host.h"

namespace zuvar::test {

// A host that keeps every message box, log line and beep in the order they happened, answers
// questions from a queue and `read` requests from a list of entries.
class TRecordingHost : public THost {
 public:
  struct Message {
    std::string text;
    std::string caption;
    TMsgIcon icon;
    TMsgButtons buttons;
  };

  TMsgResult ShowMessage(std::string_view text, std::string_view caption, TMsgIcon icon,
                         TMsgButtons buttons) override {
    messages.push_back({std::string(text), std::string(caption), icon, buttons});
    events.push_back("[" + std::string(caption) + "] " + std::string(text));
    if (buttons == TMsgButtons::Ok) return TMsgResult::Ok;
    if (answers.empty()) return TMsgResult::No;
    const TMsgResult answer = answers.front();
    answers.pop_front();
    return answer;
  }

  void AppendLog(std::string_view line) override {
    log.emplace_back(line);
    events.push_back("LOG " + std::string(line));
  }

  void ScrollLogPage() override { ++logPageScrolls; }

  void Beep() override { ++beeps; }

  std::optional<std::string> ReadValue(std::string_view prompt) override {
    prompts.emplace_back(prompt);
    if (entries.empty()) return std::nullopt;
    std::string entry = entries.front();
    entries.pop_front();
    return entry;
  }

  std::vector<Message> messages;
  std::vector<std::string> log;
  // Message boxes as "[caption] text" and log lines as "LOG line", interleaved in order.
  std::vector<std::string> events;
  std::vector<std::string> prompts;
  std::deque<TMsgResult> answers;
  std::deque<std::string> entries;
  int logPageScrolls = 0;
  int beeps = 0;
};

}  // namespace zuvar::test
