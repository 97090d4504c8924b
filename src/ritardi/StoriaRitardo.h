#pragma once
// The history of one item's delays: every gap between two appearances that
// ends in the span, and the current one, as the study counts them; and the
// chart that shows it.

#include <span>
#include <string>
#include <vector>

#include "print/Grafico.h"
#include "ritardi/Ritardi.h"

namespace ruotario {

struct IntervalloRitardo {
  int Ritardo = 0;
  int Data = 0;  // yyyymmdd of the appearance that ended it; the span's last draw for the current one
  bool InCorso = false;

  bool operator==(const IntervalloRitardo&) const = default;
};

struct StoriaRitardo {
  std::vector<IntervalloRitardo> Intervalli;  // oldest first; the current gap last
  double Assenza = 1;                         // chance that the item stays out of the latest draw (all its wheels)
};

// The history of item `indice` (as in RitardiRuota::Voci) on `ruota` (1..10,
// kRuotaNazionale or kRuoteInsieme), for the kind, place, group and span of `p`.
StoriaRitardo CalcolaStoria(const ParametriRitardi& p, int ruota, int indice, const ArchivioEstrazioni& archivio,
                            std::span<const EstrazioneNazionale> nazionale = {});

// One bar per gap dated by the appearance that ended it, the current gap
// highlighted, the latest longest gap marked "Record", and the delay that
// chance reaches with probability 1% drawn across.
Grafico GraficoStoria(const StoriaRitardo& storia, const std::string& titolo);

}  // namespace ruotario
