#include "systems/ui/SchedaSpoglio.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/Ambiente.h"
#include "app/NumeriLotto.h"
#include "app/ui/Controlli.h"
#include "app/ui/Servizi.h"
#include "forecasts/Previsione.h"
#include "print/ui/StampaGriglia.h"
#include "print/ui/VistaGrafico.h"
#include "spy/ui/FinestraSpia.h"
#include "spy/ui/Griglia90.h"
#include "systems/Combinatoria.h"
#include "systems/TestiSistema.h"
#include "systems/ui/GrigliaSistema.h"

namespace ruotario {

namespace {

constexpr int kRigheStampabiliSpoglio = 1000;

QString testo(const std::string& s) { return QString::fromStdString(s); }

QCheckBox* casella(const char* nome, const QString& testo, QWidget* parent) {
  auto* c = new QCheckBox(testo, parent);
  c->setObjectName(QString::fromLatin1(nome));
  return c;
}

}  // namespace

SchedaSpoglio::SchedaSpoglio(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("SchedaSpoglio"));
  costruisci();
  const ArchivioEstrazioni archivio = ArchivioEstrazioni::CaricaArchivio(Stato().ArchivePath);
  const int conta = CaricaDate(*inizio_, *fine_, archivio);
  inizio_->setCurrentIndex(conta > 0 ? 0 : -1);
  fine_->setCurrentIndex(conta - 1);
  ImpostaSistema({});
}

void SchedaSpoglio::costruisci() {
  auto* scelte = new QGroupBox(QStringLiteral("Giocata"), this);
  auto* ruote = new QGridLayout;
  for (int r = 1; r <= kNumeroRuote; ++r) {
    const std::string_view nome = kNomiRuote[static_cast<std::size_t>(r - 1)];
    auto* c = casella(("ChRuota_" + std::to_string(r)).c_str(), testo(std::string(nome)), scelte);
    c->setChecked(r == 1);
    ruote->addWidget(c, (r - 1) / 5, (r - 1) % 5);
    ruote_[static_cast<std::size_t>(r - 1)] = c;
  }
  tutte_ = casella("ChTutte", QStringLiteral("Tutte"), scelte);
  ruote->addWidget(tutte_, 0, 5);
  connect(tutte_, &QCheckBox::toggled, this, [this](bool tutte) {
    for (QCheckBox* c : ruote_) c->setChecked(tutte);
  });

  inizio_ = NuovoElenco("CmbdataInizio", scelte);
  fine_ = NuovoElenco("CmbDataFine", scelte);
  for (QComboBox* c : {inizio_, fine_}) c->setMinimumContentsLength(17);
  colpi_ = NuovoElenco("Cmbcolpi", scelte);
  colpi_->setMinimumContentsLength(3);
  for (int c = 1; c <= 20; ++c) colpi_->addItem(QString::number(c));
  posta_ = new QLineEdit(QStringLiteral("1"), scelte);
  posta_->setObjectName(QStringLiteral("txtPosta"));
  posta_->setMaximumWidth(posta_->fontMetrics().horizontalAdvance(QStringLiteral("0000,00")) + 16);
  esegui_ = pulsante("cmdSpoglio", QStringLiteral("Spoglio"), scelte);
  stampa_ = pulsante("CmdStampaSpoglio", QStringLiteral("STAMPA"), scelte);

  auto* periodo = new QHBoxLayout;
  periodo->addWidget(inizio_);
  periodo->addWidget(new QLabel(QStringLiteral("al"), scelte));
  periodo->addWidget(fine_);
  periodo->addStretch();
  auto* giocata = new QHBoxLayout;
  giocata->addWidget(colpi_);
  giocata->addWidget(new QLabel(QStringLiteral("Posta per colonna e sorte:"), scelte));
  giocata->addWidget(posta_);
  giocata->addStretch();
  giocata->addWidget(esegui_);
  giocata->addWidget(stampa_);
  auto* sorti = new QHBoxLayout;
  for (int t = 1; t <= 5; ++t) {
    const std::string nome(NomeSorte(t));
    sorti_[static_cast<std::size_t>(t)] = casella(("ChSorte_" + std::to_string(t)).c_str(), testo(nome), scelte);
    sorti->addWidget(sorti_[static_cast<std::size_t>(t)]);
  }
  sorti->addStretch();
  auto* moduli = new QFormLayout(scelte);
  moduli->addRow(QStringLiteral("Ruote:"), ruote);
  moduli->addRow(QStringLiteral("Dal:"), periodo);
  moduli->addRow(QStringLiteral("Colpi per giocata:"), giocata);
  moduli->addRow(QStringLiteral("Sorti:"), sorti);

  premi_ = etichetta("lbPremi", {}, this);
  saldo_ = etichetta("lbSaldo", {}, this);
  for (QLabel* l : {premi_, saldo_}) {
    l->setWordWrap(true);
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
  }
  auto* nota = etichetta("lbNotaSpoglio", QString::fromUtf8(kNotaSpoglio), this);
  nota->setWordWrap(true);

  totali_ = new Griglia90(this);
  totali_->setObjectName(QStringLiteral("GrigliaTotali"));
  colonne_ = new Griglia90(this);
  colonne_->setObjectName(QStringLiteral("GrigliaSpoglio"));
  grafico_ = new VistaGrafico(this);
  grafico_->setObjectName(QStringLiteral("GraficoSaldo"));

  // The chart and the table per ticket share the room below the totals.
  auto* risultati = new QTabWidget(this);
  risultati->setObjectName(QStringLiteral("TabRisultatiSpoglio"));
  auto* tabella = new QWidget(risultati);
  auto* colonnaTabella = new QVBoxLayout(tabella);
  colonnaTabella->setContentsMargins(0, 0, 0, 0);
  colonnaTabella->addWidget(colonne_, 1);
  colonnaTabella->addWidget(nota);
  grafico_->setMinimumHeight(160);
  risultati->addTab(grafico_, QStringLiteral("Saldo"));
  risultati->addTab(totali_, QStringLiteral("Totali per sorte"));
  risultati->addTab(tabella, QStringLiteral("Colonne e sorti"));

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(scelte);
  layout->addWidget(premi_);
  layout->addWidget(saldo_);
  layout->addWidget(risultati, 1);

  connect(esegui_, &QPushButton::clicked, this, &SchedaSpoglio::Esegui);
  connect(stampa_, &QPushButton::clicked, this, &SchedaSpoglio::Stampa);
}

