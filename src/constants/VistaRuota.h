#pragma once
// The watched wheel of every draw in a span, taken apart once so that the
// best-ambata search can rerun the statistic without reading the draws again.

#include <array>
#include <string_view>
#include <vector>

#include "archive/ArchivioEstrazioni.h"
#include "constants/StatisticaKostanti.h"

namespace ruotario {

// A two-character place as one int, so the ambata check compares texts cheaply;
// a shorter piece gets a code no ambata text has.
inline int CodiceTesto(std::string_view t) {
  if (t.size() != 2) return -1;
  return static_cast<unsigned char>(t[0]) * 256 + static_cast<unsigned char>(t[1]);
}

struct PostoVista {
  std::string_view Data;
  std::string_view Blocco;
  std::array<int, 5> Valori{};  // numeric value of each place (0..99)
  std::array<int, 5> Codici{};  // CodiceTesto of each place
};

// Views into the archive: it must outlive the VistaRuota.
struct VistaRuota {
  VistaRuota(const ArchivioEstrazioni& archivio, int ruota, int inizio, int fine);
  std::vector<PostoVista> Estrazioni;  // records inizio..fine that exist, in file order
};

// The statistic over a view; CalcolaStatistica is this over a fresh view.
// Without `completo` only the counters, percentage and mean are computed (the
// best-ambata search compares nothing else); they are the same either way.
EsitoStatistica CalcolaSuVista(const ParametriStatistica& p, const VistaRuota& vista, const Avanzamento& avanzamento,
                               bool completo = true);

}  // namespace ruotario
