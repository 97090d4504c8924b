#pragma once
// The draws a delays study walks: those of the wheel studied up to the end of
// the span, oldest first, each with the items (numbers, pairs, triples, the
// group) that came out in it. Shared by the whole study and by the history of
// one item, so both see exactly the same draws.

#include <span>
#include <vector>

#include "archive/ArchivioEstrazioni.h"
#include "archive/ArchivioNazionale.h"
#include "ritardi/Ritardi.h"

namespace ruotario {

struct PassoRitardi {
  int Data = 0;             // yyyymmdd
  int Peso = 1;             // wheels drawn in it: 1, or up to 10 for the ten wheels together
  bool NelPeriodo = false;  // false for the draws before the span, which only set the last appearance
  int Primo = 0;            // its items: Elementi[Primo, Oltre)
  int Oltre = 0;
};

struct SequenzaRitardi {
  std::vector<PassoRitardi> Passi;
  std::vector<int> Elementi;  // item indices, each at most once per draw
};

// The parameters as a study runs them: the span clamped to an archive of
// `conta` records (end 0 = the last), no place for pairs and triples.
ParametriRitardi Delimita(const ParametriRitardi& p, int conta);

// The draws of `ruota` (1..10, kRuotaNazionale or kRuoteInsieme) for the
// kind, place and group of `p`, over the records p.Inizio..p.Fine (already
// clamped to the archive, the start not after the end).
SequenzaRitardi CostruisciSequenza(const ParametriRitardi& p, int ruota, const ArchivioEstrazioni& archivio,
                                   std::span<const EstrazioneNazionale> nazionale);

}  // namespace ruotario
