#pragma once
// "Ritardi e frequenze": the tabellone analitico of every wheel; the table of
// numbers, pairs, triples or a group, on a wheel, at a fixed place, on every
// wheel or on the ten together, with the chance of each current delay; and
// the history of the item chosen as a chart. The study is quick, so the views
// follow every change of choice without a start button; the choices are
// remembered between openings.

#include <QWidget>
#include <vector>

#include "archive/ArchivioEstrazioni.h"
#include "archive/ArchivioNazionale.h"
#include "ritardi/GruppoNumeri.h"
#include "ritardi/Ritardi.h"
#include "ritardi/VociRitardi.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;
class QTabWidget;

namespace ruotario {

struct PropostaPrevisione;
class TabellaRitardi;
class VistaGrafico;
class VistaTabellone;

class FrmRitardi : public QWidget {
  Q_OBJECT

 public:
  // The tabs, in order.
  enum Scheda { SchedaTabellone, SchedaTabella, SchedaGrafico };

  explicit FrmRitardi(QWidget* parent = nullptr);

  // The choices as the controls show them now.
  ParametriRitardi Parametri() const;
  FiltroNumeri Filtro() const;
  // Reads the archive afresh and refills the tabellone, the table and the chart;
  // a start after the end is refused with a message and empties them.
  void Calcola();
  // Puts the table's rows back in wheel and item order.
  void NonOrdinare();
  // The current tab's table (or chart) to the printer, the clipboard, a CSV file.
  void Stampa();
  void Copia();
  void EsportaCsv();
  // "?": what the figures and the shades mean.
  void Aiuto();
  // What "Salva previsione" proposes: the numbers of the selected row (of the
  // top row when none is), as an estratto on its wheel.
  PropostaPrevisione Proposta() const;
  // Finds the number, pair or triple typed in the search box.
  void Cerca();
  // Shows in the chart tab the history of item `indice` of kind `tipo` on `ruota`.
  void MostraStoria(int ruota, TipoRitardo tipo, int indice, int posizione = 0);

  const EsitoRitardi& Esito() const { return esito_; }
  TabellaRitardi* Tabella() const { return tabella_; }
  VistaTabellone* Tabellone() const { return tabellone_; }
  VistaGrafico* Grafico() const { return grafico_; }

 protected:
  void showEvent(QShowEvent* evento) override;

 private:
  struct Soggetto {
    int ruota = 0;
    TipoRitardo tipo = TipoRitardo::Numero;
    int indice = -1;
    int posizione = 0;
    GruppoNumeri gruppo;
  };

  void costruisci();
  QWidget* pannelloScelte();
  QWidget* schedaTabellone();
  QWidget* schedaTabella();
  QWidget* schedaGrafico();
  void caricaScelte();
  void salvaScelte() const;
  void aggiornaControlli();
  void ricordaOrdine(int sezione, Qt::SortOrder ordine);
  void mostraTabella();
  void mostraSoggetto();
  void storiaDaSelezione();
  GruppoNumeri gruppo(bool* valido = nullptr) const;
  void avvisa(const QString& testo);

  QComboBox* ruota_ = nullptr;
  QComboBox* tipo_ = nullptr;
  QComboBox* gruppo_ = nullptr;
  QComboBox* posizione_ = nullptr;
  QComboBox* inizio_ = nullptr;
  QComboBox* fine_ = nullptr;
  QSpinBox* ultime_ = nullptr;
  QComboBox* righe_ = nullptr;
  QComboBox* decina_ = nullptr;
  QComboBox* cadenza_ = nullptr;
  QComboBox* figura_ = nullptr;
  QComboBox* valoreTabellone_ = nullptr;
  QLineEdit* cerca_ = nullptr;
  QLabel* estrazioni_ = nullptr;
  QLabel* avviso_ = nullptr;
  QLabel* legenda_ = nullptr;
  QLabel* dettagli_ = nullptr;
  QTabWidget* schede_ = nullptr;
  VistaTabellone* tabellone_ = nullptr;
  TabellaRitardi* tabella_ = nullptr;
  VistaGrafico* grafico_ = nullptr;

  bool pronto_ = false;
  bool mostrata_ = false;
  bool appenaLetto_ = true;
  bool seguiSelezione_ = true;
  ArchivioEstrazioni archivio_;
  std::vector<EstrazioneNazionale> nazionale_;
  EsitoRitardi esito_;
  GruppoNumeri gruppoStudiato_;
  Soggetto soggetto_;
  int colonnaOrdine_ = static_cast<int>(ColonnaRitardi::Attuale);  // a ColonnaRitardi, -1 none
  bool crescente_ = false;
};

// Caption of the window and of its menu entry.
inline constexpr const char* kTitoloRitardi = "Ritardi e frequenze";

// The explanation shown by "?".
inline constexpr const char* kMessaggioAiutoRitardi =
    "Ritardo attuale: estrazioni della ruota dall'ultima uscita. Ritardo massimo: il più lungo fra i ritardi che "
    "finiscono nel periodo, compreso quello in corso; ogni ritardo si conta dall'uscita precedente, anche se cade "
    "prima del periodo. Probabilità %: probabilità che per solo caso la voce resti assente almeno altrettante "
    "estrazioni: (17/18) elevato al ritardo per un numero, (89/90) per un numero in una posizione, (1-2/801) per "
    "un ambo, (1-1/11748) per un terno. Attesi: quante voci fra quelle studiate ci si attende per caso con un "
    "ritardo almeno pari; nel tabellone il colore della casella dice quante delle sue caselle. In grassetto, o "
    "su fondo arancio nella tabella, le voci al proprio record.";

}  // namespace ruotario
