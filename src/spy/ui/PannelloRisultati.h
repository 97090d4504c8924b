#pragma once
// The frame that holds a spy table and its commands: "STAMPA RICERCA",
// "TOP 10", "Ordina", "Non Ordinare" and "?". Sorting and cutting act on the
// grid directly; printing and the explanation are the window's (signals).

#include <QGroupBox>

#include "spy/IntestazioniStampa.h"

class QPushButton;

namespace ruotario {

class Griglia90;

class PannelloRisultati : public QGroupBox {
  Q_OBJECT

 public:
  explicit PannelloRisultati(const QString& titolo, QWidget* parent = nullptr);

  Griglia90* Griglia() const { return griglia_; }
  QPushButton* PulsanteStampa() const { return stampa_; }

  // "Ordina", "Non Ordinare", "TOP 10".
  void Ordina();
  void NonOrdinare();
  void Top10();
  // "?": the explanation in a notice.
  void Aiuto();
  // Hands the table as it is now (sorted or cut) to the table printing.
  void Stampa(const IntestazioneStampa& intestazione);

 signals:
  void stampaRichiesta();

 private:
  Griglia90* griglia_;
  QPushButton* stampa_;
};

// The explanation shown by "?".
inline constexpr const char* kMessaggioAiutoSpia =
    "Numeri sortiti nelle estrazioni successive alla sortita del numeretto";

}  // namespace ruotario
