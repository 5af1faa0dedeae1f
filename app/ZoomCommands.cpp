#include "app/ZoomCommands.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

#include "app/MainWindow.h"
#include "editor/SchematView.h"
#include "editor/ZoomControl.h"

namespace zuvar {

namespace {
QAction* AddZoomItem(QMenu* menu, const char* name, const QString& caption,
                     const QList<QKeySequence>& keys) {
  QAction* action = menu->addAction(caption);
  action->setObjectName(QString::fromLatin1(name));
  action->setShortcuts(keys);
  // Like the program's other keys, these act whichever of its windows is active.
  action->setShortcutContext(Qt::ApplicationShortcut);
  action->setEnabled(false);
  return action;
}
}  // namespace

TZoomCommands::TZoomCommands(TZUVAR& window) : window_(window) {
  BuildItems();
  Powiekszenie = new QLabel(&window);
  Powiekszenie->setObjectName(QStringLiteral("Powiekszenie"));
  Powiekszenie->setToolTip(QStringLiteral("Powiększenie"));
  Powiekszenie->setContentsMargins(8, 0, 8, 0);
  Powiekszenie->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  // The menu bar sizes its corner once: wide enough for the widest zoom.
  Powiekszenie->setMinimumWidth(
      Powiekszenie->fontMetrics().horizontalAdvance(QStringLiteral("400%")) + 16);
  Powiekszenie->setMinimumHeight(window.menuBar()->sizeHint().height());
  window.menuBar()->setCornerWidget(Powiekszenie, Qt::TopRightCorner);
  CanvasChanged();
}

void TZoomCommands::BuildItems() {
  QMenu* menu = window_.Menu.Widok1;
  menu->addSeparator();
  // The keys of the main keyboard and of the numeric keypad.
  const auto ctrl = [](Qt::Key key) { return QKeySequence(Qt::ControlModifier | key); };
  const auto keypad = [](Qt::Key key) {
    return QKeySequence(Qt::ControlModifier | Qt::KeypadModifier | key);
  };
  Powieksz1 = AddZoomItem(menu, "Powieksz1", QStringLiteral("Po&większ"),
                          {ctrl(Qt::Key_Plus), ctrl(Qt::Key_Equal), keypad(Qt::Key_Plus)});
  Pomniejsz1 = AddZoomItem(menu, "Pomniejsz1", QStringLiteral("Po&mniejsz"),
                           {ctrl(Qt::Key_Minus), keypad(Qt::Key_Minus)});
  Rozmiarrzeczywisty1 =
      AddZoomItem(menu, "Rozmiarrzeczywisty1", QStringLiteral("&Rozmiar rzeczywisty"),
                  {ctrl(Qt::Key_0), keypad(Qt::Key_0)});
  Dopasujdookna1 = AddZoomItem(menu, "Dopasujdookna1", QStringLiteral("&Dopasuj do okna"), {});
  const auto onCanvas = [this](void (TZoomControl::*command)()) {
    return [this, command] {
      if (TSchematView* canvas = window_.Schemat()) (canvas->Zoom().*command)();
    };
  };
  connect(Powieksz1, &QAction::triggered, this, onCanvas(&TZoomControl::StepInByKey));
  connect(Pomniejsz1, &QAction::triggered, this, onCanvas(&TZoomControl::StepOutByKey));
  connect(Rozmiarrzeczywisty1, &QAction::triggered, this, onCanvas(&TZoomControl::ResetByKey));
  connect(Dopasujdookna1, &QAction::triggered, this, onCanvas(&TZoomControl::Fit));
}

void TZoomCommands::CanvasChanged() {
  TSchematView* canvas = window_.Schemat();
  for (QAction* action : {Powieksz1, Pomniejsz1, Rozmiarrzeczywisty1, Dopasujdookna1})
    action->setEnabled(canvas != nullptr);
  Powiekszenie->setVisible(canvas != nullptr);
  if (canvas == nullptr) return;
  connect(&canvas->Zoom(), &TZoomControl::Changed, this, &TZoomCommands::ShowPercent);
  ShowPercent(canvas->Zoom().Percent());
}

void TZoomCommands::ShowPercent(int percent) {
  Powiekszenie->setText(QString::number(percent) + QLatin1Char('%'));
}

}  // namespace zuvar
