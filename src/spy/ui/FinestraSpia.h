#pragma once
// One spy study window. The ten study windows are this class configured by a
// VarianteSpia: the spy list(s), the position list and the AND/OR/XOR choice
// change, the study and its result table are the same.

#include <QWidget>
#include <array>

#include "spy/EsitoRicerca.h"
#include "spy/IntestazioniStampa.h"
#include "spy/ParametriRicerca.h"
#include "spy/VariantiSpia.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace ruotario {

class ArchivioEstrazioni;
class Griglia90;
class PannelloRisultati;

class FinestraSpia : public QWidget {
  Q_OBJECT

 public:
  explicit FinestraSpia(const VarianteSpia& variante, QWidget* parent = nullptr);

  const VarianteSpia& Variante() const { return variante_; }
  Griglia90* Griglia() const;

  // Runs a study without the user (ZevedIVE's engine): selects the wheel list
  // position, the spy item showing `numero` (none when the list lacks it),
  // the position list position, the start and end list positions and the
  // colpi list position, then does what "Inizia Ricerca" does. The two
  // ignored values are kept for callers.
  void AUTO(int& ruota, int& ignorato1, int& numero, int& ignorato2, int& posizione, int& inizio, int& fine,
            int& colpi);

  // "Inizia Ricerca".
  void IniziaRicerca();

  // The choices as the controls show them now.
  ParametriRicerca Parametri() const;
  // The two heading lines of the printed table, from the current choice texts.
  IntestazioneStampa Intestazione() const;
  // The last study's result (empty before the first study).
  const EsitoRicerca& Esito() const { return esito_; }

 private:
  void costruisci();
  void caricaDate();
  void impostaPredefiniti();
  void stampa();

  const VarianteSpia& variante_;
  QComboBox* ruota_ = nullptr;
  std::array<QComboBox*, 3> numeri_{};
  QComboBox* posizione_ = nullptr;
  QComboBox* colpi_ = nullptr;
  QComboBox* inizio_ = nullptr;
  QComboBox* fine_ = nullptr;
  QCheckBox* unico_ = nullptr;
  std::array<QRadioButton*, 3> combinazione_{};
  QPushButton* avvia_ = nullptr;
  QLabel* totale_ = nullptr;
  QLabel* casi_ = nullptr;
  PannelloRisultati* risultati_ = nullptr;
  int contaRecord_ = 0;
  EsitoRicerca esito_;
};

// Fills a date list with EtichettaData of every record; returns the record count.
int CaricaDate(QComboBox& inizio, QComboBox& fine, const std::string& percorso);
// The same from an archive already read.
int CaricaDate(QComboBox& inizio, QComboBox& fine, const ArchivioEstrazioni& archivio);

// A drop-down list with the compact width used by every study window.
QComboBox* NuovoElenco(const char* nome, QWidget* parent);

}  // namespace ruotario
