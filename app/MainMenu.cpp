#include "app/MainMenu.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include "app/ToolGlyphs.h"

namespace zuvar {

namespace {
QMenu* AddMenu(QMenuBar* bar, const char* name, const QString& caption) {
  QMenu* menu = bar->addMenu(caption);
  menu->setObjectName(QString::fromLatin1(name));
  menu->menuAction()->setObjectName(QString::fromLatin1(name));
  return menu;
}

QMenu* AddSubmenu(QMenu* parent, const char* name, const QString& caption) {
  QMenu* menu = parent->addMenu(caption);
  menu->setObjectName(QString::fromLatin1(name));
  menu->menuAction()->setObjectName(QString::fromLatin1(name));
  return menu;
}

QAction* AddItem(QMenu* menu, const char* name, const QString& caption,
                 const QKeySequence& shortcut = QKeySequence()) {
  QAction* action = menu->addAction(caption);
  action->setObjectName(QString::fromLatin1(name));
  action->setShortcut(shortcut);
  // The tool windows are windows of their own: the program's keys act whichever is active. A
  // widget that takes a key itself (the source editor's Del, Ctrl+A, Ctrl+X) still gets it.
  action->setShortcutContext(Qt::ApplicationShortcut);
  return action;
}

QAction* AddCheck(QMenu* menu, const char* name, const QString& caption, bool checked) {
  QAction* action = AddItem(menu, name, caption);
  action->setCheckable(true);
  action->setChecked(checked);
  return action;
}

QAction* AddButton(QToolBar* bar, const char* name, const QString& hint, TToolGlyphs::TGlyph glyph,
                   bool enabled) {
  QAction* action = bar->addAction(TToolGlyphs::Icon(glyph), hint);
  action->setObjectName(QString::fromLatin1(name));
  action->setToolTip(hint);
  action->setEnabled(enabled);
  return action;
}
}  // namespace

void TMainMenu::Build(QMainWindow& window) {
  BuildFileMenu(window);
  BuildEditMenu(window);
  BuildViewMenu(window);
  BuildProjectMenu(window);
  BuildSimulationMenu(window);
  BuildOptionsMenu(window);
  BuildHelpMenu(window);
  BuildToolBar(window);
}

void TMainMenu::BuildFileMenu(QMainWindow& window) {
  Schematblokowy1 = AddMenu(window.menuBar(), "Schematblokowy1", QStringLiteral("&Plik"));
  QMenu* m = Schematblokowy1;
  Nowy1 = AddItem(m, "Nowy1", QStringLiteral("&Nowy Schemat blokowy ..."), QKeySequence("Ctrl+N"));
  Wczytajzpliku1 = AddItem(m, "Wczytajzpliku1", QStringLiteral("&Wczytaj Schemat blokowy ..."),
                           QKeySequence("Ctrl+O"));
  Zapisz1 =
      AddItem(m, "Zapisz1", QStringLiteral("&Zapisz Schemat blokowy"), QKeySequence("Ctrl+S"));
  Zapiszdopliku1 = AddItem(m, "Zapiszdopliku1", QStringLiteral("Zapisz Schemat blokowy j&ako ..."));
  Usu1 = AddItem(m, "Usu1", QStringLiteral("&Usuń Schemat blokowy!"), QKeySequence("Ctrl+Del"));
  Ustawieniadrukarki1 = AddItem(m, "Ustawieniadrukarki1", QStringLiteral("U&stawienia drukarki"));
  DrukujSchematblokowy1 =
      AddItem(m, "DrukujSchematblokowy1", QStringLiteral("&Drukuj Schemat blokowy ..."),
              QKeySequence("Ctrl+P"));
  ExportujSchematblokowy1 =
      AddItem(m, "ExportujSchematblokowy1", QStringLiteral("&Exportuj Schemat blokowy ..."));
  Zakoczprogram1 = AddItem(m, "Zakoczprogram1", QStringLiteral("Zakończ &program!"));
  for (QAction* a : {Zapisz1, Zapiszdopliku1, Usu1, Ustawieniadrukarki1, DrukujSchematblokowy1,
                     ExportujSchematblokowy1})
    a->setEnabled(false);
}

void TMainMenu::BuildEditMenu(QMainWindow& window) {
  Edycja1 = AddMenu(window.menuBar(), "Edycja1", QStringLiteral("&Edycja"));
  Cofnij1 = AddItem(Edycja1, "Cofnij1", QStringLiteral("&Cofnij"), QKeySequence("Ctrl+Z"));
  Ponw1 = AddItem(Edycja1, "Ponw1", QStringLiteral("&Ponów"), QKeySequence("Ctrl+Y"));
  Ponw1->setShortcuts({QKeySequence("Ctrl+Y"), QKeySequence("Ctrl+Shift+Z")});
  Cofnij1->setEnabled(false);
  Ponw1->setEnabled(false);
  Edycja1->addSeparator();
  Wstaw1 = AddSubmenu(Edycja1, "Wstaw1", QStringLiteral("Ws&taw"));
  Start1 = AddItem(Wstaw1, "Start1", QStringLiteral("&Start"));
  Stop1 = AddItem(Wstaw1, "Stop1", QStringLiteral("Sto&p"));
  Obliczenia1 = AddItem(Wstaw1, "Obliczenia1", QStringLiteral("&Obliczenia"));
  Warunek1 = AddItem(Wstaw1, "Warunek1", QStringLiteral("&Warunek"));
  WejWyj1 = AddItem(Wstaw1, "WejWyj1", QStringLiteral("W&ej./Wyj."));
  Kontynuacja1 = AddItem(Wstaw1, "Kontynuacja1", QStringLiteral("&Kontynuacja"));
  Wze1 = AddItem(Wstaw1, "Wze1", QStringLiteral("Wę&zeł"));
  Usu2 = AddItem(Edycja1, "Usu2", QStringLiteral("&Usuń"), QKeySequence(Qt::Key_Delete));
  Usuzaznaczoneelementy1 =
      AddItem(Edycja1, "Usuzaznaczoneelementy1", QStringLiteral("Usuń &zaznaczone elementy"),
              QKeySequence("Ctrl+X"));
  Zaznaczwszystkieelementy1 =
      AddItem(Edycja1, "Zaznaczwszystkieelementy1", QStringLiteral("Zaznacz wszy&stkie elementy"),
              QKeySequence("Ctrl+A"));
  Kopiuj1 = AddItem(Edycja1, "Kopiuj1", QStringLiteral("&Kopiuj"), QKeySequence("Ctrl+C"));
  Wklej1 = AddItem(Edycja1, "Wklej1", QStringLiteral("&Wklej"), QKeySequence("Ctrl+V"));
  Edycja1->addSeparator();
  Wyrwnajwpionie1 = AddItem(Edycja1, "Wyrwnajwpionie1", QStringLiteral("Wyrówn&aj w pionie"));
  Wyrwnajwpoziomie1 = AddItem(Edycja1, "Wyrwnajwpoziomie1", QStringLiteral("Wyrównaj w p&oziomie"));
  Edycja1->menuAction()->setEnabled(false);
}

void TMainMenu::BuildViewMenu(QMainWindow& window) {
  Widok1 = AddMenu(window.menuBar(), "Widok1", QStringLiteral("&Widok"));
  Kodrdowy1 = AddCheck(Widok1, "Kodrdowy1", QStringLiteral("&Kod źródłowy"), true);
  Interpretator1 = AddCheck(Widok1, "Interpretator1", QStringLiteral("&Interpretator"), false);
  Standardowewyjcie1 =
      AddCheck(Widok1, "Standardowewyjcie1", QStringLiteral("&Standardowe wyjście"), true);
  PlikLog1 = AddCheck(Widok1, "PlikLog1", QStringLiteral("&Plik Log ..."), false);
  Sledzenie1 = AddCheck(Widok1, "Sledzenie1", QStringLiteral("Ś&ledzenie"), false);
  Paskinarzdzi1 = AddSubmenu(Widok1, "Paskinarzdzi1", QStringLiteral("P&aski narzędzi"));
  Standardowy1 = AddCheck(Paskinarzdzi1, "Standardowy1", QStringLiteral("&Standardowy"), true);
}

void TMainMenu::BuildProjectMenu(QMainWindow& window) {
  Projekt1 = AddMenu(window.menuBar(), "Projekt1", QStringLiteral("S&chemat blokowy"));
  Sprawdpoprawnopoprawnopoczeikodurdowego1 =
      AddItem(Projekt1, "Sprawdpoprawnopoprawnopoczeikodurdowego1",
              QStringLiteral("&Sprawdź poprawność połączeń i kodu"), QKeySequence(Qt::Key_F10));
  Poka1 = AddItem(Projekt1, "Poka1", QStringLiteral("&Pokaż cały schemat ..."));
  Poka1->setVisible(false);
  Rozmiarptna1 = AddSubmenu(Projekt1, "Rozmiarptna1", QStringLiteral("&Rozmiar płótna"));
  Zmienrozmiarptna1 =
      AddItem(Rozmiarptna1, "Zmienrozmiarptna1", QStringLiteral("&Ustaw ręcznie ..."));
  Dopasujautomatycznie1 =
      AddItem(Rozmiarptna1, "Dopasujautomatycznie1", QStringLiteral("&Dopasuj automatycznie"));
  Projekt1->menuAction()->setEnabled(false);
}

void TMainMenu::BuildSimulationMenu(QMainWindow& window) {
  Symulacja1 = AddMenu(window.menuBar(), "Symulacja1", QStringLiteral("&Symulacja"));
  Wykonanie1 =
      AddItem(Symulacja1, "Wykonanie1", QStringLiteral("&Uruchom"), QKeySequence(Qt::Key_F9));
  Zakocz1 = AddItem(Symulacja1, "Zakocz1", QStringLiteral("&Zakończ"));
  Zakocz1->setVisible(false);
  Zatrzymaj1 = AddItem(Symulacja1, "Zatrzymaj1", QStringLiteral("Za&trzymaj"));
  Uruchomiwykonajwczasierzeczywistym1 =
      AddItem(Symulacja1, "Uruchomiwykonajwczasierzeczywistym1",
              QStringLiteral("Uruchom i wykonaj w czasie &rzeczywistym!"), QKeySequence("Ctrl+F9"));
  Steep1 = AddItem(Symulacja1, "Steep1", QStringLiteral("St&eep"), QKeySequence(Qt::Key_F8));
  Steep1->setVisible(false);
  Krokwstecz1 = AddItem(Symulacja1, "Krokwstecz1", QStringLiteral("&Krok wstecz"),
                        QKeySequence(Qt::SHIFT | Qt::Key_F8));
  Krokwstecz1->setEnabled(false);
  Punktzatrzymania1 = AddItem(Symulacja1, "Punktzatrzymania1", QStringLiteral("&Punkt zatrzymania"),
                              QKeySequence(Qt::Key_F5));
  Warunekzatrzymania1 =
      AddItem(Symulacja1, "Warunekzatrzymania1", QStringLiteral("&Warunek zatrzymania ..."));
  Symulacja1->menuAction()->setEnabled(false);
}

void TMainMenu::BuildOptionsMenu(QMainWindow& window) {
  Opcje1 = AddMenu(window.menuBar(), "Opcje1", QStringLiteral("&Opcje"));
  Animacja1 = AddSubmenu(Opcje1, "Animacja1", QStringLiteral("&Animacja"));
  BOMBEL1 = AddCheck(Animacja1, "BOMBEL1", QStringLiteral("&Bombelek"), true);
  Trybrzeczywisty1 =
      AddCheck(Animacja1, "Trybrzeczywisty1", QStringLiteral("&Tryb czasu rzeczywistego"), false);
  IndeksyTablic1 = AddCheck(Opcje1, "IndeksyTablic1",
                            QStringLiteral("&Pokazuj indeksy tablic w osobnych polach"), true);
  Odwieajpoczeniapodczasprzesuwaniablokw1 =
      AddCheck(Opcje1, "Odwieajpoczeniapodczasprzesuwaniablokw1",
               QStringLiteral("&Odświeżaj połączenia podczas przesuwania bloków"), false);
  Przycigajdosiatki1 =
      AddCheck(Opcje1, "Przycigajdosiatki1", QStringLiteral("Przyciągaj do sia&tki"), false);
  Kasujlogprzyzaadowaniunowegoschematu1 =
      AddCheck(Opcje1, "Kasujlogprzyzaadowaniunowegoschematu1",
               QStringLiteral("&Kasuj log przy załadowaniu nowego schematu"), false);
  Sprawdskadnikoduprzeduruchomieniemsymulatora1 =
      AddCheck(Opcje1, "Sprawdskadnikoduprzeduruchomieniemsymulatora1",
               QStringLiteral("&Sprawdź składnię kodu przed wykonaniem algorytmu"), false);
}

void TMainMenu::BuildHelpMenu(QMainWindow& window) {
  Pomoc1 = AddMenu(window.menuBar(), "Pomoc1", QStringLiteral("Po&moc"));
  Pomoc2 = AddItem(Pomoc1, "Pomoc2", QStringLiteral("&Pomoc ..."), QKeySequence(Qt::Key_F1));
  Oprogramie1 = AddItem(Pomoc1, "Oprogramie1", QStringLiteral("&O programie ..."));
}

void TMainMenu::BuildToolBar(QMainWindow& window) {
  ToolBar1 = window.addToolBar(QStringLiteral("Standardowy"));
  ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
  ToolBar1->setMovable(false);
  ToolBar1->setIconSize(QSize(20, 20));
  QToolBar* b = ToolBar1;
  using G = TToolGlyphs;
  SpeedButton5 = AddButton(b, "SpeedButton5", QStringLiteral("Nowy schemat"), G::New, true);
  SpeedButton6 = AddButton(b, "SpeedButton6", QStringLiteral("Otwórz schemat"), G::Open, true);
  SpeedButton7 = AddButton(b, "SpeedButton7", QStringLiteral("Zapisz schemat"), G::Save, false);
  SpeedButton8 = AddButton(b, "SpeedButton8", QStringLiteral("Usuń schemat"), G::Delete, false);
  b->addSeparator();
  SpeedButtonCofnij = AddButton(b, "SpeedButtonCofnij", QStringLiteral("Cofnij"), G::Undo, false);
  SpeedButtonPonw = AddButton(b, "SpeedButtonPonw", QStringLiteral("Ponów"), G::Redo, false);
  b->addSeparator();
  SpeedButton10 =
      AddButton(b, "SpeedButton10", QStringLiteral("Blok początkowy"), G::StartBlock, false);
  SpeedButton11 =
      AddButton(b, "SpeedButton11", QStringLiteral("Blok końcowy"), G::StopBlock, false);
  SpeedButton12 =
      AddButton(b, "SpeedButton12", QStringLiteral("Blok obliczeniowy"), G::CalcBlock, false);
  SpeedButton13 =
      AddButton(b, "SpeedButton13", QStringLiteral("Blok wejścia/wyjścia"), G::InOutBlock, false);
  SpeedButton17 =
      AddButton(b, "SpeedButton17", QStringLiteral("Blok wyboru"), G::ChoiceBlock, false);
  SpeedButton14 =
      AddButton(b, "SpeedButton14", QStringLiteral("Blok kontynuacji"), G::ContinuumBlock, false);
  SpeedButton15 =
      AddButton(b, "SpeedButton15", QStringLiteral("Blok węzłowy"), G::NodeBlock, false);
  SpeedButton16 =
      AddButton(b, "SpeedButton16", QStringLiteral("Usuń aktywny blok"), G::DeleteActive, false);
  SpeedButton2 = AddButton(b, "SpeedButton2", QStringLiteral("Usuń zaznaczone elementy"),
                           G::DeleteSelected, false);
  SpeedButton1 = AddButton(b, "SpeedButton1", QStringLiteral("Zaznacz wszystkie elementy"),
                           G::SelectAll, false);
  b->addSeparator();
  SpeedButton18 = AddButton(b, "SpeedButton18",
                            QStringLiteral("Sprawdzenie poprawności połączeń i kodu źródłowego"),
                            G::Check, true);
  SpeedButton4 = AddButton(b, "SpeedButton4", QStringLiteral("Uruchom symulację"), G::Run, true);
  SpeedButton3 = AddButton(b, "SpeedButton3",
                           QStringLiteral("Uruchom i wykonaj symulację w czasie rzeczywistym!"),
                           G::RealTime, true);
  b->addSeparator();
  SpeedButton9 = AddButton(b, "SpeedButton9", QStringLiteral("Zakończ program"), G::Exit, true);
}

QList<QMenu*> TMainMenu::DiagramMenus() const { return {Edycja1, Symulacja1, Projekt1}; }

QList<QAction*> TMainMenu::DiagramItems() const {
  return {Zapiszdopliku1,
          Usu1,
          Ustawieniadrukarki1,
          DrukujSchematblokowy1,
          ExportujSchematblokowy1,
          SpeedButton7,
          SpeedButton8,
          SpeedButton10,
          SpeedButton11,
          SpeedButton12,
          SpeedButton13,
          SpeedButton14,
          SpeedButton15,
          SpeedButton16,
          SpeedButton17,
          SpeedButton1,
          SpeedButton2};
}

}  // namespace zuvar
