#pragma once
// ZevedIVE: the five numbers of a wheel in a chosen draw, and the ten sums of
// their pairs, are each studied as a spy over the draws before it; the best
// successors of the fifteen studies are summed per number, and the first
// three of a study with more than two appearances gain a convergence point.

#include <array>
#include <optional>
#include <string_view>
#include <vector>

#include "archive/ArchivioEstrazioni.h"
#include "spy/EsitoRicerca.h"
#include "spy/RicercaSpia.h"

namespace ruotario {

// The totals a window keeps between runs, indexed by number (0 unused). They
// are independent of the grid, so a run can add onto them even after the
// table has been cut to ten rows.
struct SommeZevedive {
  std::array<std::optional<int>, kNumeriLotto + 1> SommaSortite{};  // empty: never taken
  std::array<int, kNumeriLotto + 1> Convergenze{};
};

struct ParametriZevedive {
  int Ruota = 1;
  int EstrazioneSpia = 0;  // Numero of the spy draw; 0 or beyond the end means the last record
  int Velocita = 0;        // slider 0, 1, 2: span from record 1, 2723, 3594
  int Colpi = 2;
  bool SoloTop = true;  // take only the first Top successors of each study
  int Top = 2;          // numeric value of the top text; outside 1..90 counts as 5
  bool Somma = false;   // add to the totals passed in instead of starting afresh
};

struct VoceSomma {
  int Numero = 0;
  std::optional<int> SommaSortite;
};
struct VoceConvergenza {
  int Numero = 0;
  int Convergenze = 0;
};

struct EsitoZevedive {
  int EstrazioneSpia = 0;  // record of the spy draw
  int Inizio = 0;          // first record of the studied span
  int Fine = 0;            // last record of the span (the draw before the spy draw)
  // The fifteen spies: five numbers then the ten pair sums in pair order
  // 1-2, 1-3, ..., 4-5; empty where a place does not hold a number 1..90.
  std::array<std::optional<int>, 15> Spie{};
  std::array<VoceSomma, 5> MiglioriSomme{};              // largest sums, equal sums in number order
  std::array<VoceConvergenza, 3> MiglioriConvergenze{};  // by the exchange ranking
  std::vector<EsitoRicerca> Studi;                       // the studies run, in spy order
};

// Start record for a slider position: 2723 (1), 3594 (2), 1 (0), falling
// back to 1 when the archive is shorter.
int InizioDaVelocita(int velocita, int contaRecord);
// How many successors of each study are collected.
int PrimiDaRaccogliere(bool soloTop, int top);
// Numeric value of the top text as typed ("", "abc" give 0).
int TopDaTesto(std::string_view testo);

// Adds one study's result into the totals: the first `primi` numbers by
// Sortite (equal counts in number order) add their counts, and those among
// the first three with more than two appearances gain a point.
void RaccogliStudio(const EsitoRicerca& studio, int primi, SommeZevedive& somme);

// The ranking of the convergence points: pairwise exchange in number order,
// entry j moving before entry i when it has more points.
std::array<VoceConvergenza, kNumeriLotto> ClassificaConvergenze(const SommeZevedive& somme);
std::array<VoceSomma, 5> MiglioriSomme(const SommeZevedive& somme);

// One run. Unless parametri.Somma, `somme` is cleared first; the fifteen
// studies are then added to it. `avanzamento` sees each study's progress.
EsitoZevedive Zevedive(const ParametriZevedive& parametri, const ArchivioEstrazioni& archivio, SommeZevedive& somme,
                       const Avanzamento& avanzamento = {});

// The 90 grid rows of the totals in number order: "07", the sum or empty,
// and two empty columns.
std::vector<RigaGriglia> RigheZevedive(const SommeZevedive& somme);

}  // namespace ruotario
