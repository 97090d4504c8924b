#include "spy/ui/FinestraZevedive.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/Ambiente.h"
#include "app/NumeriLotto.h"
#include "app/ui/CaricaRuote.h"
#include "archive/ArchivioEstrazioni.h"
#include "forecasts/ui/SalvaPrevisione.h"
#include "spy/ParametriRicerca.h"
#include "spy/ui/FinestraSpia.h"
#include "spy/ui/Griglia90.h"
#include "spy/ui/PannelloRisultati.h"
#include "stats/BaseCaso.h"

namespace ruotario {

namespace {

QLabel* etichetta(const QString& nome, QWidget* parent) {
  auto* l = new QLabel(parent);
  l->setObjectName(nome);
  l->setMinimumWidth(l->fontMetrics().horizontalAdvance(QStringLiteral("0000")));
  l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  l->setFrameShape(QFrame::StyledPanel);
  return l;
}

}  // namespace

FinestraZevedive::FinestraZevedive(QWidget* parent) : QWidget(parent) {
  setObjectName(QString::fromLatin1(kNome));
  setWindowTitle(QStringLiteral("SUPER SPY"));
  setAttribute(Qt::WA_DeleteOnClose);
  costruisci();
  contaRecord_ = CaricaDate(*inizio_, *fine_, Stato().ArchivePath);
  risultati_->Griglia()->PreparaGriglia();
  CaricaRuote(*ruota_);
  ruota_->setCurrentIndex(0);
  for (int c = 1; c <= kColpiMassimi; ++c) colpi_->addItem(QString::number(c));
  colpi_->setCurrentIndex(1);
  velocita_->setValue(kVelocitaIniziale);
  soloTop_->setChecked(true);
  top_->setText(QStringLiteral("2"));
  somma_->setChecked(false);
  unico_->setChecked(true);
  applicaVelocita();
  fine_->setCurrentIndex(contaRecord_ - 1);
  somme_ = {};
}

void FinestraZevedive::costruisci() {
  auto* parametri = new QGroupBox(QStringLiteral("Parametri Ricerca"), this);
  auto* moduli = new QFormLayout;
  fine_ = NuovoElenco("CmbDataFine", parametri);
  fine_->setMinimumContentsLength(18);
  moduli->addRow(QStringLiteral("Estrazione SPIA:"), fine_);
  ruota_ = NuovoElenco("cmbRuota", parametri);
  moduli->addRow(QStringLiteral("Ruota1:"), ruota_);
  colpi_ = NuovoElenco("Cmbcolpi", parametri);
  moduli->addRow(QStringLiteral("Colpi:"), colpi_);

  velocita_ = new QSlider(Qt::Horizontal, parametri);
  velocita_->setObjectName(QStringLiteral("Slvelocita"));
  velocita_->setRange(0, 2);
  velocita_->setPageStep(1);
  velocita_->setTickPosition(QSlider::TicksBelow);
  velocita_->setTickInterval(1);
  moduli->addRow(QStringLiteral("VELOCITA':"), velocita_);

  // Set by the program from the slider at every run; shown so the span is visible.
  inizio_ = NuovoElenco("CmbdataInizio", parametri);
  inizio_->setMinimumContentsLength(18);
  inizio_->setEnabled(false);
  moduli->addRow(QStringLiteral("Estrazione Inizio Ricerca:"), inizio_);

  soloTop_ = new QCheckBox(QStringLiteral("Usa i TOP:"), parametri);
  soloTop_->setObjectName(QStringLiteral("Chsolotop"));
  top_ = new QLineEdit(parametri);
  top_->setObjectName(QStringLiteral("txttop"));
  top_->setMaximumWidth(top_->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 16);
  auto* riga = new QHBoxLayout;
  riga->addWidget(soloTop_);
  riga->addWidget(top_);
  riga->addStretch();
  moduli->addRow(riga);

  somma_ = new QCheckBox(QStringLiteral("Somma Conv. + estr."), parametri);
  somma_->setObjectName(QStringLiteral("chsum"));
  moduli->addRow(somma_);

  avvia_ = new QPushButton(QStringLiteral("Inizia Ricerca"), parametri);
  avvia_->setObjectName(QStringLiteral("cmdStart"));
  moduli->addRow(avvia_);

  numero_ = NuovoElenco("CmbNumero", parametri);
  numero_->hide();
  posizione_ = NuovoElenco("cmbPos", parametri);
  posizione_->hide();
  unico_ = new QCheckBox(parametri);
  unico_->setObjectName(QStringLiteral("ChUnico"));
  unico_->hide();

  auto* colonnaParametri = new QVBoxLayout(parametri);
  colonnaParametri->addLayout(moduli);
  colonnaParametri->addStretch();

  auto* esito = new QGroupBox(QStringLiteral("Esito Ricerca"), this);
  schede_ = new QTabWidget(esito);
  schede_->setObjectName(QStringLiteral("SSTab1"));
  schede_->addTab(costruisciRiepilogo(), QStringLiteral("Riepilogo"));
  risultati_ = new PannelloRisultati(QString(), schede_);
  risultati_->PulsanteStampa()->setEnabled(false);  // nothing to print before the first run
  schede_->addTab(risultati_, QStringLiteral("Dettaglio"));
  auto* colonnaEsito = new QVBoxLayout(esito);
  colonnaEsito->addWidget(schede_);
  AggiungiSotto(esito, PulsanteSalvaPrevisione(this, [this] { return PropostaDaTabella(*this, *Griglia(), {}); }));

  auto* layout = new QHBoxLayout(this);
  layout->addWidget(parametri, 0);
  layout->addWidget(esito, 1);

  connect(avvia_, &QPushButton::clicked, this, &FinestraZevedive::IniziaRicerca);
  connect(risultati_, &PannelloRisultati::stampaRichiesta, this, [this] { risultati_->Stampa(Intestazione()); });
}

QWidget* FinestraZevedive::costruisciRiepilogo() {
  auto* pagina = new QWidget;
  auto* somme = new QGroupBox(QStringLiteral("Somma Sortite"), pagina);
  auto* grigliaSomme = new QGridLayout(somme);
  for (int k = 0; k < 5; ++k) {
    numeriSomma_[static_cast<std::size_t>(k)] = etichetta(QStringLiteral("lbnum_%1").arg(k), somme);
    numeriSomma_[static_cast<std::size_t>(k)]->setStyleSheet(QStringLiteral("font-weight: bold"));
    valoriSomma_[static_cast<std::size_t>(k)] = etichetta(QStringLiteral("Lbconv_%1").arg(k), somme);
    grigliaSomme->addWidget(numeriSomma_[static_cast<std::size_t>(k)], 0, k);
    grigliaSomme->addWidget(valoriSomma_[static_cast<std::size_t>(k)], 1, k);
  }
  auto* convergenze = new QGroupBox(QStringLiteral("Convergenze"), pagina);
  auto* grigliaConv = new QGridLayout(convergenze);
  for (int k = 0; k < 3; ++k) {
    numeriConvergenza_[static_cast<std::size_t>(k)] = etichetta(QStringLiteral("lbcg_%1").arg(k), convergenze);
    numeriConvergenza_[static_cast<std::size_t>(k)]->setStyleSheet(QStringLiteral("font-weight: bold"));
    valoriConvergenza_[static_cast<std::size_t>(k)] = etichetta(QStringLiteral("Lbtotcg_%1").arg(k), convergenze);
    grigliaConv->addWidget(numeriConvergenza_[static_cast<std::size_t>(k)], 0, k);
    grigliaConv->addWidget(valoriConvergenza_[static_cast<std::size_t>(k)], 1, k);
  }
  puroCaso_ = new QLabel(pagina);
  puroCaso_->setObjectName(QStringLiteral("lbPuroCaso"));
  puroCaso_->setWordWrap(true);
  puroCaso_->setToolTip(QString::fromUtf8(kSpiegazioneBaseCasoZevedive.data(),
                                          static_cast<qsizetype>(kSpiegazioneBaseCasoZevedive.size())));
  auto* colonna = new QVBoxLayout(pagina);
  colonna->addWidget(somme);
  colonna->addWidget(convergenze);
  colonna->addWidget(puroCaso_);
  colonna->addStretch();
  return pagina;
}

Griglia90* FinestraZevedive::Griglia() const { return risultati_->Griglia(); }

void FinestraZevedive::applicaVelocita() {
  if (contaRecord_ > 0) inizio_->setCurrentIndex(InizioDaVelocita(velocita_->value(), contaRecord_) - 1);
}

void FinestraZevedive::IniziaRicerca() {
  risultati_->PulsanteStampa()->setEnabled(true);
  applicaVelocita();
  ParametriZevedive p;
  p.Ruota = ruota_->currentIndex() + 1;
  p.EstrazioneSpia = fine_->currentIndex() + 1;
  p.Velocita = velocita_->value();
  p.Colpi = ValoreTesto(colpi_->currentText().toStdString());
  p.SoloTop = soloTop_->isChecked();
  p.Top = TopDaTesto(top_->text().toStdString());
  p.Somma = somma_->isChecked();

  QApplication::setOverrideCursor(Qt::WaitCursor);
  const ArchivioEstrazioni archivio = ArchivioEstrazioni::CaricaArchivio(Stato().ArchivePath);
  esito_ = Zevedive(p, archivio, somme_);
  QApplication::restoreOverrideCursor();

  // The span actually studied (the start moves back when it is not before the spy draw).
  if (esito_.Inizio > 0) inizio_->setCurrentIndex(esito_.Inizio - 1);
  RigheTabella righe;
  righe.reserve(kNumeriLotto);
  for (const RigaGriglia& r : RigheZevedive(somme_)) righe.emplace_back(r.begin(), r.end());
  Griglia()->ImpostaRighe(std::move(righe));
  mostraRiepilogo();
}

void FinestraZevedive::mostraRiepilogo() {
  for (std::size_t k = 0; k < numeriSomma_.size(); ++k) {
    const VoceSomma& v = esito_.MiglioriSomme[k];
    numeriSomma_[k]->setText(v.Numero > 0 ? QString::fromStdString(DueCifre(int{v.Numero})) : QString());
    valoriSomma_[k]->setText(v.SommaSortite ? QString::number(*v.SommaSortite) : QString());
  }
  for (std::size_t k = 0; k < numeriConvergenza_.size(); ++k) {
    const VoceConvergenza& v = esito_.MiglioriConvergenze[k];
    numeriConvergenza_[k]->setText(v.Numero > 0 ? QString::fromStdString(DueCifre(int{v.Numero})) : QString());
    valoriConvergenza_[k]->setText(v.Numero > 0 ? QString::number(v.Convergenze) : QString());
  }
  const BaseCasoZevedive caso = BaseCasoStudiZevedive(esito_);
  puroCaso_->setText(caso.Studi > 0
                         ? QString::fromStdString(TestoBaseCasoZevedive(caso, Griglia90::SeparatoreDecimale()))
                         : QString());
}

IntestazioneStampa FinestraZevedive::Intestazione() const {
  TestiScelte t;
  t.Titolo = windowTitle().toStdString();
  t.Numero = numero_->currentText().toStdString();
  t.Colpi = colpi_->currentText().toStdString();
  t.Ruota = ruota_->currentText().toStdString();
  t.Posizione = posizione_->currentText().toStdString();
  t.Inizio = inizio_->currentText().toStdString();
  t.Fine = fine_->currentText().toStdString();
  return ComponiIntestazione(t);
}

}  // namespace ruotario
