#pragma once
// "STATISTICA METODO DELLE KOSTANTI": the constants method window. Its four
// tabs gather the choices of the verification statistic, the best-ambata
// search and the pairing search, and show their results.

#include <QWidget>
#include <array>

#include "constants/MiglioreAmbata.h"
#include "constants/ScelteKostanti.h"
#include "constants/StatisticaKostanti.h"
#include "constants/ui/RicercaInSottofondo.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTableWidget;

namespace ruotario {

class Griglia90;

class Frmstatproduttore : public QWidget {
  Q_OBJECT

 public:
  explicit Frmstatproduttore(QWidget* parent = nullptr);
  ~Frmstatproduttore() override;

  // "CALCOLA  STATISTICA". A best-ambata search still running is abandoned
  // first (its box gets back the value it had before the search).
  void CalcolaStatistica();
  // "Cerca MIGLIORE Ambata": starts the search on a worker thread.
  void CercaMiglioreAmbata();
  // "ANNULLA RICERCA": the search stops after the candidate in hand and shows its best.
  void AnnullaRicerca();
  // "Ricerca" of "Ricerca Abbinamenti".
  void RicercaAbbinamenti();
  // "STAMPA RICERCA": the summary and the table of the tab in view.
  void StampaRicerca();

  bool RicercaInCorso() const { return ricerca_.InCorso(); }
  // The last statistic shown (empty before the first run).
  const EsitoStatistica& Esito() const { return esito_; }

  // The column-format texts of the grids.
  static const QString kFormatoVincenti;
  static const QString kFormatoNumeri;

 signals:
  // A best-ambata search has ended (run out or stopped) and its result is shown.
  void ricercaConclusa();

 protected:
  void closeEvent(QCloseEvent* evento) override;
  bool eventFilter(QObject* oggetto, QEvent* evento) override;

 private:
  void costruisci();
  QWidget* costruisciCapigioco();
  QWidget* costruisciAbbinamenti();
  QWidget* costruisciTabella(Griglia90*& griglia, const char* nome, int indice);
  void caricaDate();
  void caricaParametri();
  void preparaGriglie();
  void ambateDaKostante();
  void presceltaAmbate(int opzione);

  // The choices as typed, checked; the message is shown when they are wrong.
  // `variata`: the ambata box a search fills itself (not checked), or -1.
  std::optional<ParametriStatistica> scelte(const ArchivioEstrazioni& archivio, int variata = -1);
  // Steps 2 to 5 of the statistic with an already computed result.
  void preparaStatistica(const ParametriStatistica& p);
  void mostraStatistica(const EsitoStatistica& e);

  void mostraCandidato(int generazione, int candidato);
  void concludiRicerca(int generazione);
  // Stops a running search and waits for it; the window shows what it showed before.
  void interrompiRicerca();
  void mostraControlliRicerca(bool ricerca);
  QLineEdit* boxVariato() const;  // the box the running search varies
  int opzioneAmbata() const;

  // Parametri Ricerca.
  QComboBox* spia_ = nullptr;
  QComboBox* posizione_ = nullptr;
  QComboBox* ruota_ = nullptr;
  QComboBox* colpi_ = nullptr;
  QComboBox* inizio_ = nullptr;
  QComboBox* fine_ = nullptr;
  QComboBox* kostante_ = nullptr;
  std::array<QLineEdit*, 3> ambate_{};  // txtAmbata, Txtambata2, Txtambata3
  std::array<QCheckBox*, 3> attive_{};  // Chabbinamenti(3), (0), (1)
  QGroupBox* frBest_ = nullptr;
  std::array<QRadioButton*, 3> opAmbata_{};
  QCheckBox* scegliVeloce_ = nullptr;
  QPushButton* cerca_ = nullptr;
  QPushButton* avvia_ = nullptr;
  QPushButton* ferma_ = nullptr;
  QPushButton* stampa_ = nullptr;
  QLabel* totale_ = nullptr;
  QLabel* casi_ = nullptr;
  QLabel* puroCaso_ = nullptr;       // the chance baseline of the statistic shown
  QLabel* fuoriCampione_ = nullptr;  // the last search checked out of sample
  QLabel* attendere_ = nullptr;
  QPlainTextEdit* esitoTesto_ = nullptr;  // TxtEsito

  // Ricerca Abbinamenti.
  std::array<QRadioButton*, 3> opRicerca_{};
  QCheckBox* frequenti_ = nullptr;
  QCheckBox* amboCapigioco_ = nullptr;
  std::array<QLineEdit*, 3> capigioco_{};
  std::array<QRadioButton*, 5> numAbb_{};
  std::array<QLineEdit*, 5> abbinamenti_{};
  QPlainTextEdit* esitoAb_ = nullptr;
  QPlainTextEdit* esitoAmbo_ = nullptr;
  QTableWidget* vincenti_ = nullptr;

  QTabWidget* schede_ = nullptr;
  Griglia90* griglia90_ = nullptr;
  Griglia90* frequentiGriglia_ = nullptr;
  std::array<QLabel*, 2> ordina_{};

  int contaRecord_ = 0;
  EsitoStatistica esito_;
  ParametriStatistica parametri_;  // the choices of the statistic shown
  bool statisticaPronta_ = false;

  RicercaInSottofondo ricerca_;
  int generazione_ = 0;        // bumped when a search is abandoned: its late notices are dropped
  QString testoPrimaRicerca_;  // the varied box before the search
  ParametriMiglioreAmbata ricercaParametri_;
};

}  // namespace ruotario
