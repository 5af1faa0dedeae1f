#pragma once

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QTest>
#include <QUndoStack>
#include <deque>
#include <memory>
#include <vector>

#include "editor/CanvasHost.h"
#include "editor/QtTextMeasurer.h"
#include "editor/SchematView.h"

namespace zuvar::test {

// Answers the canvas's questions from a queue and picks context menu items by name.
class TFakeCanvasHost : public TCanvasHost {
 public:
  struct Question {
    QString text, caption;
  };
  TMsgResult Ask(const QString& text, const QString& caption, TMsgIcon, TMsgButtons) override {
    questions.push_back({text, caption});
    if (answers.empty()) return TMsgResult::No;
    const TMsgResult answer = answers.front();
    answers.pop_front();
    return answer;
  }
  QAction* Popup(QMenu& menu, const QPoint&) override {
    ++popups;
    menuCaptions.clear();
    QAction* chosen = nullptr;
    for (QAction* action : menu.actions()) {
      // The caption as the user reads it, without the marker of its access key.
      menuCaptions.push_back(action->text().remove(QLatin1Char('&')));
      if (action->objectName() == popupChoice) chosen = action;
    }
    return chosen;
  }
  bool RefreshLinksWhileMoving() const override { return refresh; }
  bool SnapToGrid() const override { return snap; }
  void ShowSourceWindow() override { ++sourceShown; }
  void SetSourceEditorEnabled(bool enabled) override { editorEnabled = enabled; }
  void AppendLogLine(const QString& line) override { logLines.push_back(line); }
  void EditBreakpointCondition(TNewShape& block) override { conditionAsked = &block; }

  std::deque<TMsgResult> answers;
  std::vector<Question> questions;
  std::vector<QString> logLines;
  QString popupChoice;
  QStringList menuCaptions;
  int popups = 0;
  bool refresh = false;
  bool snap = false;
  int sourceShown = 0;
  bool editorEnabled = false;
  TNewShape* conditionAsked = nullptr;
};

// A canvas in a window of its own, driven with mouse events at sheet coordinates.
class CanvasFixture {
 public:
  CanvasFixture() : view(std::make_unique<TSchematView>(host, document, stack)) {
    view->resize(900, 700);
    view->show();
    if (!QTest::qWaitForWindowExposed(view.get())) qWarning("canvas window not exposed");
    view->SetHorzPosition(0);
    view->SetVertPosition(0);
  }

  TSchemat& Doc() { return view->Document(); }

  void Send(QEvent::Type type, int x, int y, Qt::MouseButton button, Qt::MouseButtons buttons,
            Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    const QPointF local = view->ViewportOfSheet(x, y);
    const QPointF global = view->viewport()->mapToGlobal(local);
    QMouseEvent event(type, local, global, button, buttons, modifiers);
    QApplication::sendEvent(view->viewport(), &event);
  }
  void Press(int x, int y, Qt::MouseButton button = Qt::LeftButton,
             Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    Send(QEvent::MouseButtonPress, x, y, button, button, modifiers);
    held = button;
  }
  void Move(int x, int y) { Send(QEvent::MouseMove, x, y, Qt::NoButton, held); }
  void Release(int x, int y) {
    const Qt::MouseButton button = held;
    held = Qt::NoButton;
    Send(QEvent::MouseButtonRelease, x, y, button, Qt::NoButton);
  }
  void Click(int x, int y, Qt::MouseButton button = Qt::LeftButton,
             Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    Press(x, y, button, modifiers);
    Release(x, y);
  }
  // Drags with the left button from one sheet point to another in a few steps.
  void Drag(int x1, int y1, int x2, int y2, int steps = 4) {
    Press(x1, y1);
    for (int i = 1; i <= steps; ++i) Move(x1 + (x2 - x1) * i / steps, y1 + (y2 - y1) * i / steps);
    Release(x2, y2);
  }

  // A block of a type placed on the document directly, laid out like a placed one.
  TNewShape* Add(TNewShapeType type, int left, int top, const char* code = nullptr) {
    TNewShape* block = Doc().AddBlock(type);
    if (code != nullptr) block->Code = {code};
    block->MoveTo(left, top);
    view->LayoutBlock(*block);
    return block;
  }
  // Connects two blocks as the loader does, from the two sides.
  static void Connect(TNewShape* from, TNewShape* to, int exitSide, int entrySide,
                      bool falseExit = false) {
    from->ExitSide = exitSide;
    from->EntrySide = entrySide;
    if (falseExit)
      from->SetBlockLinkFalse(to);
    else
      from->SetBlockLink(to);
  }
  int SceneItems() const { return static_cast<int>(view->scene()->items().size()); }

  TFakeCanvasHost host;
  // Declared before the canvas, so that the canvas goes first.
  TSchemat document;
  QUndoStack stack;
  std::unique_ptr<TSchematView> view;
  TQtTextMeasurer measurer;
  Qt::MouseButton held = Qt::NoButton;
};

}  // namespace zuvar::test
