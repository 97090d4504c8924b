#pragma once
// Frequencies and delays over a span of records: of every number, pair or
// triple of a wheel, of a number at a fixed place, of the ten wheels taken
// together, of a group of numbers, and of the Nazionale wheel.
//
// Only the draws of the wheel studied count: a record whose wheel holds no
// number 1..90 (a wheel not yet drawn, a missing block) is skipped, so it
// neither lengthens a delay nor breaks one. Every gap is measured from the
// previous appearance, even one before the span; the span chooses which gaps
// count: those that end inside it, and the current one.

#include <span>
#include <string>
#include <vector>

#include "archive/ArchivioEstrazioni.h"
#include "archive/ArchivioNazionale.h"
#include "ritardi/Combinazioni.h"
#include "ritardi/ProbabilitaRitardo.h"

namespace ruotario {

// `Ruota` values beyond the ten wheels 1..10.
inline constexpr int kTutteLeRuote = 0;     // the ten wheels, each on its own
inline constexpr int kRuotaNazionale = 11;  // the Nazionale wheel, from nazionale.txt
inline constexpr int kRuoteInsieme = 12;    // the ten wheels as one: out on any of them

struct ParametriRitardi {
  int Ruota = 1;   // 1..10, kRuotaNazionale, kRuoteInsieme or kTutteLeRuote
  int Inizio = 1;  // first record of the span, 1-based
  int Fine = 0;    // last record of the span; 0 = the last of the archive
  TipoRitardo Tipo = TipoRitardo::Numero;
  int Posizione = 0;        // 0 any place; 1..5 that place only (numbers and groups)
  std::vector<int> Gruppo;  // the numbers of the group (Tipo Gruppo)
};

struct Ritardo {
  int Frequenza = 0;       // draws of the span in which it came out
  int RitardoAttuale = 0;  // draws since it last came out (all of them when never)
  int RitardoMassimo = 0;  // the longest gap that ends in the span, the current one included
  int DataUltima = 0;      // yyyymmdd of its last appearance up to the span's end; 0 never
  int DataRecord = 0;      // yyyymmdd of the draw that ended the longest gap (the last one of the
                           // span when the current gap is the longest); the latest on a tie
  int Esposizione = 0;     // wheel draws in the current delay: RitardoAttuale, times the
                           // wheels drawn for the ten wheels together

  bool operator==(const Ritardo&) const = default;
};

// At its own record: the current delay is the longest of the span.
inline bool AlRecord(const Ritardo& r) { return r.RitardoAttuale > 0 && r.RitardoAttuale >= r.RitardoMassimo; }

struct RitardiRuota {
  int Ruota = 0;
  int Estrazioni = 0;         // draws of this wheel in the span
  std::vector<Ritardo> Voci;  // number n at n - 1, pairs by IndiceAmbo, triples by IndiceTerno, a group at 0
};

struct EsitoRitardi {
  ParametriRitardi Parametri;       // as run, the span clamped to the archive
  int DataFine = 0;                 // yyyymmdd of the span's last record
  std::vector<RitardiRuota> Ruote;  // the wheels studied, in `Ruota` order

  // Items tracked on each wheel: 90, 4005, 117,480 or 1.
  int VociPerRuota() const;
  // The chance that one item stays out of one draw of one wheel.
  double Assenza() const;
};

// Runs over an archive already in memory; `nazionale` holds the Nazionale
// draws (needed only for kRuotaNazionale: a span of archive records maps to
// the Nazionale draws of the dates between its first and last record). The
// span is clamped to the archive; a start after the end gives empty wheels.
EsitoRitardi CalcolaRitardi(const ParametriRitardi& parametri, const ArchivioEstrazioni& archivio,
                            std::span<const EstrazioneNazionale> nazionale = {});

// The items a kind tracks on one wheel.
int VociPerRuota(TipoRitardo tipo);

// "dd/mm/yyyy" as yyyymmdd (0 when it is not a date), and back ("" for 0).
int DataNumerica(std::string_view data);
std::string TestoDataNumerica(int data);

// The refusal of a span whose first record comes after its last.
std::string MessaggioPeriodoInvertito(int inizio, int fine);

// "Bari".."Venezia", "Nazionale", "Tutte", "Tutte insieme".
std::string NomeRuotaRitardi(int ruota);

}  // namespace ruotario
