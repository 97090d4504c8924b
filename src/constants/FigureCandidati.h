#pragma once
// The best-ambata search's figures for all ninety candidates in one pass over
// the span. For every draw that can open a case (it holds the spy), the colpo
// at which each number first comes out within the watched draws, and the one
// at which a fixed ambata first does, are taken once; every candidate's cases,
// wins and colpi then follow from those tables. A candidate's figures are the
// counters the statistic gives when it is run with that candidate.

#include <array>
#include <vector>

#include "constants/StatisticaKostanti.h"
#include "constants/VistaRuota.h"

namespace ruotario {

struct FigureCandidato {
  int CasiGiocabili = 0;
  int CasiVincenti = 0;
  int CasiConclusi = 0;
  double PercentualeVincita = 0.0;
  double MediaColpi = 0.0;
  std::vector<CasoStatistica> Casi;  // as the statistic lists them: the first CasiConclusi are concluded
};

// Figures of every candidate 1..90 (element 0 unused) written into ambata
// `indice` (0..2) of `p`; the other two ambate stay as they are.
std::array<FigureCandidato, 91> FigureCandidati(const ParametriStatistica& p, int indice, const VistaRuota& vista);

}  // namespace ruotario
