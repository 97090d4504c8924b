#pragma once
// Frequencies and delays of every number and every pair (ambo) of a wheel over
// a span of records. Only the draws of that wheel count: a record whose wheel
// holds no number 1..90 (a wheel not yet drawn, a missing block) is skipped,
// so it neither lengthens a delay nor breaks one.

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "archive/ArchivioEstrazioni.h"

namespace ruotario {

// The `Ruota` value that studies all ten wheels, each on its own.
inline constexpr int kTutteLeRuote = 0;
inline constexpr int kAmbiPerRuota = 4005;  // 90 * 89 / 2

struct ParametriRitardi {
  int Ruota = 1;   // 1..10, or kTutteLeRuote
  int Inizio = 1;  // first record of the span, 1-based
  int Fine = 0;    // last record of the span; 0 = the last of the archive
};

struct Ritardo {
  int Frequenza = 0;       // draws of the wheel in which it came out
  int RitardoAttuale = 0;  // draws of the wheel since it last came out (all of them when never)
  int RitardoMassimo = 0;  // longest run without it, the first and the current run included

  bool operator==(const Ritardo&) const = default;
};

struct RitardiRuota {
  int Ruota = 0;
  int Estrazioni = 0;                // draws of this wheel in the span
  std::array<Ritardo, 91> Numeri{};  // index 1..90
  std::vector<Ritardo> Ambi;         // index IndiceAmbo(a, b)
};

struct EsitoRitardi {
  int Inizio = 1;
  int Fine = 0;                     // Inizio > Fine: empty span
  std::vector<RitardiRuota> Ruote;  // the wheels studied, in `Ruota` order
};

// Position of the pair a < b (both 1..90) among the 4005: (1,2), (1,3), ... (89,90).
int IndiceAmbo(int a, int b);
std::pair<int, int> AmboDaIndice(int indice);

// Runs over an archive already in memory. The span is clamped to the archive.
EsitoRitardi CalcolaRitardi(const ParametriRitardi& parametri, const ArchivioEstrazioni& archivio);
// Reads the archive at `percorso` afresh; a missing file gives empty wheels.
EsitoRitardi CalcolaRitardi(const ParametriRitardi& parametri, const std::string& percorso);

}  // namespace ruotario
