#include "app/ui/frmMain.h"

#include <QAction>
#include <QDate>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTime>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include "app/ui/FrmInfo.h"
#include "app/ui/Logo.h"
#include "app/ui/Servizi.h"
#include "app/ui/frmAbout.h"
#include "app/ui/frmricalcolastatIC.h"

namespace ruotario {

namespace {
frmMain* gPrincipale = nullptr;

// Toolbar keys and the command each one runs.
const QString kChiaveBottone = QStringLiteral("Archivio Estrazioni");
const QString kChiaveVisualizza = QStringLiteral("Visualizza Estrazioni");
const QString kChiaveNuova = QStringLiteral("Nuova Estrazione");
const QString kChiaveImporta = QStringLiteral("Importa Estrazioni");
const QString kNuovaManuale = QStringLiteral("mnuinsestman");

// The menu entry whose command a toolbar key runs; empty for a key that matches none.
QString comandoBarra(const QString& chiave) {
  if (chiave == kChiaveBottone || chiave == kChiaveVisualizza) return QStringLiteral("mnuViewEstrazioni");
  if (chiave == kChiaveNuova) return kNuovaManuale;
  if (chiave == kChiaveImporta) return QStringLiteral("mnuimprtfile");
  return {};
}
}  // namespace

frmMain::frmMain(QWidget* parent) : QMainWindow(parent) {
  setObjectName(QStringLiteral("frmMain"));
  setWindowTitle(kTitoloApplicazione);
  setWindowIcon(QIcon(LogoRuotario(64)));
  area_ = new QMdiArea(this);
  area_->setObjectName(QStringLiteral("areaFinestre"));
  area_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  area_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  area_->setBackground(QColor(0x5a, 0x6b, 0x7c));
  setCentralWidget(area_);
  barraStrumenti_ = addToolBar(QStringLiteral("Barra degli strumenti"));
  creaMenu();
  creaBarre();

  registraFinestra(
      QStringLiteral("mnuHelpAbout"), [](QWidget* p) { return new frmAbout(p); }, Modo::Modale);
  registraFinestra(
      QStringLiteral("mnuinfoveltrano2"), [](QWidget* p) { return new frmAbout(p); }, Modo::ModaleSenzaProprietario);
  registraFinestra(
      QStringLiteral("mnuglstermini"), [](QWidget* p) { return new FrmInfo(p); }, Modo::Modale);
  registraFinestra(QStringLiteral("frmricalcolastatIC"), [](QWidget* p) { return new frmricalcolastatIC(p); });
  if (!gPrincipale) gPrincipale = this;
}

frmMain::~frmMain() {
  if (gPrincipale == this) gPrincipale = nullptr;
}

frmMain* frmMain::principale() { return gPrincipale; }

QAction* frmMain::voce(QMenu* menu, const QString& nome, const QString& testo) {
  auto* a = new QAction(testo, this);
  a->setObjectName(nome);
  if (menu) menu->addAction(a);
  return a;
}

QAction* frmMain::voceFinestra(QMenu* menu, const QString& nome, const QString& testo) {
  QAction* a = voce(menu, nome, testo);
  a->setEnabled(false);  // until a window is plugged in
  connect(a, &QAction::triggered, this, [this, nome] { apriFinestra(nome); });
  return a;
}

void frmMain::creaMenu() {
  QMenuBar* barra = menuBar();
  auto sottomenu = [this](QMenu* padre, const QString& nome, const QString& testo) {
    QMenu* m = padre->addMenu(testo);
    m->setObjectName(nome);
    m->menuAction()->setObjectName(nome);
    return m;
  };
  auto menuPrincipale = [this, barra](const QString& nome, const QString& testo) {
    QMenu* m = barra->addMenu(testo);
    m->setObjectName(nome);
    m->menuAction()->setObjectName(nome);
    return m;
  };

  QMenu* archivio =
      menuPrincipale(QStringLiteral("munarcestr"), QStringLiteral("&Italian LOTTO numbers / Archivio Estrazioni"));
  voceFinestra(archivio, QStringLiteral("mnuViewEstrazioni"), QStringLiteral("&EDIT"));
  QMenu* nuova = sottomenu(archivio, QStringLiteral("mnuInsertnuovaEstrazione"), QStringLiteral("&NEW"));
  for (const auto& [nome, testo] :
       {std::pair{QStringLiteral("mnuinsestman"), QStringLiteral("Insert/Inserimento Manuale")},
        std::pair{QStringLiteral("mnuinstele"), QStringLiteral("Insert from internet / Aggiorna da Televideo")}}) {
    QAction* a = voce(nuova, nome, testo);
    a->setEnabled(false);
    connect(a, &QAction::triggered, this, [this, n = nome] { nuovaEstrazione(n); });
  }
  QMenu* importa = sottomenu(archivio, QStringLiteral("mnuAEImportaEstrazioni"), QStringLiteral("Import File"));
  connect(voce(importa, QStringLiteral("mnudownls"), QStringLiteral("Download da ") + kTitoloApplicazione),
          &QAction::triggered, this, [this] { apriPagina(QStringLiteral("mnudownls")); });
  voceFinestra(importa, QStringLiteral("mnuimprtfile"), QStringLiteral("Import da File"));
  voceFinestra(importa, QStringLiteral("mnuAggiornaUfficiale"), QStringLiteral("Aggiorna dall'archivio ufficiale…"));
  voceFinestra(importa, QStringLiteral("mnuImportaPubblicato"), QStringLiteral("Importa da file pubblicato…"));
  voceFinestra(archivio, QStringLiteral("mnuEsportaEstrazionix"), QStringLiteral("Export"));

  QMenu* zeved = menuPrincipale(QStringLiteral("mnusupsp"), QStringLiteral("&ZevedIVE"));
  voceFinestra(zeved, QStringLiteral("mnusupsyp"), QStringLiteral("Statistica"));
  voceFinestra(zeved, QStringLiteral("mnuspric"), QStringLiteral("Ricerca"));

  QMenu* spie = menuPrincipale(QStringLiteral("mnuspie"), QStringLiteral("S&tatistiche Spie"));
  const std::pair<const char*, const char*> vociSpie[] = {
      {"mnuspia1", "&1 Numero Spia"},
      {"mnuspia2", "&2 Numeri Spia (ambo spia)"},
      {"mnuspia", "&3 Numeri Spia"},
      {"mnuambispiacadenza", "&Cadenza Spia"},
      {"mnuspiadecina", "D&ecina Spia"},
      {"mnuambispiafigura", "&Figura Spia"},
      {"mnuspiasomma", "Somma &Ambo Spia"},
      {"mnudiffambo", "&Differenza Ambo Spia"},
      {"mnudistanzaambo", "D&istanza Ambo Spia"},
      {"mnudistanzaciclo", "Dis&tanza Ciclometrica Ambo Spia"},
  };
  for (const auto& [nome, testo] : vociSpie) voceFinestra(spie, QString::fromUtf8(nome), QString::fromUtf8(testo));

  // The studies added later sit right after the spy studies, before the view menu.
  QMenu* ritardi = menuPrincipale(QStringLiteral("mnuRitardi"), QStringLiteral("&Ritardi"));
  voceFinestra(ritardi, QStringLiteral("mnuRitardiFrequenze"), QStringLiteral("Ritardi e &frequenze"));
  QMenu* sistemi = menuPrincipale(QStringLiteral("mnuSistemi"), QStringLiteral("&Sistemi"));
  voceFinestra(sistemi, QStringLiteral("mnuSistemiGioco"), QStringLiteral("Sistemi &integrali e ridotti"));

  QMenu* previsioni = menuPrincipale(QStringLiteral("mnuPrevisioni"), QStringLiteral("&Previsioni"));
  voceFinestra(previsioni, QStringLiteral("mnuPrevisioniRegistro"), QStringLiteral("Registro e &verifica dei metodi"));

  menuVisualizza_ = menuPrincipale(QStringLiteral("mnuView"), QStringLiteral("&Visualizza"));
  // The toolbar's own toggle: the frame's context menu shows the same action,
  // so the check mark always tells whether the toolbar is shown.
  QAction* toolbar = barraStrumenti_->toggleViewAction();
  toolbar->setObjectName(QStringLiteral("mnuViewToolbar"));
  toolbar->setText(QStringLiteral("Barra degli &strumenti"));
  menuVisualizza_->addAction(toolbar);
  QAction* stato = voce(menuVisualizza_, QStringLiteral("mnuViewStatusBar"), QStringLiteral("&Barra di stato"));
  stato->setCheckable(true);
  stato->setChecked(true);
  connect(stato, &QAction::triggered, this, [this](bool on) { statusBar()->setVisible(on); });
  menuVisualizza_->addSeparator()->setObjectName(QStringLiteral("mnuViewBar0"));
  QMenu* finestre = sottomenu(menuVisualizza_, QStringLiteral("mnuFinest"), QStringLiteral("Finestre"));
  connect(voce(finestre, QStringLiteral("mnuWindowCascade"), QStringLiteral("&Sovrapponi")), &QAction::triggered, area_,
          &QMdiArea::cascadeSubWindows);
  connect(voce(finestre, QStringLiteral("mnuWindowTileHorizontal"), QStringLiteral("Affianca &orizzontalmente")),
          &QAction::triggered, this, &frmMain::affiancaOrizzontalmente);
  connect(voce(finestre, QStringLiteral("mnuWindowTileVertical"), QStringLiteral("Affianca &verticalmente")),
          &QAction::triggered, this, &frmMain::affiancaVerticalmente);
  connect(voce(finestre, QStringLiteral("mnuWindowArrangeIcons"), QStringLiteral("&Disponi icone")),
          &QAction::triggered, this, &frmMain::disponiIcone);
  inizioElenco_ = menuVisualizza_->addSeparator();
  inizioElenco_->setVisible(false);
  connect(menuVisualizza_, &QMenu::aboutToShow, this, &frmMain::aggiornaElencoFinestre);

  QMenu* aiuto = menuPrincipale(QStringLiteral("mnuHelp"), QStringLiteral("&?"));
  connect(voce(aiuto, QStringLiteral("mnuquadriviaweb"), kTitoloApplicazione), &QAction::triggered, this,
          [this] { apriPagina(QStringLiteral("mnuquadriviaweb")); });
  voceFinestra(aiuto, QStringLiteral("mnuglstermini"), QStringLiteral("&Glossario TERMINI"));
  aiuto->addSeparator()->setObjectName(QStringLiteral("mnusep21231"));
  connect(voce(aiuto, QStringLiteral("mnupoker"), QStringLiteral("Poker online")), &QAction::triggered, this,
          [this] { apriPagina(QStringLiteral("mnupoker")); });
  connect(voce(aiuto, QStringLiteral("mnuImpstastampante"), QStringLiteral("&Impostazioni Stampante")),
          &QAction::triggered, this, &frmMain::impostaStampante);
  aiuto->addSeparator()->setObjectName(QStringLiteral("munlinea333"));
  connect(voce(aiuto, QStringLiteral("mnuBet"), QStringLiteral("Scommesse Online")), &QAction::triggered, this,
          [this] { apriPagina(QStringLiteral("mnuBet")); });
  voceFinestra(aiuto, QStringLiteral("mnuinfoveltrano2"), QStringLiteral("&Veltrano2"));
  voceFinestra(aiuto, QStringLiteral("mnuHelpAbout"), QStringLiteral("&Informazioni su Estrodex"));

  QAction* esci = voce(nullptr, QStringLiteral("mnuFileExit"), QStringLiteral("&Exit"));
  barra->addAction(esci);
  connect(esci, &QAction::triggered, this, &QWidget::close);
}

void frmMain::creaBarre() {
  barraStrumenti_->setObjectName(QStringLiteral("tbToolBar"));
  barraStrumenti_->setMovable(false);
  barraStrumenti_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  barraStrumenti_->setIconSize(QSize(24, 24));

  auto* bottone = bottoneArchivio_ = new QToolButton(barraStrumenti_);
  bottone->setObjectName(kChiaveBottone);
  bottone->setText(kChiaveBottone);
  bottone->setToolTip(QStringLiteral("Visualizza Archivio Estrazioni"));
  bottone->setIcon(IconaArchivio());
  bottone->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  bottone->setPopupMode(QToolButton::MenuButtonPopup);
  auto* tendina = new QMenu(bottone);
  tendina->setObjectName(QStringLiteral("tendinaArchivio"));
  for (const auto& [testo, chiave] : {std::pair{QStringLiteral("Visualizza Estrazioni"), kChiaveVisualizza},
                                      std::pair{QStringLiteral("Inserisci Nuova Estrazione"), kChiaveNuova},
                                      std::pair{QStringLiteral("Importa Archivio Estrazioni"), kChiaveImporta}}) {
    QAction* a = tendina->addAction(testo);
    a->setObjectName(chiave);
    a->setData(chiave);
    connect(a, &QAction::triggered, this, [this, k = chiave] { sceltaBarra(k); });
    seguiVoceMenu(a, comandoBarra(chiave));
  }
  bottone->setMenu(tendina);
  connect(bottone, &QToolButton::clicked, this, [this] { sceltaBarra(kChiaveBottone); });
  aggiornaBottoneArchivio();
  barraStrumenti_->addWidget(bottone);

  QStatusBar* barra = statusBar();
  barra->setObjectName(QStringLiteral("sbStatusBar"));
  auto pannello = [this, barra](const QString& nome, int allungamento) {
    auto* l = new QLabel(this);
    l->setObjectName(nome);
    l->setContentsMargins(6, 0, 6, 0);
    barra->addPermanentWidget(l, allungamento);
    return l;
  };
  pannello(QStringLiteral("Pannello1"), 1)->setText(kTitoloApplicazione);
  pannelloData_ = pannello(QStringLiteral("Pannello2"), 0);
  pannelloOra_ = pannello(QStringLiteral("Pannello3"), 0);
  orologio_ = new QTimer(this);
  connect(orologio_, &QTimer::timeout, this, &frmMain::aggiornaOrologio);
  orologio_->start(1000);
  aggiornaOrologio();
}

void frmMain::aggiornaOrologio() {
  pannelloData_->setText(QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")));
  pannelloOra_->setText(QTime::currentTime().toString(QStringLiteral("HH:mm")));
}

void frmMain::sceltaBarra(const QString& chiave) {
  const QString comando = comandoBarra(chiave);
  if (comando == kNuovaManuale)
    nuovaEstrazione(comando);
  else if (!comando.isEmpty())
    apriFinestra(comando);
}

// A toolbar entry is usable exactly when the menu entry it stands for is.
void frmMain::seguiVoceMenu(QAction* voceBarra, const QString& nomeAzione) {
  auto* voceMenu = findChild<QAction*>(nomeAzione, Qt::FindDirectChildrenOnly);
  if (!voceMenu) return;
  voceBarra->setEnabled(voceMenu->isEnabled());
  connect(voceMenu, &QAction::enabledChanged, voceBarra, &QAction::setEnabled);
  connect(voceMenu, &QAction::enabledChanged, this, &frmMain::aggiornaBottoneArchivio);
}

// The button opens the viewer; while only its other entries can be used, a
// click shows the drop-down instead, and with none it is disabled.
void frmMain::aggiornaBottoneArchivio() {
  if (!bottoneArchivio_ || !bottoneArchivio_->menu()) return;
  const auto* visualizza = findChild<QAction*>(comandoBarra(kChiaveBottone), Qt::FindDirectChildrenOnly);
  const bool apreVisore = visualizza && visualizza->isEnabled();
  bool qualcuna = false;
  for (const QAction* a : bottoneArchivio_->menu()->actions()) qualcuna |= a->isEnabled();
  bottoneArchivio_->setEnabled(qualcuna);
  bottoneArchivio_->setPopupMode(apreVisore ? QToolButton::MenuButtonPopup : QToolButton::InstantPopup);
}

void frmMain::aggiornaElencoFinestre() {
  const auto azioni = menuVisualizza_->actions();
  for (qsizetype i = azioni.indexOf(inizioElenco_) + 1; i < azioni.size(); ++i) {
    menuVisualizza_->removeAction(azioni[i]);
    azioni[i]->deleteLater();
  }
  const auto figlie = area_->subWindowList();
  inizioElenco_->setVisible(!figlie.isEmpty());
  int n = 0;
  for (QMdiSubWindow* sub : figlie) {
    ++n;
    const QString testo = (n < 10 ? QStringLiteral("&%1 ").arg(n) : QString()) + sub->windowTitle();
    QAction* a = menuVisualizza_->addAction(testo);
    a->setCheckable(true);
    a->setChecked(sub == area_->activeSubWindow());
    connect(a, &QAction::triggered, this, [this, sub = QPointer<QMdiSubWindow>(sub)] {
      if (sub) area_->setActiveSubWindow(sub);
    });
  }
}

}  // namespace ruotario
