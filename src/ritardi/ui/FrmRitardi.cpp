#include "ritardi/ui/FrmRitardi.h"

#include <QApplication>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/Ambiente.h"
#include "app/NumeriLotto.h"
#include "app/ui/CaricaRuote.h"
#include "app/ui/Controlli.h"
#include "app/ui/Servizi.h"
#include "archive/ArchivioEstrazioni.h"
#include "print/ui/StampaGriglia.h"
#include "spy/ui/FinestraSpia.h"
#include "spy/ui/Griglia90.h"

namespace ruotario {

namespace {

// Pair list lengths offered; the last entry shows them all.
constexpr int kVociAmbi[] = {20, 50, 100, 200, 500};
constexpr int kAmbiPredefiniti = 2;  // list position of 100
constexpr int kRigheStampabiliRitardi = 1000;

Griglia90* griglia(const char* nome, QWidget* parent) {
  auto* g = new Griglia90(parent);
  g->setObjectName(QString::fromLatin1(nome));
  return g;
}

}  // namespace

FrmRitardi::FrmRitardi(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("FrmRitardi"));
  setWindowTitle(QString::fromUtf8(kTitoloRitardi));
  setAttribute(Qt::WA_DeleteOnClose);
  costruisci();
  // One read serves the date lists and the first study.
  const ArchivioEstrazioni archivio = ArchivioEstrazioni::CaricaArchivio(Stato().ArchivePath);
  const int conta = CaricaDate(*inizio_, *fine_, archivio);
  inizio_->setCurrentIndex(conta > 0 ? 0 : -1);
  fine_->setCurrentIndex(conta - 1);
  pronto_ = true;
  calcola(archivio);
}

void FrmRitardi::costruisci() {
  auto* parametri = new QGroupBox(QStringLiteral("Parametri"), this);
  auto* moduli = new QFormLayout;

  ruota_ = NuovoElenco("cmbRuota", parametri);
  CaricaRuote(*ruota_);
  ruota_->addItem(QStringLiteral("Tutte"));
  moduli->addRow(QStringLiteral("Ruota:"), ruota_);

  inizio_ = NuovoElenco("CmbdataInizio", parametri);
  inizio_->setMinimumContentsLength(18);
  fine_ = NuovoElenco("CmbDataFine", parametri);
  fine_->setMinimumContentsLength(18);
  moduli->addRow(QStringLiteral("Estrazione Inizio:"), inizio_);
  moduli->addRow(QStringLiteral("Estrazione Fine:"), fine_);

  quantiAmbi_ = NuovoElenco("cmbAmbi", parametri);
  for (int n : kVociAmbi) quantiAmbi_->addItem(QString::number(n));
  quantiAmbi_->addItem(QStringLiteral("Tutti"));
  quantiAmbi_->setCurrentIndex(kAmbiPredefiniti);
  moduli->addRow(QStringLiteral("Ambi mostrati:"), quantiAmbi_);

  estrazioni_ = new QLabel(parametri);
  estrazioni_->setObjectName(QStringLiteral("lbEstrazioni"));
  estrazioni_->setWordWrap(true);
  moduli->addRow(QStringLiteral("Estrazioni della ruota:"), estrazioni_);

  auto* stampa = pulsante("CmdStampa", QStringLiteral("STAMPA"), parametri);
  auto* nonOrdinare = pulsante("CmdNonOrdinare", QStringLiteral("Non Ordinare"), parametri);
  auto* aiuto = pulsante("Command1", QStringLiteral("?"), parametri);
  auto* comandi = new QHBoxLayout;
  comandi->addWidget(stampa);
  comandi->addWidget(nonOrdinare);
  comandi->addWidget(aiuto);

  auto* colonna = new QVBoxLayout(parametri);
  colonna->addLayout(moduli);
  colonna->addLayout(comandi);
  colonna->addStretch();

  schede_ = new QTabWidget(this);
  schede_->setObjectName(QStringLiteral("TabRitardi"));
  numeri_ = griglia("GrigliaNumeri", schede_);
  ambi_ = griglia("GrigliaAmbi", schede_);
  schede_->addTab(numeri_, QStringLiteral("Numeri"));
  schede_->addTab(ambi_, QStringLiteral("Ambi più ritardatari"));

  auto* layout = new QHBoxLayout(this);
  layout->addWidget(parametri, 0);
  layout->addWidget(schede_, 1);

  for (QComboBox* c : {ruota_, inizio_, fine_}) connect(c, &QComboBox::currentIndexChanged, this, &FrmRitardi::Calcola);
  // The number of pairs shown only cuts the list the last study gave.
  connect(quantiAmbi_, &QComboBox::currentIndexChanged, this, [this] {
    vociAmbi_ = PiuRitardatari(VociAmbi(esito_), ambiMostrati());
    mostra(true);
  });
  connect(stampa, &QPushButton::clicked, this, &FrmRitardi::Stampa);
  connect(nonOrdinare, &QPushButton::clicked, this, &FrmRitardi::NonOrdinare);
  connect(aiuto, &QPushButton::clicked, this, &FrmRitardi::Aiuto);
}

