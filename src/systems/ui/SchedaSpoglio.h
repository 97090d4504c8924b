#pragma once
// The "Spoglio" tab of the systems window: the system shown on the first tab
// played on the chosen wheels over a span of the archive, with the totals, a
// table per ticket and sorte, and the balance over the draws beside the
// balance chance alone would give.

#include <QWidget>
#include <array>

#include "archive/ArchivioEstrazioni.h"
#include "systems/Spoglio.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace ruotario {

class Griglia90;
class VistaGrafico;

class SchedaSpoglio : public QWidget {
  Q_OBJECT

 public:
  explicit SchedaSpoglio(QWidget* parent = nullptr);

  // The system to play; the sorti offered follow its longest ticket.
  void ImpostaSistema(const Sistema& colonne);
  // The choices as the controls show them now (the system included).
  ParametriSpoglio Parametri() const;
  // Reads the archive and the prizes afresh and shows the spoglio.
  void Esegui();
  // Prints the table per ticket through the table printing.
  void Stampa();

  const EsitoSpoglio& Esito() const { return esito_; }
  Griglia90* GrigliaTotali() const { return totali_; }
  Griglia90* GrigliaColonne() const { return colonne_; }
  VistaGrafico* VistaSaldo() const { return grafico_; }

 private:
  void costruisci();
  void mostra(const ArchivioEstrazioni& archivio);

  Sistema sistema_;
  std::array<QCheckBox*, 10> ruote_{};
  QCheckBox* tutte_ = nullptr;
  std::array<QCheckBox*, 6> sorti_{};  // [1..5]
  QComboBox* inizio_ = nullptr;
  QComboBox* fine_ = nullptr;
  QComboBox* colpi_ = nullptr;
  QLineEdit* posta_ = nullptr;
  QPushButton* esegui_ = nullptr;
  QPushButton* stampa_ = nullptr;
  QLabel* premi_ = nullptr;
  QLabel* saldo_ = nullptr;
  Griglia90* totali_ = nullptr;
  Griglia90* colonne_ = nullptr;
  VistaGrafico* grafico_ = nullptr;
  EsitoSpoglio esito_;
};

// Text of the wheel-draws explanation shown under the tables.
inline constexpr const char* kNotaSpoglio =
    "Vincite e Attese contano le estrazioni di ruota vinte; p %: probabilità di vincere altrettante volte o più "
    "per puro caso. Il saldo atteso è quello che il puro caso darebbe in media: la differenza è il margine del "
    "banco.";

}  // namespace ruotario
