#pragma once

#include <QMainWindow>
#include <memory>

#include "app/MainMenu.h"
#include "editor/CanvasHost.h"

class QMimeData;
class QSplitter;
class QUndoStack;

namespace zuvar {

class TEditCommands;
class TFrame1;
class TProjectCommands;
class TRecoveryKeeper;
class TSchematView;
class TSchemat;
class TSheetCommands;
class TSimulationCommands;
class TToolWindowPlacer;
class TZoomCommands;
class TTraceWindow;
class TZuvarApp;

// The main window: menus, tool bar, the area of the diagram canvas and, docked below it behind
// a splitter, the output panel. It owns at most one diagram document with the canvas that shows
// it, and routes every command.
class TZUVAR : public QMainWindow, public TCanvasHost {
  Q_OBJECT
 public:
  explicit TZUVAR(TZuvarApp& app);
  ~TZUVAR() override;

  TMainMenu Menu;
  TFrame1* Frame1 = nullptr;
  QSplitter* Splitter2 = nullptr;
  // The next Save asks for a file name.
  bool AskFileName = false;
  // True until the window has been painted for the first time.
  bool FirstPaint = true;
  // A project named on the command line, opened once the start-up steps are done.
  QString StartFile;

  TZuvarApp& App() { return app_; }
  TSchematView* Schemat() const { return canvas_.get(); }
  // The open diagram, or null.
  TSchemat* Document() const { return document_.get(); }
  // Every edit of the open diagram, undoable; emptied when the diagram goes.
  QUndoStack& UndoStack() { return *undoStack_; }
  TProjectCommands& Project() { return *project_; }
  TSimulationCommands& Simulation() { return *simulation_; }
  TSheetCommands& SheetCommands() { return *sheet_; }
  TRecoveryKeeper& Recovery() { return *recovery_; }
  TZoomCommands& ZoomCommands() { return *zoom_; }
  TEditCommands& EditCommands() { return *edit_; }

  // A new empty diagram with its canvas; the log is cleared when the option asks for it.
  TSchematView& CreateCanvas();
  // Makes the document the open diagram and a canvas in the canvas area for it, with the
  // diagram commands enabled; the old diagram goes first.
  TSchematView& ShowDocument(std::unique_ptr<TSchemat> document);
  // A new diagram begins: the log is cleared when the option asks for it.
  void ClearLogForNewDiagram();
  // Destroys the canvas and its document, if any, and disables the diagram commands.
  void DestroyCanvas();

  // The output panel with its splitter.
  void SetOutputVisible(bool visible);
  void SetOutputHeight(int height);
  int OutputHeight() const;
  bool OutputVisible() const;

  // Commands.
  void Interpretator1Click();
  void Standardowewyjcie1Click();
  void PlikLog1Click();
  void Sledzenie1Click();
  // The trace window, made (and placed) the first time it is asked for.
  TTraceWindow& TraceWindow();
  void Standardowy1Click();
  void Oprogramie1Click();
  void Pomoc2Click();
  // The first paint: log line, tool windows, output panel, About box.
  void FirstPaintSteps();

  // TCanvasHost
  TMsgResult Ask(const QString& text, const QString& caption, TMsgIcon icon,
                 TMsgButtons buttons) override;
  QAction* Popup(QMenu& menu, const QPoint& globalPos) override;
  bool RefreshLinksWhileMoving() const override;
  bool SnapToGrid() const override;
  void ShowSourceWindow() override;
  void SetSourceEditorEnabled(bool enabled) override;
  void SourceLinesChanged() override;
  void ToggleBreakpoint(TNewShape& block) override;
  void AppendLogLine(const QString& line) override;
  void EditBreakpointCondition(TNewShape& block) override;
  bool HasBreakpoint(const TNewShape& block, QString& condition) const override;

  void AppendLog(const char* line);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  // A project file dragged from a file manager onto the window is opened as Open opens it.
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void BuildCentralArea();
  void ConnectCommands();
  void ConnectViewCommands();
  void ConnectOptions();
  void ConnectSheetCommands();
  void KeepShortcutWhenHidden(QAction* action);
  void ApplyDiagramState(bool hasDiagram);
  void PlaceToolWindows();
  void FileMenuOpened();
  void ViewMenuOpened();
  void SimulationMenuOpened();
  // The project a drag carries and the window may open now, or an empty name.
  QString DroppableProject(const QMimeData* data) const;

  TZuvarApp& app_;
  QWidget* canvasArea_ = nullptr;
  // The canvas is declared after the document, so that it goes first.
  std::unique_ptr<QUndoStack> undoStack_;
  std::unique_ptr<TSchemat> document_;
  std::unique_ptr<TSchematView> canvas_;
  std::unique_ptr<TProjectCommands> project_;
  std::unique_ptr<TSimulationCommands> simulation_;
  std::unique_ptr<TSheetCommands> sheet_;
  std::unique_ptr<TToolWindowPlacer> placer_;
  std::unique_ptr<TRecoveryKeeper> recovery_;
  std::unique_ptr<TZoomCommands> zoom_;
  std::unique_ptr<TEditCommands> edit_;
  // A Qt child of this window, observing the run of the commands above.
  TTraceWindow* traceWindow_ = nullptr;
};

}  // namespace zuvar