void SchedaSpoglio::ImpostaSistema(const Sistema& colonne) {
  sistema_ = colonne;
  std::size_t lunghezza = 0;
  for (const Colonna& c : colonne) lunghezza = std::max(lunghezza, c.size());
  // The default sorti of the spoglio: from ambo to the ticket's size.
  for (int t = 1; t <= 5; ++t) {
    QCheckBox* c = sorti_[static_cast<std::size_t>(t)];
    c->setEnabled(static_cast<std::size_t>(t) <= lunghezza);
    c->setChecked(static_cast<std::size_t>(t) <= lunghezza && (t >= 2 || lunghezza == 1));
  }
  esegui_->setEnabled(!colonne.empty());
  stampa_->setEnabled(false);
  esito_ = {};
  // The headings alone until the system is played.
  for (auto [griglia, tabella] :
       {std::pair{totali_, TabellaTotaliSpoglio(esito_)}, std::pair{colonne_, TabellaColonneSpoglio(esito_)}}) {
    tabella.Righe.clear();
    MostraTabella(*griglia, tabella);
  }
  grafico_->Mostra({});
  premi_->clear();
  saldo_->clear();
}

ParametriSpoglio SchedaSpoglio::Parametri() const {
  ParametriSpoglio p;
  p.Colonne = sistema_;
  p.Ruote.clear();
  for (int r = 1; r <= kNumeroRuote; ++r)
    if (ruote_[static_cast<std::size_t>(r - 1)]->isChecked()) p.Ruote.push_back(r);
  p.Inizio = inizio_->currentIndex() + 1;
  p.Fine = fine_->currentIndex() + 1;
  p.Colpi = colpi_->currentIndex() + 1;
  QString posta = posta_->text().trimmed();
  posta.replace(QLatin1Char(','), QLatin1Char('.'));
  bool ok = false;
  p.Posta = posta.toDouble(&ok);
  if (!ok) p.Posta = 0.0;
  for (int t = 1; t <= 5; ++t)
    if (sorti_[static_cast<std::size_t>(t)]->isChecked()) p.Sorti.push_back(t);
  return p;
}

