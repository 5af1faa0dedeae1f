#pragma once

#include <string>
#include <vector>

#include "model/Link.h"
#include "model/NewShape.h"
#include "model/SchematObserver.h"

namespace zuvar::test {

// Keeps every notification as one line of text, in order: "<event> <block id>" for blocks and
// "<event> <source id>:<link code>" for links.
class TRecordingObserver : public TSchematObserver {
 public:
  std::vector<std::string> events;

  void BlockAdded(TNewShape& b) override { Block("added", b); }
  void BlockRemoved(TNewShape& b) override { Block("removed", b); }
  void BlockMoved(TNewShape& b) override { Block("moved", b); }
  void BlockResized(TNewShape& b) override { Block("resized", b); }
  void BlockCaptionChanged(TNewShape& b) override { Block("caption", b); }
  void BlockRepaint(TNewShape& b) override { Block("repaint", b); }
  void ActiveBlockChanged(TNewShape* previous, TNewShape* current) override {
    events.push_back("active " + IdOf(previous) + "->" + IdOf(current));
  }
  void LinkCreated(TLink& l) override { Link("link+", l); }
  void LinkDestroyed(TLink& l) override { Link("link-", l); }
  void LinkRerouted(TLink& l) override { Link("rerouted", l); }
  void LinkRepaint(TLink& l) override { Link("linkpen", l); }
  void LinkShown(TLink& l) override { Link("shown", l); }
  void LinkHidden(TLink& l) override { Link("hidden", l); }

  int Count(const std::string& prefix) const {
    int n = 0;
    for (const auto& e : events) n += e.rfind(prefix, 0) == 0 ? 1 : 0;
    return n;
  }

 private:
  static std::string IdOf(const TNewShape* b) { return b ? std::to_string(b->Id) : "-"; }
  void Block(const char* what, const TNewShape& b) {
    events.push_back(std::string(what) + " " + std::to_string(b.Id));
  }
  void Link(const char* what, const TLink& l) {
    events.push_back(std::string(what) + " " + IdOf(l.Source) + ":" + std::to_string(l.LinkCode));
  }
};

}  // namespace zuvar::test
