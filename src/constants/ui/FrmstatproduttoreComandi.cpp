// The commands of the constants method window: the statistic, the best-ambata
// search, the pairing search and the printing.

#include <functional>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>

#include "app/Ambiente.h"
#include "app/ui/Controlli.h"
#include "app/ui/Servizi.h"
#include "constants/RicercaAbbinamenti.h"
#include "constants/StampaKostanti.h"
#include "constants/ui/Frmstatproduttore.h"
#include "print/ui/StampaGriglia.h"
#include "spy/ui/Griglia90.h"
#include "stats/BaseCaso.h"

namespace ruotario {

namespace {

QString testo(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

RigheTabella righeTabella(const TabellaNumeri& t, const std::array<int, 91>& ordine, char separatore) {
  RigheTabella righe;
  righe.reserve(90);
  for (int i = 1; i <= 90; ++i) {
    const auto celle = CelleRiga(t, ordine[static_cast<std::size_t>(i)], separatore);
    righe.emplace_back(celle.begin(), celle.end());
  }
  return righe;
}

std::array<int, 91> ordineNumeri() {
  std::array<int, 91> o{};
  for (int n = 0; n <= 90; ++n) o[static_cast<std::size_t>(n)] = n;
  return o;
}

// Printed rows at most: the table printing fills two pages.
constexpr int kRigheStampabili = 90;

}  // namespace

std::optional<ParametriStatistica> Frmstatproduttore::scelte(const ArchivioEstrazioni& archivio, int variata) {
  TestiKostanti t;
  t.Variata = variata;
  t.Ruota = ruota_->currentText().toStdString();
  t.Spia = spia_->currentText().toStdString();
  t.Posizione = posizione_->currentText().toStdString();
  t.Colpi = colpi_->currentText().toStdString();
  t.Inizio = inizio_->currentText().toStdString();
  t.Fine = fine_->currentText().toStdString();
  for (std::size_t j = 0; j < 3; ++j) {
    t.Ambate[j] = ambate_[j]->text().toStdString();
    t.Attive[j] = attive_[j]->isChecked();
  }
  t.ContaRecord = archivio.Conta();
  t.Separatore = Griglia90::SeparatoreDecimale();
  const ScelteKostanti s = LeggiScelteKostanti(t);
  if (!s.Errore.empty()) {
    messaggi().avviso(this, QString::fromStdString(s.Errore));
    return std::nullopt;
  }
  return s.Parametri;
}

void Frmstatproduttore::preparaStatistica(const ParametriStatistica& p) {
  parametri_ = p;
  for (QLineEdit* c : capigioco_) c->clear();
  for (QLineEdit* c : abbinamenti_) c->clear();
  // The head numbers as typed, not in their two-digit form.
  for (std::size_t j = 0; j < 3; ++j)
    if (p.Attiva[j]) capigioco_[j]->setText(ambate_[j]->text());
  preparaGriglie();
  casi_->clear();
  totale_->clear();
  puroCaso_->clear();
  fuoriCampione_->clear();
  esitoTesto_->clear();
  esitoAb_->clear();
  esitoAmbo_->clear();
}

void Frmstatproduttore::mostraStatistica(const EsitoStatistica& e) {
  esito_ = e;
  statisticaPronta_ = true;
  totale_->setText(QString::number(e.TotaleEstrazioni));
  casi_->setText(QString::number(e.CasiGiocabili));
  puroCaso_->setText(QString::fromStdString(
      TestoBaseCasoKostanti(BaseCasoStatistica(parametri_, e), e.PercentualeVincita, Griglia90::SeparatoreDecimale())));
  esitoAb_->setPlainText(QString::fromStdString(TestoRiepilogoVincite(e)));
  esitoTesto_->setPlainText(QString::fromStdString(TestoDettaglioRicerca(e)));

  vincenti_->setUpdatesEnabled(false);
  vincenti_->setRowCount(static_cast<int>(e.Vincenti.size()));
  for (int r = 0; r < static_cast<int>(e.Vincenti.size()); ++r) {
    const Vincente& v = e.Vincenti[static_cast<std::size_t>(r)];
    const std::array<QString, 3> celle = {QString::number(v.Nr), QString::fromStdString(v.Data),
                                          QString::fromStdString(v.Blocco)};
    for (int c = 0; c < 3; ++c) {
      auto* voce = new QTableWidgetItem(celle[static_cast<std::size_t>(c)]);
      voce->setTextAlignment(Qt::AlignCenter);
      vincenti_->setItem(r, c, voce);
    }
  }
  vincenti_->setUpdatesEnabled(true);

  const char sep = Griglia90::SeparatoreDecimale();
  griglia90_->ImpostaRighe(righeTabella(e.Abbinamenti, ordineNumeri(), sep));
  frequentiGriglia_->ImpostaRighe(righeTabella(e.Frequenti, ordineNumeri(), sep));
  stampa_->setEnabled(true);
}

void Frmstatproduttore::CalcolaStatistica() {
  interrompiRicerca();
  const ArchivioEstrazioni archivio = ArchivioEstrazioni::CaricaArchivio(Stato().ArchivePath);
  const auto p = scelte(archivio);
  if (!p) return;
  preparaStatistica(*p);

  ConteggioInCorso conteggio(totale_);
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const EsitoStatistica e = CalcolaStatisticaCompleta(*p, archivio, std::ref(conteggio));
  QApplication::restoreOverrideCursor();
  mostraStatistica(e);
}

int Frmstatproduttore::opzioneAmbata() const {
  for (std::size_t i = 0; i < opAmbata_.size(); ++i)
    if (opAmbata_[i]->isChecked()) return static_cast<int>(i);
  return 1;
}

QLineEdit* Frmstatproduttore::boxVariato() const { return ambate_[static_cast<std::size_t>(ricercaParametri_.Varia)]; }

void Frmstatproduttore::mostraControlliRicerca(bool ricerca) {
  for (QWidget* w : std::initializer_list<QWidget*>{totale_, cerca_, avvia_, frBest_, esitoTesto_})
    w->setVisible(!ricerca);
  attendere_->setVisible(ricerca);
  if (ricerca) ferma_->setFocus();
}

void Frmstatproduttore::CercaMiglioreAmbata() {
  if (ricerca_.InCorso()) return;
  // Read once here; the worker runs every candidate over these draws.
  ArchivioEstrazioni archivio = ArchivioEstrazioni::CaricaArchivio(Stato().ArchivePath);
  const auto p = scelte(archivio, opzioneAmbata());
  if (!p) return;
  ricercaParametri_.Statistica = *p;
  ricercaParametri_.Varia = static_cast<AmbataVariata>(opzioneAmbata());
  ricercaParametri_.ScegliVeloce = scegliVeloce_->isChecked();
  testoPrimaRicerca_ = boxVariato()->text();
  esitoTesto_->clear();
  mostraControlliRicerca(true);

  // The worker only posts notices; each runs here on the interface thread, and
  // is dropped with the window or once the search has been abandoned.
  const int generazione = ++generazione_;
  ricerca_.Avvia(
      ricercaParametri_, std::move(archivio),
      [this, generazione](int c) {
        QMetaObject::invokeMethod(
            this, [this, generazione, c] { mostraCandidato(generazione, c); }, Qt::QueuedConnection);
      },
      [this, generazione] {
        QMetaObject::invokeMethod(
            this, [this, generazione] { concludiRicerca(generazione); }, Qt::QueuedConnection);
      });
}

void Frmstatproduttore::mostraCandidato(int generazione, int candidato) {
  if (generazione != generazione_ || !ricerca_.InCorso()) return;
  if (CandidatoDaProvare(ricercaParametri_.Statistica, ricercaParametri_.Varia, candidato))
    boxVariato()->setText(QString::number(candidato));
}

void Frmstatproduttore::concludiRicerca(int generazione) {
  if (generazione != generazione_) return;
  const auto r = ricerca_.Attendi();
  if (!r) return;
  mostraControlliRicerca(false);
  boxVariato()->setText(QString::number(r->Ricerca.Migliore));
  preparaStatistica(r->Ricerca.Parametri);
  mostraStatistica(r->Ricerca.Esito);
  // The winner is the best of the candidates run: chance is judged the same way.
  puroCaso_->setText(QString::fromStdString(
      TestoBaseCasoMiglioreAmbata(r->Caso, r->Ricerca.Esito.PercentualeVincita, Griglia90::SeparatoreDecimale())));
  if (r->FuoriCampione)
    fuoriCampione_->setText(QString::fromStdString(
        TestoRigaFuoriCampione(*r->FuoriCampione, kQuotaCampione, Griglia90::SeparatoreDecimale())));
  emit ricercaConclusa();
}

void Frmstatproduttore::AnnullaRicerca() {
  if (ricerca_.InCorso()) ricerca_.Ferma();
}

void Frmstatproduttore::interrompiRicerca() {
  if (!ricerca_.InCorso()) return;
  ++generazione_;
  ricerca_.Ferma();
  ricerca_.Attendi();
  boxVariato()->setText(testoPrimaRicerca_);
  mostraControlliRicerca(false);
}

void Frmstatproduttore::RicercaAbbinamenti() {
  ParametriAbbinamenti p;
  if (opRicerca_[1]->isChecked()) p.Modo = ModoAbbinamenti::Manuale;
  if (opRicerca_[2]->isChecked()) p.Modo = ModoAbbinamenti::Probabili;
  p.UsaFrequenti = frequenti_->isChecked();
  p.AmboCapigioco = amboCapigioco_->isChecked();
  for (std::size_t i = 0; i < numAbb_.size(); ++i)
    if (numAbb_[i]->isChecked()) p.Quanti = static_cast<int>(i) + 1;
  for (std::size_t j = 0; j < 3; ++j) {
    p.Attive[j] = attive_[j]->isChecked();
    p.Capigioco[j] = capigioco_[j]->text().toStdString();
  }
  for (std::size_t i = 0; i < 5; ++i) p.Abbinamenti[i] = abbinamenti_[i]->text().toStdString();
  p.Separatore = Griglia90::SeparatoreDecimale();

  const EsitoAbbinamenti r = ruotario::RicercaAbbinamenti(p, esito_);
  if (r.Errore == ErroreAbbinamenti::NessunaAmbataAttiva) {
    messaggi().avviso(this, testo(kMsgNessunaAmbataCapigioco));
    return;
  }
  if (r.Errore == ErroreAbbinamenti::NessunaVincita) {
    messaggi().avviso(this, testo(kMsgNessunaVincita));
    return;
  }
  for (std::size_t i = 0; i < 5; ++i) abbinamenti_[i]->setText(QString::fromStdString(r.Abbinamenti[i]));
  esitoAmbo_->setPlainText(QString::fromStdString(r.Testo));
  // The winning-draw table stays ranked as the search ranked it.
  griglia90_->ImpostaRighe(righeTabella(esito_.Abbinamenti, r.Classifica, Griglia90::SeparatoreDecimale()));
  if (p.UsaFrequenti) frequentiGriglia_->Ordina(0, Verso::Crescente);
}

void Frmstatproduttore::StampaRicerca() {
  if (!statisticaPronta_) return;
  const IntestazioneStampa intestazione = IntestazioneKostanti(parametri_, esito_);
  GrigliaTesto tabella;
  switch (schede_->currentIndex()) {
    case 2: tabella = griglia90_->TestoTabella(); break;
    case 3: tabella = frequentiGriglia_->TestoTabella(); break;
    default: tabella = GrigliaDaTabella(*vincenti_); break;
  }
  // Two pages hold 90 rows: a longer list of wins says what it leaves out.
  StampaPrimeRighe(tabella, QString::fromStdString(intestazione.Titolo),
                   QString::fromStdString(intestazione.Sottotitolo), kRigheStampabili, this);
}

}  // namespace ruotario
