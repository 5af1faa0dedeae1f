#pragma once

#include "editor/CanvasHost.h"

namespace zuvar::bench {

// Answers the canvas without a person: every question with Yes, no popup menu, and links that
// follow dragged blocks live.
class TBenchCanvasHost : public TCanvasHost {
 public:
  TMsgResult Ask(const QString&, const QString&, TMsgIcon, TMsgButtons) override {
    return TMsgResult::Yes;
  }
  QAction* Popup(QMenu&, const QPoint&) override { return nullptr; }
  bool RefreshLinksWhileMoving() const override { return true; }
  void ShowSourceWindow() override {}
  void SetSourceEditorEnabled(bool) override {}
};

}  // namespace zuvar::bench