ParametriRitardi FrmRitardi::Parametri() const {
  ParametriRitardi p;
  const int ruota = ruota_->currentIndex() + 1;
  p.Ruota = ruota > kNumeroRuote ? kTutteLeRuote : ruota;
  p.Inizio = inizio_->currentIndex() + 1;
  p.Fine = fine_->currentIndex() + 1;
  return p;
}

int FrmRitardi::ambiMostrati() const {
  const int i = quantiAmbi_->currentIndex();
  return i >= 0 && i < static_cast<int>(std::size(kVociAmbi)) ? kVociAmbi[i] : 0;
}

void FrmRitardi::Calcola() {
  if (pronto_) calcola(ArchivioEstrazioni::CaricaArchivio(Stato().ArchivePath));
}

void FrmRitardi::calcola(const ArchivioEstrazioni& archivio) {
  const ParametriRitardi p = Parametri();
  // No record chosen (empty archive): nothing to study, not the whole file.
  if (p.Fine < 1) {
    esito_ = {};
    vociNumeri_.clear();
    vociAmbi_.clear();
  } else {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    esito_ = CalcolaRitardi(p, archivio);
    vociNumeri_ = VociNumeri(esito_);
    vociAmbi_ = PiuRitardatari(VociAmbi(esito_), ambiMostrati());
    QApplication::restoreOverrideCursor();
  }
  QStringList conti;
  for (const RitardiRuota& r : esito_.Ruote) {
    const std::string_view nome = kNomiRuote[static_cast<std::size_t>(r.Ruota - 1)];
    conti << (p.Ruota == kTutteLeRuote ? QString::fromUtf8(nome.data(), static_cast<qsizetype>(nome.size())) +
                                             QLatin1Char(' ') + QString::number(r.Estrazioni)
                                       : QString::number(r.Estrazioni));
  }
  estrazioni_->setText(conti.join(QStringLiteral(", ")));
  mostra(true);
}

void FrmRitardi::mostra(bool ordinate) {
  const bool tutte = Parametri().Ruota == kTutteLeRuote;
  const char separatore = Griglia90::SeparatoreDecimale();
  numeri_->ImpostaFormato(QString::fromStdString(FormatoRitardi(false, tutte)));
  ambi_->ImpostaFormato(QString::fromStdString(FormatoRitardi(true, tutte)));
  numeri_->ImpostaRighe(RigheRitardi(ordinate ? PiuRitardatari(vociNumeri_, 0) : vociNumeri_, tutte, separatore));
  if (ordinate) {
    ambi_->ImpostaRighe(RigheRitardi(vociAmbi_, tutte, separatore));
  } else {
    // The pairs shown, back in wheel and pair order.
    std::vector<VoceRitardo> inOrdine = vociAmbi_;
    std::stable_sort(inOrdine.begin(), inOrdine.end(), [](const VoceRitardo& x, const VoceRitardo& y) {
      return std::tie(x.Ruota, x.Numero, x.Secondo) < std::tie(y.Ruota, y.Numero, y.Secondo);
    });
    ambi_->ImpostaRighe(RigheRitardi(inOrdine, tutte, separatore));
  }
  numeri_->scrollToTop();
  ambi_->scrollToTop();
}

void FrmRitardi::NonOrdinare() { mostra(false); }

Griglia90* FrmRitardi::grigliaCorrente() const { return schede_->currentIndex() == 1 ? ambi_ : numeri_; }

void FrmRitardi::Stampa() {
  const GrigliaTesto tabella = grigliaCorrente()->TestoTabella();
  const QString titolo = QString::fromUtf8(kTitoloRitardi) + QStringLiteral(" - ") +
                         schede_->tabText(schede_->currentIndex()) + QStringLiteral(" - Ruota: ") +
                         ruota_->currentText();
  const QString sottotitolo =
      QStringLiteral("Ricerca DA: ") + inizio_->currentText() + QStringLiteral(" A: ") + fine_->currentText();
  // All the pairs of all wheels are 40,050 rows: a print stops at twenty-odd pages.
  StampaPrimeRighe(tabella, titolo, sottotitolo, kRigheStampabiliRitardi, this);
}

void FrmRitardi::Aiuto() { messaggi().avviso(this, QString::fromUtf8(kMessaggioAiutoRitardi)); }

}  // namespace ruotario
