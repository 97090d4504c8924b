#pragma once
// The main window: menus, toolbar and status bar that open every other window,
// child windows in its central area, its geometry kept in the user's settings.

#include <QMainWindow>
#include <QString>

#include "app/ui/Finestre.h"

class QAction;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolBar;
class QToolButton;
class QStatusBar;
class QTimer;
class QLabel;

namespace ruotario {

class frmMain : public QMainWindow {
  Q_OBJECT

 public:
  explicit frmMain(QWidget* parent = nullptr);
  ~frmMain() override;

  // The one main window of the run (MainWindow), or null before it exists.
  static frmMain* principale();

  // Load step: restores position and size from the settings.
  void carica();

  // Plugs a window into the command named `nomeAzione` (a menu entry's object
  // name such as "mnuspia1", or a window name for windows without a menu entry,
  // such as "frmricalcolastatIC"). The entry is enabled from then on.
  void registraFinestra(const QString& nomeAzione, FabbricaFinestra fabbrica, Modo modo = Modo::Figlia);

  // The open command: creates the window on first opening (or after it was
  // closed), shows it, brings it to the front. A modal window is shown and
  // waited for; the result is then null. Null also when nothing is registered.
  QWidget* apriFinestra(const QString& nomeAzione);

  // The commands a window is plugged into.
  QStringList finestreRegistrate() const { return finestre_.chiavi(); }

  // The open instance for a command, or null.
  QWidget* finestra(const QString& nomeAzione) const;

  // The new-draw command for "mnuinsestman" or "mnuinstele": refused while any
  // other window is open; after a saved draw runs ricalcolaStatistiche().
  void nuovaEstrazione(const QString& nomeAzione);

  // Shows "Calcolo Statistiche" with its start button disabled around
  // RicalcolaStat and closes it again (also used after an archive import).
  void ricalcolaStatistiche();

  // Windows of the program that are open and visible, this one included;
  // a minimised child window counts.
  int contaFinestreVisibili() const;

  QMdiArea* area() const { return area_; }

  // Window arrangement, as the "Finestre" menu does it.
  void affiancaOrizzontalmente();
  void affiancaVerticalmente();
  void disponiIcone();

 signals:
  // Emitted at the end of ricalcolaStatistiche(): the archive has new draws.
  void statisticheRicalcolate();

 protected:
  void closeEvent(QCloseEvent* evento) override;

 private:
  void creaMenu();
  void creaBarre();
  QAction* voce(QMenu* menu, const QString& nome, const QString& testo);
  QAction* voceFinestra(QMenu* menu, const QString& nome, const QString& testo);
  void apriPagina(const QString& nomeAzione);
  void seguiVoceMenu(QAction* voceBarra, const QString& nomeAzione);
  void aggiornaBottoneArchivio();
  void impostaStampante();
  void sceltaBarra(const QString& chiave);
  void aggiornaElencoFinestre();
  void aggiornaOrologio();
  void salvaGeometria();
  int larghezzaMenu() const;
  QSize faiSpazio(QSize voluta);
  void entraNellArea(QMdiSubWindow* sub, QSize spazio) const;

  QMdiArea* area_ = nullptr;
  QToolBar* barraStrumenti_ = nullptr;
  QToolButton* bottoneArchivio_ = nullptr;
  QMenu* menuVisualizza_ = nullptr;
  QAction* inizioElenco_ = nullptr;
  QLabel* pannelloData_ = nullptr;
  QLabel* pannelloOra_ = nullptr;
  QTimer* orologio_ = nullptr;
  Finestre finestre_;
};

}  // namespace ruotario
