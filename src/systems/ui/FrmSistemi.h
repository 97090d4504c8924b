#pragma once
// "Sistemi": the numbers picked on a 90-number board or typed, developed in
// full or reduced with a guarantee proved on every case; the tickets in a
// table that prints and copies like the other tables, the guarantee, the lower
// bound and the best size known under it; a second tab plays the system on the
// archive (spoglio). A system can also be loaded from a file, one ticket a line.

#include <QWidget>
#include <optional>

#include "systems/SistemaRidotto.h"
#include "systems/ui/RiduzioneInSottofondo.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTabWidget;

namespace ruotario {

class Griglia90;
class SchedaSpoglio;
class TabelloneNumeri;

class FrmSistemi : public QWidget {
  Q_OBJECT

 public:
  explicit FrmSistemi(QWidget* parent = nullptr);
  ~FrmSistemi() override;

  // The choices as the controls show them now.
  ParametriRiduzione Parametri() const;
  bool Integrale() const;
  // "Sviluppa": the integral development at once, or the reduced system's
  // search started on its worker thread.
  void Sviluppa();
  // Asks the running search to stop: the best system found so far is shown.
  void Ferma();
  // Waits for a running search and shows its result (for tests and closing).
  void AttendiRicerca();
  // Reads a system from a file and shows it with its guarantees.
  void Carica();
  void Stampa();

  // Room for the board, the tickets and the chart, yet inside a 1024 x 768 screen.
  QSize sizeHint() const override { return {1000, 640}; }

  const Sistema& Colonne() const { return colonne_; }
  Griglia90* GrigliaColonne() const { return griglia_; }
  SchedaSpoglio* Spoglio() const { return spoglio_; }

 signals:
  void ricercaConclusa();

 private:
  void costruisci();
  void aggiornaScelte();
  void mostraColonne(const Sistema& colonne);
  void mostraRiduzione(const EsitoRiduzione& e, const ParametriRiduzione& p);
  void inCorso(bool si);

  TabelloneNumeri* tabellone_ = nullptr;
  QLineEdit* numeri_ = nullptr;
  QLabel* scelti_ = nullptr;
  QComboBox* tipo_ = nullptr;
  QComboBox* perColonna_ = nullptr;
  QComboBox* garanzia_ = nullptr;
  QComboBox* se_ = nullptr;
  QSpinBox* seme_ = nullptr;
  QPushButton* sviluppa_ = nullptr;
  QPushButton* ferma_ = nullptr;
  QPushButton* carica_ = nullptr;
  QPushButton* stampa_ = nullptr;
  QLabel* avanzamento_ = nullptr;
  QTabWidget* schede_ = nullptr;
  Griglia90* griglia_ = nullptr;
  QLabel* riepilogo_ = nullptr;
  QLabel* verifica_ = nullptr;
  QLabel* limiti_ = nullptr;
  SchedaSpoglio* spoglio_ = nullptr;
  Sistema colonne_;
  QString titoloStampa_;
  ParametriRiduzione inRicerca_;  // the choices the running search was started with
  RiduzioneInSottofondo ricerca_;
};

// Caption of the window and of its menu entry.
inline constexpr const char* kTitoloSistemi = "Sistemi";
// Tickets the window shows at most; larger integral systems are for ruotario-cli.
inline constexpr std::uint64_t kMassimoColonneFinestra = 20'000;

}  // namespace ruotario
