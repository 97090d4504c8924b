#include "spy/ui/FinestraSpia.h"

#include <functional>

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/Ambiente.h"
#include "app/NumeriLotto.h"
#include "app/ui/CaricaRuote.h"
#include "app/ui/Controlli.h"
#include "archive/ArchivioEstrazioni.h"
#include "forecasts/ui/SalvaPrevisione.h"
#include "spy/RicercaSpia.h"
#include "spy/ui/Griglia90.h"
#include "spy/ui/PannelloRisultati.h"
#include "stats/BaseCaso.h"

namespace ruotario {

namespace {

QString testo(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

void riempi(QComboBox& lista, const std::vector<std::string>& voci) {
  QStringList testi;
  for (const std::string& v : voci) testi << QString::fromStdString(v);
  lista.addItems(testi);
}

constexpr std::array<const char*, 3> kNomiCombinazione = {"AND", "OR", "XOR"};

}  // namespace

QComboBox* NuovoElenco(const char* nome, QWidget* parent) {
  auto* lista = new QComboBox(parent);
  lista->setObjectName(QString::fromLatin1(nome));
  // Sizing to the contents would measure every date of a long archive.
  lista->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  lista->setMaxVisibleItems(20);
  return lista;
}

int CaricaDate(QComboBox& inizio, QComboBox& fine, const std::string& percorso) {
  return CaricaDate(inizio, fine, ArchivioEstrazioni::CaricaArchivio(percorso));
}

int CaricaDate(QComboBox& inizio, QComboBox& fine, const ArchivioEstrazioni& archivio) {
  QStringList etichette;
  etichette.reserve(archivio.Conta());
  for (int i = 1; i <= archivio.Conta(); ++i) etichette << QString::fromStdString(archivio.EtichettaData(i));
  inizio.clear();
  fine.clear();
  inizio.addItems(etichette);
  fine.addItems(etichette);
  return archivio.Conta();
}

FinestraSpia::FinestraSpia(const VarianteSpia& variante, QWidget* parent) : QWidget(parent), variante_(variante) {
  setObjectName(testo(variante_.NomeFinestra));
  setWindowTitle(testo(variante_.Titolo));
  setAttribute(Qt::WA_DeleteOnClose);
  costruisci();
  caricaDate();
  risultati_->Griglia()->PreparaGriglia();
  impostaPredefiniti();
}

void FinestraSpia::costruisci() {
  auto* parametri = new QGroupBox(QStringLiteral("Parametri Ricerca"), this);
  auto* moduli = new QFormLayout;

  ruota_ = NuovoElenco("cmbRuota", parametri);
  CaricaRuote(*ruota_);
  moduli->addRow(QStringLiteral("Ruota:"), ruota_);

  const QStringList vociSpia = [&] {
    QStringList l;
    for (const std::string& v : VociSpia(variante_)) l << QString::fromStdString(v);
    return l;
  }();
  auto* spie = new QHBoxLayout;
  for (int i = 0; i < variante_.ElenchiSpia; ++i) {
    const QByteArray nome =
        variante_.ElenchiSpia == 1 ? QByteArray("CmbNumero") : QByteArray("CmbNumero_") + QByteArray::number(i);
    numeri_[static_cast<std::size_t>(i)] = NuovoElenco(nome.constData(), parametri);
    numeri_[static_cast<std::size_t>(i)]->addItems(vociSpia);
    spie->addWidget(numeri_[static_cast<std::size_t>(i)]);
  }
  moduli->addRow(testo(variante_.EtichettaSpia), spie);

  if (variante_.Posizioni != ElencoPosizioni::Nessuno) {
    posizione_ = NuovoElenco("cmbPos", parametri);
    riempi(*posizione_, VociPosizione(variante_.Posizioni));
    moduli->addRow(QStringLiteral("Posizione:"), posizione_);
  }

  colpi_ = NuovoElenco("Cmbcolpi", parametri);
  for (int c = 1; c <= kColpiMassimi; ++c) colpi_->addItem(QString::number(c));
  moduli->addRow(QStringLiteral("Colpi:"), colpi_);

  inizio_ = NuovoElenco("CmbdataInizio", parametri);
  inizio_->setMinimumContentsLength(18);
  fine_ = NuovoElenco("CmbDataFine", parametri);
  fine_->setMinimumContentsLength(18);
  moduli->addRow(QStringLiteral("Estrazione Inizio Ricerca:"), inizio_);
  moduli->addRow(QStringLiteral("Estrazione Fine Ricerca:"), fine_);

  unico_ = new QCheckBox(QStringLiteral("Conta Sortite Uniche"), parametri);
  unico_->setObjectName(QStringLiteral("ChUnico"));
  moduli->addRow(unico_);

  if (variante_.ConCombinazione) {
    auto* opzioni = new QHBoxLayout;
    auto* gruppo = new QButtonGroup(parametri);
    for (std::size_t i = 0; i < combinazione_.size(); ++i) {
      combinazione_[i] = new QRadioButton(QString::fromLatin1(kNomiCombinazione[i]), parametri);
      combinazione_[i]->setObjectName(QStringLiteral("OpAndOR_%1").arg(i));
      gruppo->addButton(combinazione_[i], static_cast<int>(i));
      opzioni->addWidget(combinazione_[i]);
    }
    opzioni->addStretch();
    moduli->addRow(opzioni);
  }

  avvia_ = new QPushButton(QStringLiteral("Inizia Ricerca"), parametri);
  avvia_->setObjectName(QStringLiteral("cmdStart"));
  moduli->addRow(avvia_);

  totale_ = new QLabel(parametri);
  totale_->setObjectName(QStringLiteral("Lbtotestrazioni"));
  casi_ = new QLabel(parametri);
  casi_->setObjectName(QStringLiteral("lbCasiGiocabili"));
  moduli->addRow(QStringLiteral("Totale Estrazioni:"), totale_);
  moduli->addRow(QStringLiteral("Casi Giocabili:"), casi_);
  // Beside the table, never in it: what the figures would be by chance alone.
  puroCaso_ = new QLabel(parametri);
  puroCaso_->setObjectName(QStringLiteral("lbPuroCaso"));
  puroCaso_->setWordWrap(true);
  puroCaso_->setToolTip(
      QString::fromUtf8(kSpiegazioneBaseCasoSpia.data(), static_cast<qsizetype>(kSpiegazioneBaseCasoSpia.size())));
  moduli->addRow(puroCaso_);

  auto* colonnaParametri = new QVBoxLayout(parametri);
  colonnaParametri->addLayout(moduli);
  colonnaParametri->addStretch();

  risultati_ = new PannelloRisultati(QStringLiteral("Dettaglio Numeri Successori"), this);
  risultati_->PulsanteStampa()->setEnabled(false);

  auto* layout = new QHBoxLayout(this);
  layout->addWidget(parametri, 0);
  layout->addWidget(risultati_, 1);

  connect(avvia_, &QPushButton::clicked, this, &FinestraSpia::IniziaRicerca);
  connect(risultati_, &PannelloRisultati::stampaRichiesta, this, &FinestraSpia::stampa);
  AggiungiSotto(risultati_,
                PulsanteSalvaPrevisione(this, [this] { return PropostaDaTabella(*this, *Griglia(), Intestazione()); }));
}

void FinestraSpia::caricaDate() { contaRecord_ = CaricaDate(*inizio_, *fine_, Stato().ArchivePath); }

void FinestraSpia::impostaPredefiniti() {
  ruota_->setCurrentIndex(0);
  for (int i = 0; i < variante_.ElenchiSpia; ++i)
    numeri_[static_cast<std::size_t>(i)]->setCurrentIndex(variante_.Predefiniti[static_cast<std::size_t>(i)] -
                                                          variante_.SpiaMinima);
  if (posizione_) posizione_->setCurrentIndex(0);
  colpi_->setCurrentIndex(8);
  unico_->setChecked(true);
  if (variante_.ConCombinazione)
    combinazione_[static_cast<std::size_t>(variante_.CombinazionePredefinita)]->setChecked(true);
  // The dates last, once both lists are full.
  inizio_->setCurrentIndex(contaRecord_ > 0 ? InizioPredefinito(contaRecord_) - 1 : -1);
  fine_->setCurrentIndex(contaRecord_ - 1);
}

Griglia90* FinestraSpia::Griglia() const { return risultati_->Griglia(); }

ParametriRicerca FinestraSpia::Parametri() const {
  ParametriRicerca p;
  p.Tipo = variante_.Tipo;
  p.Ruota = ruota_->currentIndex() + 1;
  for (int i = 0; i < variante_.ElenchiSpia; ++i)
    p.NumeriSpia[static_cast<std::size_t>(i)] =
        ValoreTesto(numeri_[static_cast<std::size_t>(i)]->currentText().left(2).toStdString());
  if (variante_.ConCombinazione) {
    for (std::size_t i = 0; i < combinazione_.size(); ++i)
      if (combinazione_[i]->isChecked()) p.Combina = static_cast<Combinazione>(i);
  }
  const int lista = posizione_ ? posizione_->currentIndex() : 0;
  p.Posizione = (lista >= 1 && lista <= 5) ? lista : 0;
  p.Coppia = CoppiaDaElenco(lista);
  p.Colpi = ValoreTesto(colpi_->currentText().toStdString());
  p.Inizio = inizio_->currentIndex() + 1;
  p.Fine = fine_->currentIndex() + 1;
  p.SortiteUniche = unico_->isChecked();
  return p;
}

void FinestraSpia::IniziaRicerca() {
  risultati_->PulsanteStampa()->setEnabled(true);
  casi_->clear();
  totale_->clear();
  puroCaso_->clear();
  Griglia90* griglia = risultati_->Griglia();
  griglia->PreparaGriglia();
  griglia->repaint();

  ConteggioInCorso conteggio(totale_);
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const ParametriRicerca parametri = Parametri();
  esito_ = RicercaSpia(parametri, Stato().ArchivePath, std::ref(conteggio));
  QApplication::restoreOverrideCursor();

  if (esito_.TotaleEstrazioni > 0) totale_->setText(QString::number(esito_.TotaleEstrazioni));
  casi_->setText(QString::number(esito_.CasiGiocabili));
  const BaseCasoSpia caso = BaseCasoRicerca(esito_, parametri.SortiteUniche);
  puroCaso_->setText(QString::fromStdString(TestoBaseCasoSpia(caso, Griglia90::SeparatoreDecimale())));
  RigheTabella righe;
  righe.reserve(kNumeriLotto);
  for (const RigaGriglia& r : RigheEsito(esito_, Griglia90::SeparatoreDecimale()))
    righe.emplace_back(r.begin(), r.end());
  griglia->ImpostaRighe(std::move(righe));
}

void FinestraSpia::AUTO(int& ruota, int& /*ignorato1*/, int& numero, int& /*ignorato2*/, int& posizione, int& inizio,
                        int& fine, int& colpi) {
  ruota_->setCurrentIndex(ruota);
  // By value: the lists of final digits and decades start at 0, not at 1.
  numeri_[0]->setCurrentIndex(numeri_[0]->findText(QString::number(numero)));
  if (posizione_) posizione_->setCurrentIndex(posizione);
  inizio_->setCurrentIndex(inizio);
  fine_->setCurrentIndex(fine);
  colpi_->setCurrentIndex(colpi);
  IniziaRicerca();
}

IntestazioneStampa FinestraSpia::Intestazione() const {
  // The several-number windows print their table without headings.
  if (variante_.ElenchiSpia > 1) return {};
  TestiScelte t;
  t.Titolo = windowTitle().toStdString();
  t.Numero = numeri_[0]->currentText().toStdString();
  t.Colpi = colpi_->currentText().toStdString();
  t.Ruota = ruota_->currentText().toStdString();
  t.Posizione = posizione_ ? posizione_->currentText().toStdString() : std::string();
  t.Inizio = inizio_->currentText().toStdString();
  t.Fine = fine_->currentText().toStdString();
  return ComponiIntestazione(t);
}

void FinestraSpia::stampa() { risultati_->Stampa(Intestazione()); }

}  // namespace ruotario
