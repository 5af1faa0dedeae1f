#pragma once

#include <QList>

class QAction;
class QMainWindow;
class QMenu;
class QToolBar;

namespace zuvar {

// The main window's menu bar and tool bar: every menu, item and button, named after its
// component. Build creates them with their captions, shortcuts, hints, check marks, hidden
// items and the enabled states of a program without a diagram; the window connects them.
struct TMainMenu {
  void Build(QMainWindow& window);

  // "Plik"
  QMenu* Schematblokowy1 = nullptr;
  QAction* Nowy1 = nullptr;
  QAction* Wczytajzpliku1 = nullptr;
  QAction* Zapisz1 = nullptr;
  QAction* Zapiszdopliku1 = nullptr;
  QAction* Usu1 = nullptr;
  QAction* Ustawieniadrukarki1 = nullptr;
  QAction* DrukujSchematblokowy1 = nullptr;
  QAction* ExportujSchematblokowy1 = nullptr;
  QAction* Zakoczprogram1 = nullptr;
  // "Edycja"
  QMenu* Edycja1 = nullptr;
  QAction* Cofnij1 = nullptr;
  QAction* Ponw1 = nullptr;
  QMenu* Wstaw1 = nullptr;
  QAction* Start1 = nullptr;
  QAction* Stop1 = nullptr;
  QAction* Obliczenia1 = nullptr;
  QAction* Warunek1 = nullptr;
  QAction* WejWyj1 = nullptr;
  QAction* Kontynuacja1 = nullptr;
  QAction* Wze1 = nullptr;
  QAction* Usu2 = nullptr;
  QAction* Usuzaznaczoneelementy1 = nullptr;
  QAction* Zaznaczwszystkieelementy1 = nullptr;
  QAction* Kopiuj1 = nullptr;
  QAction* Wklej1 = nullptr;
  // Line the selected blocks up with the active block.
  QAction* Wyrwnajwpionie1 = nullptr;
  QAction* Wyrwnajwpoziomie1 = nullptr;
  // "Widok"
  QMenu* Widok1 = nullptr;
  QAction* Kodrdowy1 = nullptr;
  QAction* Interpretator1 = nullptr;
  QAction* Standardowewyjcie1 = nullptr;
  QAction* PlikLog1 = nullptr;
  // The trace window.
  QAction* Sledzenie1 = nullptr;
  QMenu* Paskinarzdzi1 = nullptr;
  QAction* Standardowy1 = nullptr;
  // "Schemat blokowy"
  QMenu* Projekt1 = nullptr;
  QAction* Sprawdpoprawnopoprawnopoczeikodurdowego1 = nullptr;
  QAction* Poka1 = nullptr;
  QMenu* Rozmiarptna1 = nullptr;
  QAction* Zmienrozmiarptna1 = nullptr;
  QAction* Dopasujautomatycznie1 = nullptr;
  // "Symulacja"
  QMenu* Symulacja1 = nullptr;
  QAction* Wykonanie1 = nullptr;
  QAction* Zakocz1 = nullptr;
  QAction* Zatrzymaj1 = nullptr;
  QAction* Uruchomiwykonajwczasierzeczywistym1 = nullptr;
  QAction* Steep1 = nullptr;
  QAction* Krokwstecz1 = nullptr;
  // Sets or takes off the breakpoint of the active block.
  QAction* Punktzatrzymania1 = nullptr;
  // Gives the active block's breakpoint a condition.
  QAction* Warunekzatrzymania1 = nullptr;
  // "Opcje"
  QMenu* Opcje1 = nullptr;
  QMenu* Animacja1 = nullptr;
  QAction* BOMBEL1 = nullptr;
  QAction* Trybrzeczywisty1 = nullptr;
  QAction* IndeksyTablic1 = nullptr;
  QAction* Odwieajpoczeniapodczasprzesuwaniablokw1 = nullptr;
  // Placed and dragged blocks put their centres on a 10-pixel grid.
  QAction* Przycigajdosiatki1 = nullptr;
  QAction* Kasujlogprzyzaadowaniunowegoschematu1 = nullptr;
  QAction* Sprawdskadnikoduprzeduruchomieniemsymulatora1 = nullptr;
  // "Pomoc"
  QMenu* Pomoc1 = nullptr;
  QAction* Pomoc2 = nullptr;
  QAction* Oprogramie1 = nullptr;

  // The tool bar, left to right.
  QToolBar* ToolBar1 = nullptr;
  QAction* SpeedButton5 = nullptr;
  QAction* SpeedButton6 = nullptr;
  QAction* SpeedButton7 = nullptr;
  QAction* SpeedButton8 = nullptr;
  QAction* SpeedButtonCofnij = nullptr;
  QAction* SpeedButtonPonw = nullptr;
  QAction* SpeedButton10 = nullptr;
  QAction* SpeedButton11 = nullptr;
  QAction* SpeedButton12 = nullptr;
  QAction* SpeedButton13 = nullptr;
  QAction* SpeedButton17 = nullptr;
  QAction* SpeedButton14 = nullptr;
  QAction* SpeedButton15 = nullptr;
  QAction* SpeedButton16 = nullptr;
  QAction* SpeedButton2 = nullptr;
  QAction* SpeedButton1 = nullptr;
  QAction* SpeedButton18 = nullptr;
  QAction* SpeedButton4 = nullptr;
  QAction* SpeedButton3 = nullptr;
  QAction* SpeedButton9 = nullptr;

  // What a diagram's existence switches on and off.
  QList<QMenu*> DiagramMenus() const;
  QList<QAction*> DiagramItems() const;

 private:
  void BuildFileMenu(QMainWindow& window);
  void BuildEditMenu(QMainWindow& window);
  void BuildViewMenu(QMainWindow& window);
  void BuildProjectMenu(QMainWindow& window);
  void BuildSimulationMenu(QMainWindow& window);
  void BuildOptionsMenu(QMainWindow& window);
  void BuildHelpMenu(QMainWindow& window);
  void BuildToolBar(QMainWindow& window);
};

}  // namespace zuvar