void SchedaSpoglio::Esegui() {
  const ParametriSpoglio p = Parametri();
  if (p.Sorti.empty()) {
    messaggi().avviso(this, QStringLiteral("Scegli almeno una sorte da giocare."));
    return;
  }
  if (p.Fine < 1) {
    messaggi().avviso(this, QStringLiteral("L'archivio delle estrazioni è vuoto."));
    return;
  }
  const PremiLetti premi = LeggiPremi(PercorsoFileProgramma(Stato(), kNomePremi));
  if (!premi.Premi) {
    messaggi().avviso(this, QStringLiteral("Premi non disponibili: ") + testo(premi.Errore));
    return;
  }
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const ArchivioEstrazioni archivio = ArchivioEstrazioni::CaricaArchivio(Stato().ArchivePath);
  esito_ = Spoglio(p, *premi.Premi, archivio);
  QApplication::restoreOverrideCursor();
  if (!esito_.Errore.empty()) {
    messaggi().avviso(this, QStringLiteral("Spoglio impossibile: ") + testo(esito_.Errore));
    return;
  }
  mostra(archivio);
}

void SchedaSpoglio::mostra(const ArchivioEstrazioni& archivio) {
  const char sep = SeparatoreDecimale();
  premi_->setText(testo(TestoPremi(esito_.Premi, sep)));
  premi_->setToolTip(testo(esito_.Premi.Fonte));
  saldo_->setText(QStringLiteral("Colpi: %1 - giocate: %2 - ").arg(esito_.Colpi).arg(esito_.Giocate.size()) +
                  testo(TestoSaldo(esito_, sep)));
  MostraTabella(*totali_, TabellaTotaliSpoglio(esito_, sep));
  MostraTabella(*colonne_, TabellaColonneSpoglio(esito_, sep));
  Grafico g;
  g.Titolo = "Saldo del sistema";
  g.TitoloAsseX = "Estrazioni";
  g.TitoloAsseY = "Euro";
  SerieGrafico saldo{"Saldo", {}};
  SerieGrafico atteso{"Saldo atteso per puro caso", {}};
  for (const PuntoSpoglio& punto : esito_.Andamento) {
    g.Categorie.emplace_back(archivio[punto.Record].Data().substr(6));  // the year
    saldo.Valori.push_back(punto.Saldo);
    atteso.Valori.push_back(punto.SaldoAtteso);
  }
  g.Linee = {std::move(saldo), std::move(atteso)};
  grafico_->Mostra(g);
  stampa_->setEnabled(true);
}

void SchedaSpoglio::Stampa() {
  const QString titolo =
      QStringLiteral("Spoglio - %1 colonne - Ruote: ").arg(sistema_.size()) + QStringList([this] {
                                                                                QStringList nomi;
                                                                                for (const QCheckBox* c : ruote_)
                                                                                  if (c->isChecked()) nomi << c->text();
                                                                                return nomi;
                                                                              }())
                                                                                  .join(QStringLiteral(", "));
  const QString sottotitolo =
      QStringLiteral("Ricerca DA: ") + inizio_->currentText() + QStringLiteral(" A: ") + fine_->currentText();
  StampaPrimeRighe(colonne_->TestoTabella(), titolo, sottotitolo, kRigheStampabiliSpoglio, this);
}

}  // namespace ruotario
