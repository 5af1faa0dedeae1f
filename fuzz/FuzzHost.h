#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/Host.h"
#include "simulation/HeadlessSimulationHost.h"

namespace zuvar::fuzz {

// A silent host for the fuzz targets: message boxes are answered "No" (or OK), every `read`
// gets the same entry until a fixed number of entries is used up, and nothing ever waits.
class TFuzzHost : public THost, public THeadlessSimulationHost {
 public:
  static constexpr int kMaxEntries = 64;

  TMsgResult ShowMessage(std::string_view, std::string_view, TMsgIcon,
                         TMsgButtons buttons) override {
    return buttons == TMsgButtons::Ok ? TMsgResult::Ok : TMsgResult::No;
  }
  void AppendLog(std::string_view) override {}
  void ScrollLogPage() override {}
  void Beep() override {}
  std::optional<std::string> ReadValue(std::string_view) override {
    if (entries_ >= kMaxEntries) return std::nullopt;
    ++entries_;
    return std::string("7");
  }

 private:
  int entries_ = 0;
};

}  // namespace zuvar::fuzz
