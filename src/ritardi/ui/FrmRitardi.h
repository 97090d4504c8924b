#pragma once
// "Ritardi e frequenze": for a wheel (or all ten) and a span, every number's
// frequency and current and longest delay, the most overdue pairs on a second
// tab, and beside each delay the chance of one that long. The study is quick,
// so the tables follow every change of choice without a start button.

#include <QWidget>
#include <vector>

#include "ritardi/Ritardi.h"
#include "ritardi/VociRitardi.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTabWidget;

namespace ruotario {

class Griglia90;

class FrmRitardi : public QWidget {
  Q_OBJECT

 public:
  explicit FrmRitardi(QWidget* parent = nullptr);

  Griglia90* GrigliaNumeri() const { return numeri_; }
  Griglia90* GrigliaAmbi() const { return ambi_; }

  // The choices as the controls show them now.
  ParametriRitardi Parametri() const;
  // Reads the archive afresh and refills both tables, most overdue first.
  void Calcola();
  // Puts the current tab's rows back in wheel and number order.
  void NonOrdinare();
  // Prints the current tab's table through the table printing.
  void Stampa();
  // "?": what the chance columns mean.
  void Aiuto();

  const EsitoRitardi& Esito() const { return esito_; }

 private:
  void costruisci();
  void calcola(const ArchivioEstrazioni& archivio);
  void mostra(bool ordinate);
  int ambiMostrati() const;
  Griglia90* grigliaCorrente() const;

  QComboBox* ruota_ = nullptr;
  QComboBox* inizio_ = nullptr;
  QComboBox* fine_ = nullptr;
  QComboBox* quantiAmbi_ = nullptr;
  QLabel* estrazioni_ = nullptr;
  QTabWidget* schede_ = nullptr;
  Griglia90* numeri_ = nullptr;
  Griglia90* ambi_ = nullptr;
  bool pronto_ = false;
  EsitoRitardi esito_;
  std::vector<VoceRitardo> vociNumeri_;
  std::vector<VoceRitardo> vociAmbi_;
};

// Caption of the window and of its menu entry.
inline constexpr const char* kTitoloRitardi = "Ritardi e frequenze";

// The explanation shown by "?".
inline constexpr const char* kMessaggioAiutoRitardi =
    "Ritardo attuale: estrazioni della ruota dall'ultima sortita. Probabilità %: probabilità che per solo caso "
    "un numero resti assente almeno altrettante estrazioni, (17/18) elevato al ritardo; per un ambo (1-2/801) "
    "elevato al ritardo. Attesi: quanti numeri (o ambi) delle ruote scelte ci si attende per caso con un ritardo "
    "almeno pari.";

}  // namespace ruotario
