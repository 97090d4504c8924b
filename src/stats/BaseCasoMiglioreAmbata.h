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
  // percentile.
  double MassimoMedianoPercentuale = 0.0;
  double Massimo95Percentuale = 0.0;
  double PMigliore = 1.0;  // P(the best of them reaches the winner's percentage by chance)
};

// Worked out exactly, not simulated. Every candidate has its own cases; the
// cases all of them had (the commonest kind of those) share their draws, so the
// fixed ambate win such a case for all candidates at once: the figures sum over
// how many of them the fixed ambate win. Otherwise cases are independent, and
// candidates are independent of one another as the 90 numbers of a spy table
// are. A case only some candidates had is taken as each one's own, which makes
// the best by chance a little higher than it is (on the safe side).
BaseCasoMiglioreAmbata BaseCasoRicercaAmbata(const EsitoMiglioreAmbata& r);

// "Per puro caso: 20,5% di casi vincenti con 2 ambate; il migliore di 89 candidati
// arriverebbe a 31,4% (95%: 37,0%); 66,7% o più capita nel 62,3% delle ricerche".
// With one candidate run, the line of a single statistic.
std::string TestoBaseCasoMiglioreAmbata(const BaseCasoMiglioreAmbata& b, double osservata, char separatore = '.');

}  // namespace ruotario
