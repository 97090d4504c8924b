#pragma once
// The best-ambata search against chance: its winner is the best of the
// candidates it ran, so chance is asked what the best of as many candidates
// would reach, each on the very cases it had in the search.

#include <string>

#include "constants/MiglioreAmbata.h"
#include "stats/BaseCaso.h"

namespace ruotario {

struct BaseCasoMiglioreAmbata {
  BaseCasoKostanti Vincitore;  // the winner alone, as a single statistic is judged
  int Candidati = 0;           // candidates run
  // The best win percentage of those candidates by chance: median and 95th
  // percentile, with the candidates taken as independent as in the spy tables
  // (those sharing a fixed ambata win together, which keeps the true best lower).
  double MassimoMedianoPercentuale = 0.0;
  double Massimo95Percentuale = 0.0;
  double PMigliore = 1.0;  // P(the best of them reaches the winner's percentage by chance)
};

BaseCasoMiglioreAmbata BaseCasoRicercaAmbata(const EsitoMiglioreAmbata& r);

// "Per puro caso: 20,5% di casi vincenti con 2 ambate; il migliore di 89 candidati
// arriverebbe a 31,4% (95%: 37,0%); 66,7% o più capita nel 62,3% delle ricerche".
// With one candidate run, the line of a single statistic.
std::string TestoBaseCasoMiglioreAmbata(const BaseCasoMiglioreAmbata& b, double osservata, char separatore = '.');

}  // namespace ruotario
