#include "systems/ui/FrmSistemi.h"

#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/Ambiente.h"
#include "app/ui/Controlli.h"
#include "app/ui/Servizi.h"
#include "archive/ArchivioEstrazioni.h"
#include "forecasts/Previsione.h"
#include "print/ui/StampaGriglia.h"
#include "spy/ui/FinestraSpia.h"
#include "spy/ui/Griglia90.h"
#include "systems/Combinatoria.h"
#include "systems/Sviluppo.h"
#include "systems/TestiSistema.h"
#include "systems/ui/GrigliaSistema.h"
#include "systems/ui/SchedaSpoglio.h"
#include "systems/ui/TabelloneNumeri.h"

namespace ruotario {

namespace {

constexpr int kRigheStampabiliColonne = 2000;
constexpr int kPerColonnaPredefinito = 3;

QString testo(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

FrmSistemi::FrmSistemi(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("FrmSistemi"));
  setWindowTitle(QString::fromUtf8(kTitoloSistemi));
  setAttribute(Qt::WA_DeleteOnClose);
  costruisci();
  aggiornaScelte();
  inCorso(false);
  mostraColonne({});
  // Wide enough for every column of the spoglio's tables; the main window
  // shrinks it to its area on a small screen.
  resize(1450, 820);
}

FrmSistemi::~FrmSistemi() {
  ricerca_.Ferma();
  ricerca_.Attendi();
}

void FrmSistemi::costruisci() {
  auto* gruppoNumeri = new QGroupBox(QStringLiteral("Numeri"), this);
  tabellone_ = new TabelloneNumeri(gruppoNumeri);
  numeri_ = new QLineEdit(gruppoNumeri);
  numeri_->setObjectName(QStringLiteral("txtNumeri"));
  numeri_->setPlaceholderText(QStringLiteral("per esempio 1-10,23,45"));
  scelti_ = etichetta("lbScelti", {}, gruppoNumeri);
  auto* azzera = pulsante("cmdAzzera", QStringLiteral("Azzera"), gruppoNumeri);
  auto* rigaNumeri = new QHBoxLayout;
  rigaNumeri->addWidget(scelti_, 1);
  rigaNumeri->addWidget(azzera);
  auto* colonnaNumeri = new QVBoxLayout(gruppoNumeri);
  colonnaNumeri->addWidget(tabellone_);
  colonnaNumeri->addWidget(numeri_);
  colonnaNumeri->addLayout(rigaNumeri);

  auto* gruppoSistema = new QGroupBox(QStringLiteral("Sistema"), this);
  auto* moduli = new QFormLayout;
  tipo_ = NuovoElenco("cmbTipo", gruppoSistema);
  tipo_->addItems({QStringLiteral("Integrale"), QStringLiteral("Ridotto")});
  tipo_->setCurrentIndex(1);
  perColonna_ = NuovoElenco("cmbPerColonna", gruppoSistema);
  for (int k = 1; k <= kMassimoPerColonna; ++k) perColonna_->addItem(QString::number(k));
  perColonna_->setCurrentIndex(kPerColonnaPredefinito - 1);
  garanzia_ = NuovoElenco("cmbGaranzia", gruppoSistema);
  for (int t = 2; t <= 5; ++t) {
    const std::string nome(NomeSorte(t));
    garanzia_->addItem(testo(nome));
  }
  se_ = NuovoElenco("cmbSe", gruppoSistema);
  for (int m = 2; m <= 5; ++m) se_->addItem(QString::number(m));
  seme_ = new QSpinBox(gruppoSistema);
  seme_->setObjectName(QStringLiteral("spnSeme"));
  seme_->setRange(0, 2'000'000'000);
  seme_->setValue(static_cast<int>(kSemePredefinito));
  moduli->addRow(QStringLiteral("Sviluppo:"), tipo_);
  moduli->addRow(QStringLiteral("Numeri per colonna:"), perColonna_);
  moduli->addRow(QStringLiteral("Garanzia:"), garanzia_);
  moduli->addRow(QStringLiteral("Se escono:"), se_);
  moduli->addRow(QStringLiteral("Seme della ricerca:"), seme_);
  sviluppa_ = pulsante("cmdSviluppa", QStringLiteral("Sviluppa"), gruppoSistema);
  ferma_ = pulsante("cmdFerma", QStringLiteral("Ferma"), gruppoSistema);
  carica_ = pulsante("cmdCarica", QStringLiteral("Carica…"), gruppoSistema);
  auto* comandi = new QHBoxLayout;
  comandi->addWidget(sviluppa_);
  comandi->addWidget(ferma_);
  comandi->addWidget(carica_);
  avanzamento_ = etichetta("lbAvanzamento", {}, gruppoSistema);
  avanzamento_->setWordWrap(true);
  auto* colonnaSistema = new QVBoxLayout(gruppoSistema);
  colonnaSistema->addLayout(moduli);
  colonnaSistema->addLayout(comandi);
  colonnaSistema->addWidget(avanzamento_);

  auto* sinistra = new QVBoxLayout;
  sinistra->addWidget(gruppoNumeri);
  sinistra->addWidget(gruppoSistema);
  sinistra->addStretch();

  schede_ = new QTabWidget(this);
  schede_->setObjectName(QStringLiteral("TabSistemi"));
  auto* pagina = new QWidget(schede_);
  griglia_ = new Griglia90(pagina);
  griglia_->setObjectName(QStringLiteral("GrigliaColonne"));
  griglia_->CentraColonne();
  riepilogo_ = etichetta("lbRiepilogo", {}, pagina);
  verifica_ = etichetta("lbGaranzia", {}, pagina);
  limiti_ = etichetta("lbLimiti", {}, pagina);
  for (QLabel* l : {riepilogo_, verifica_, limiti_}) {
    l->setWordWrap(true);
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
  }
  QFont grassetto = verifica_->font();
  grassetto.setBold(true);
  verifica_->setFont(grassetto);
  stampa_ = pulsante("CmdStampa", QStringLiteral("STAMPA"), pagina);
  auto* colonnaPagina = new QVBoxLayout(pagina);
  colonnaPagina->addWidget(griglia_, 1);
  colonnaPagina->addWidget(riepilogo_);
  colonnaPagina->addWidget(verifica_);
  colonnaPagina->addWidget(limiti_);
  colonnaPagina->addWidget(stampa_, 0, Qt::AlignLeft);
  spoglio_ = new SchedaSpoglio(schede_);
  schede_->addTab(pagina, QStringLiteral("Colonne"));
  schede_->addTab(spoglio_, QStringLiteral("Spoglio"));

  auto* layout = new QHBoxLayout(this);
  layout->addLayout(sinistra, 0);
  layout->addWidget(schede_, 1);

  connect(tabellone_, &TabelloneNumeri::cambiati, this, [this] {
    numeri_->setText(testo(TestoElencoNumeri(tabellone_->Scelti())));
    aggiornaScelte();
  });
  connect(numeri_, &QLineEdit::editingFinished, this, [this] {
    const ElencoNumeri e = LeggiElencoNumeri(numeri_->text().toStdString());
    if (!e.Errore.empty() && !numeri_->text().trimmed().isEmpty()) {
      scelti_->setText(testo(e.Errore));
      return;
    }
    tabellone_->Imposta(e.Numeri);
    aggiornaScelte();
  });
  connect(azzera, &QPushButton::clicked, this, [this] {
    tabellone_->Imposta({});
    numeri_->clear();
    aggiornaScelte();
  });
  connect(tipo_, &QComboBox::currentIndexChanged, this, &FrmSistemi::aggiornaScelte);
  connect(garanzia_, &QComboBox::currentIndexChanged, this, [this](int i) {
    if (se_->currentIndex() < i) se_->setCurrentIndex(i);
  });
  connect(sviluppa_, &QPushButton::clicked, this, &FrmSistemi::Sviluppa);
  connect(ferma_, &QPushButton::clicked, this, &FrmSistemi::Ferma);
  connect(carica_, &QPushButton::clicked, this, &FrmSistemi::Carica);
  connect(stampa_, &QPushButton::clicked, this, &FrmSistemi::Stampa);
}

void FrmSistemi::aggiornaScelte() {
  const std::size_t n = tabellone_->Scelti().size();
  scelti_->setText(n == 1 ? QStringLiteral("1 numero scelto") : QStringLiteral("%1 numeri scelti").arg(n));
  const bool ridotto = !Integrale();
  for (QWidget* w : std::initializer_list<QWidget*>{garanzia_, se_, seme_}) w->setEnabled(ridotto);
}

bool FrmSistemi::Integrale() const { return tipo_->currentIndex() == 0; }

ParametriRiduzione FrmSistemi::Parametri() const {
  ParametriRiduzione p;
  p.Numeri = tabellone_->Scelti();
  p.PerColonna = perColonna_->currentIndex() + 1;
  p.Sorte = garanzia_->currentIndex() + 2;
  p.Se = se_->currentIndex() + 2;
  p.Seme = static_cast<std::uint64_t>(seme_->value());
  return p;
}

void FrmSistemi::inCorso(bool si) {
  sviluppa_->setEnabled(!si);
  carica_->setEnabled(!si);
  ferma_->setEnabled(si);
}

void FrmSistemi::Sviluppa() {
  if (ricerca_.InCorso()) return;
  const ParametriRiduzione p = Parametri();
  const QString descrizione = QStringLiteral("%1 numeri in colonne da %2").arg(p.Numeri.size()).arg(p.PerColonna);
  if (Integrale()) {
    const std::uint64_t conta = Binomiale(static_cast<int>(p.Numeri.size()), p.PerColonna);
    if (conta > kMassimoColonneFinestra) {
      messaggi().avviso(
          this, QStringLiteral("Lo sviluppo integrale di %1 dà %2 colonne: la finestra ne mostra al "
                               "massimo %3. Per sistemi più grandi: ruotario-cli sistema sviluppa.")
                    .arg(descrizione, testo(TestoMigliaia(conta)), testo(TestoMigliaia(kMassimoColonneFinestra))));
      return;
    }
    const EsitoSviluppo e = SviluppoIntegrale(p.Numeri, p.PerColonna);
    if (!e.Errore.empty()) {
      messaggi().avviso(this, QStringLiteral("Sviluppo impossibile: ") + testo(e.Errore));
      return;
    }
    titoloStampa_ = QStringLiteral("Sviluppo integrale di ") + descrizione;
    mostraColonne(e.Colonne);
    riepilogo_->setText(QStringLiteral("%1 colonne - sviluppo integrale di ").arg(e.Conta) + descrizione);
    const auto garanzia = GaranziaIntegrale(p.Numeri, p.PerColonna, e.Colonne);
    const int t = std::min({p.PerColonna, 5, static_cast<int>(p.Numeri.size())});
    verifica_->setText(testo("Garanzia " + TestoGaranzia(t, t) + ": " +
                             (garanzia ? TestoVerifica(*garanzia) : "ogni combinazione è giocata")));
    limiti_->setText(QStringLiteral("Sviluppo integrale: ogni combinazione dei numeri è una colonna."));
    return;
  }
  if (const std::string errore = ControllaRiduzione(p); !errore.empty()) {
    messaggi().avviso(this, QStringLiteral("Sistema ridotto impossibile: ") + testo(errore));
    return;
  }
  inCorso(true);
  inRicerca_ = p;
  avanzamento_->setText(QStringLiteral("Ricerca in corso…"));
  ricerca_.Avvia(
      p,
      [this](const AvanzamentoRicerca& a) {
        const QString t =
            QStringLiteral("Trovato un sistema di %1 colonne; cerco con %2 (%3 combinazioni scoperte), %4%")
                .arg(a.Migliore)
                .arg(a.Tentativo)
                .arg(a.Scoperti)
                .arg(static_cast<int>(a.Fatto * 100));
        QMetaObject::invokeMethod(
            avanzamento_, [l = avanzamento_, t] { l->setText(t); }, Qt::QueuedConnection);
      },
      [this] { QMetaObject::invokeMethod(this, &FrmSistemi::AttendiRicerca, Qt::QueuedConnection); });
}

void FrmSistemi::Ferma() { ricerca_.Ferma(); }

void FrmSistemi::AttendiRicerca() {
  if (!ricerca_.InCorso()) return;
  const std::optional<EsitoRiduzione> e = ricerca_.Attendi();
  inCorso(false);
  avanzamento_->clear();
  if (e) mostraRiduzione(*e, inRicerca_);
  emit ricercaConclusa();
}

// `p` are the choices the search ran with: the controls may have changed since.
void FrmSistemi::mostraRiduzione(const EsitoRiduzione& e, const ParametriRiduzione& p) {
  if (!e.Errore.empty()) {
    messaggi().avviso(this, QStringLiteral("Sistema ridotto impossibile: ") + testo(e.Errore));
    return;
  }
  titoloStampa_ = QStringLiteral("Sistema ridotto di %1 numeri in colonne da %2 - garanzia ")
                      .arg(p.Numeri.size())
                      .arg(p.PerColonna) +
                  testo(TestoGaranzia(p.Sorte, p.Se));
  mostraColonne(e.Colonne);
  riepilogo_->setText(
      QStringLiteral("%1 colonne - metodo: ").arg(e.Colonne.size()) + testo(e.Metodo) +
      (e.Fermata ? QStringLiteral(" (ricerca fermata: il sistema più piccolo trovato fin lì)") : QString()));
  verifica_->setText(QStringLiteral("Garanzia ") + testo(TestoGaranzia(p.Sorte, p.Se)) + QStringLiteral(": ") +
                     testo(TestoVerifica(e.Verifica)));
  limiti_->setText(testo(TestoLimiti(e)));
}

void FrmSistemi::mostraColonne(const Sistema& colonne) {
  colonne_ = colonne;
  MostraTabella(*griglia_, TabellaColonne(colonne));
  spoglio_->ImpostaSistema(colonne);
  stampa_->setEnabled(!colonne.empty());
}

void FrmSistemi::Carica() {
  const QString percorso = dialoghiFile().apriFile(this, QStringLiteral("Carica sistema"), testo(Stato().AppDir),
                                                   QStringLiteral("Sistemi (*.txt);;Tutti i file (*)"));
  if (percorso.isEmpty()) return;
  std::string contenuto;
  if (!LeggiFile(percorso.toStdString(), contenuto)) {
    messaggi().avviso(this, QStringLiteral("Impossibile leggere il file ") + percorso);
    return;
  }
  const SistemaLetto s = LeggiSistema(contenuto);
  if (!s.Errore.empty()) {
    messaggi().avviso(this, QStringLiteral("Sistema non valido: ") + testo(s.Errore));
    return;
  }
  const std::vector<int> numeri = NumeriSistema(s.Colonne);
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const EsitoGaranzie g = GaranzieSistema(numeri, s.Colonne);
  QApplication::restoreOverrideCursor();
  tabellone_->Imposta(numeri);
  numeri_->setText(testo(TestoElencoNumeri(numeri)));
  aggiornaScelte();
  titoloStampa_ = QStringLiteral("Sistema caricato da ") + QFileInfo(percorso).fileName();
  mostraColonne(s.Colonne);
  riepilogo_->setText(QStringLiteral("%1 colonne su %2 numeri, da ").arg(s.Colonne.size()).arg(numeri.size()) +
                      QFileInfo(percorso).fileName());
  QStringList garanzie;
  for (const GaranziaSe& x : g.Garanzie) garanzie << testo(TestoGaranzia(x.Sorte, x.Se));
  verifica_->setText(g.Errore.empty()
                         ? QStringLiteral("Garanzie verificate su tutti i casi: ") + garanzie.join(QStringLiteral("; "))
                         : QStringLiteral("Garanzia non verificata: ") + testo(g.Errore));
  limiti_->clear();
}

void FrmSistemi::Stampa() {
  StampaPrimeRighe(griglia_->TestoTabella(), titoloStampa_, verifica_->text(), kRigheStampabiliColonne, this);
}

}  // namespace ruotario
