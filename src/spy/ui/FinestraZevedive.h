#pragma once
// ZevedIVE ("SUPER SPY"): fifteen spy studies of a chosen draw's numbers and
// pair sums on one wheel, their best successors summed per number, with the
// five best sums and the three best convergences. The totals live in the
// window, not only in the grid, so a run can add onto them whatever the grid
// shows (sorted or cut to the ten best).

#include <QWidget>
#include <array>

#include "spy/IntestazioniStampa.h"
#include "spy/Zevedive.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class QTabWidget;

namespace ruotario {

class Griglia90;
class PannelloRisultati;

class FinestraZevedive : public QWidget {
  Q_OBJECT

 public:
  static constexpr const char* kNome = "FrmZEVEDIVE";
  // Where the slider stands when the window opens: the span from record 2723.
  static constexpr int kVelocitaIniziale = 1;

  explicit FinestraZevedive(QWidget* parent = nullptr);

  Griglia90* Griglia() const;
  // "Inizia Ricerca".
  void IniziaRicerca();
  IntestazioneStampa Intestazione() const;
  const SommeZevedive& Somme() const { return somme_; }
  const EsitoZevedive& Esito() const { return esito_; }

 private:
  void costruisci();
  QWidget* costruisciRiepilogo();
  void applicaVelocita();
  void mostraRiepilogo();

  QComboBox* fine_ = nullptr;
  QComboBox* inizio_ = nullptr;
  QComboBox* ruota_ = nullptr;
  QComboBox* colpi_ = nullptr;
  QSlider* velocita_ = nullptr;
  QCheckBox* soloTop_ = nullptr;
  QLineEdit* top_ = nullptr;
  QCheckBox* somma_ = nullptr;
  QPushButton* avvia_ = nullptr;
  // Kept from the single-spy layout: they only feed the printed headings.
  QComboBox* numero_ = nullptr;
  QComboBox* posizione_ = nullptr;
  QCheckBox* unico_ = nullptr;
  QTabWidget* schede_ = nullptr;
  std::array<QLabel*, 5> numeriSomma_{};
  std::array<QLabel*, 5> valoriSomma_{};
  std::array<QLabel*, 3> numeriConvergenza_{};
  std::array<QLabel*, 3> valoriConvergenza_{};
  QLabel* puroCaso_ = nullptr;  // the chance baseline of the last run
  PannelloRisultati* risultati_ = nullptr;
  int contaRecord_ = 0;
  SommeZevedive somme_;
  EsitoZevedive esito_;
};

}  // namespace ruotario
