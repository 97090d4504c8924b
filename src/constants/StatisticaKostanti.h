#pragma once
// The forecast verification statistic of the constants method: every time the
// spy number comes out on the wheel a case opens, and it is watched for the
// following colpi until one of the active ambate comes out on that wheel.

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "archive/ArchivioEstrazioni.h"

namespace ruotario {

inline constexpr std::string_view kMsgNessunaAmbata = "SELEZIONARE ALMENO UN'AMBATA DA RICERCARE";

struct ParametriStatistica {
  int Ruota = 1;       // 1..10
  int NumeroSpia = 1;  // the spy number
  int Posizione = 0;   // 0 (or below): any place; 1..5: only that place
  int Colpi = 9;       // following draws watched per case
  int Inizio = 1;      // first record of the span, 1-based
  int Fine = 0;        // last record of the span, 1-based
  // The numeric values of the three ambata boxes (principal, secondary, third),
  // as typed: the draw is compared with the text DueCifre(Fuori90(value)).
  std::array<int, 3> Ambata = {2, 20, 1};
  std::array<bool, 3> Attiva = {true, true, false};
  char Separatore = '.';  // decimal separator of the report texts
};

// Two-character text an ambata value is compared with ("02"; 0 gives "00").
std::string TestoAmbata(int valore);
// True when at least one ambata takes part in the check.
bool AlmenoUnaAttiva(const ParametriStatistica& p);

struct RigaNumero {
  std::optional<int> Sortite;     // empty until first counted
  std::optional<int> RitardoRel;  // counted draws since last out; empty in a table that counted none
  double Percentuale = 0.0;       // filled by PercentualiAbbinamenti / PercentualiFrequenti
  bool Marcato = false;           // an ambata row: shows "*" and takes no percentage
};

struct TabellaNumeri {
  std::array<RigaNumero, 91> Righe{};  // index 1..90; 0 unused
  RigaNumero& operator[](int n) { return Righe[static_cast<std::size_t>(n)]; }
  const RigaNumero& operator[](int n) const { return Righe[static_cast<std::size_t>(n)]; }
};

// The four grid cells of row n: "01", Sortite, "% Sortite" ("##0.00"), Ritar. Rel.;
// "*" in the last three for a marked row, empty text for an empty cell.
std::array<std::string, 4> CelleRiga(const TabellaNumeri& t, int n, char separatore = '.');

struct Vincente {
  int Nr = 0;          // 1-based order of the win
  std::string Data;    // the winning draw's date
  std::string Blocco;  // the watched wheel's 10 characters in that draw
};

// One case of the run: the position of its opening draw in the span, and how
// many of the colpi draws that follow it within the span hold k numbers in
// 1..90 on the wheel (k = 0..5): the draws the case could watch, win or not.
struct CasoStatistica {
  int Posto = 0;
  std::array<int, 6> Osservabili{};
  bool operator==(const CasoStatistica&) const = default;
};

struct EsitoStatistica {
  int TotaleEstrazioni = 0;
  int CasiGiocabili = 0;
  int CasiVincenti = 0;
  int CasiConclusi = 0;
  double PercentualeVincita = 0.0;
  double MediaColpi = 0.0;
  bool InGioco = false;  // the last case is still open at the end of the span
  int Colpo = 0;         // colpi watched of the last case
  std::vector<Vincente> Vincenti;
  TabellaNumeri Abbinamenti;  // numbers of the winning draws
  TabellaNumeri Frequenti;    // numbers of every watched draw
  std::string Riepilogo;
  std::string Dettaglio;
  std::vector<CasoStatistica> Casi;  // one per CasiGiocabili; the first CasiConclusi are concluded
};

// Text of "Dettaglio Ricerca": Riepilogo, CR LF, CR LF, "DETTAGLIO COLPI", Dettaglio.
std::string TestoDettaglioRicerca(const EsitoStatistica& e);
// Text of "Riepilogo Statistica Vincite": Riepilogo, CR LF, CR LF.
std::string TestoRiepilogoVincite(const EsitoStatistica& e);

// Told TotaleEstrazioni after every examined draw.
using Avanzamento = std::function<void(int)>;

// One run over the archive (tables without percentages: run the two routines below after it).
EsitoStatistica CalcolaStatistica(const ParametriStatistica& p, const ArchivioEstrazioni& archivio,
                                  const Avanzamento& avanzamento = {});
// Same, reading the archive file afresh (a missing file reads as empty).
EsitoStatistica CalcolaStatistica(const ParametriStatistica& p, const std::string& percorsoArchivio,
                                  const Avanzamento& avanzamento = {});

void PercentualiAbbinamenti(EsitoStatistica& e);
void PercentualiFrequenti(EsitoStatistica& e);

// CalcolaStatistica followed by both percentage routines: what "CALCOLA  STATISTICA" shows.
EsitoStatistica CalcolaStatisticaCompleta(const ParametriStatistica& p, const ArchivioEstrazioni& archivio,
                                          const Avanzamento& avanzamento = {});

}  // namespace ruotario
