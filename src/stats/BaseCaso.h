#pragma once
// "Better than chance?": what a study's figures would be if the draws followed
// nothing at all. Every draw puts m distinct numbers out of 90 on the wheel at
// random (m = 5, fewer where a wheel is missing); the baseline is worked out
// exactly for the cases the study really opened and the draws they watched.

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "constants/StatisticaKostanti.h"
#include "spy/EsitoRicerca.h"
#include "spy/Zevedive.h"
#include "stats/DistribuzioneCaso.h"
#include "stats/ProbabilitaEstrazione.h"

namespace ruotario {

// How many numbers are compared for the best figure of a spy table.
inline constexpr int kConcorrenti = 90;

struct BaseCasoSpia {
  int Casi = 0;
  double Atteso = 0.0;             // chance Sortite of every number
  double AttesoPercentuale = 0.0;  // the same over the cases, in percent
  // The best of the 90 numbers by chance: median and 95th percentile, in
  // Sortite and in percent. The 90 counts are taken as independent: in one
  // draw they are slightly anti-correlated (-1/89), so the true figure is a
  // hair lower and these are on the safe side.
  int MassimoMediano = 0;
  int Massimo95 = 0;
  double MassimoMedianoPercentuale = 0.0;
  double Massimo95Percentuale = 0.0;
  std::array<double, kNumeriLotto + 1> P{};  // P(Sortite >= observed) for number n by chance
  int Migliore = 0;                          // the observed best Sortite
  double PMigliore = 1.0;                    // P(the best of 90 reaches it by chance)
  DistribuzioneCaso Distribuzione;           // the chance law of one number's Sortite
};

// The chance law of one number's Sortite over the cases of a study: once per
// case, 1 - prod(1 - m/90) over its watched draws; every appearance, m/90 per draw.
DistribuzioneCaso DistribuzioneSpia(std::span<const CasoOsservato> casi, bool sortiteUniche);

BaseCasoSpia BaseCasoRicerca(const EsitoRicerca& esito, bool sortiteUniche);

// ZevedIVE adds up the best successors of up to fifteen spy studies, so its
// chance figures are those of the studies it ran taken together: each figure
// summed over the studies and divided by all their cases.
struct BaseCasoZevedive {
  int Studi = 0;
  int Casi = 0;
  double AttesoPercentuale = 0.0;
  double MassimoMedianoPercentuale = 0.0;
  double Massimo95Percentuale = 0.0;
};

BaseCasoZevedive BaseCasoStudiZevedive(const EsitoZevedive& esito);

struct BaseCasoKostanti {
  int Ambate = 0;  // distinct active ambate in 1..90
  int Casi = 0;    // the concluded cases
  int Vincenti = 0;
  double Atteso = 0.0;             // chance winning cases
  double AttesoPercentuale = 0.0;  // the same over the concluded cases, in percent
  double P = 1.0;                  // P(wins >= observed) by chance
};

// The active ambate as distinct numbers 1..90 (an ambata "00" or beyond 90 is
// not a number a random draw can bring, so it is left out).
int AmbateDistinte(const ParametriStatistica& p);

// Probability that a case sees none of `ambate` distinct numbers in the draws it
// could watch (`osservabili`: how many of them hold m numbers): prod C(90-k, m)/C(90, m).
double ProbabilitaCasoPerso(int ambate, const std::array<int, 6>& osservabili);
// The chance law of the winning cases among `casi` (all concluded), as groups
// of cases of equal winning probability.
std::vector<GruppoProve> GruppiVincite(int ambate, std::span<const CasoStatistica> casi);

BaseCasoKostanti BaseCasoStatistica(const ParametriStatistica& p, const EsitoStatistica& esito);

// The tooltips of those lines.
inline constexpr std::string_view kSpiegazioneBaseCasoSpia =
    "Percentuale che ogni numero raggiungerebbe se le estrazioni fossero puro caso, calcolata sugli stessi casi "
    "e sulle estrazioni che ciascun caso ha davvero osservato. Fra 90 numeri il migliore supera sempre la media: "
    "un numero della tabella dice qualcosa solo se va oltre il valore del migliore per caso, e più ancora oltre "
    "il suo 95%.";
inline constexpr std::string_view kSpiegazioneBaseCasoKostanti =
    "Percentuale di casi vincenti che le ambate attive avrebbero se le estrazioni fossero puro caso, sugli stessi "
    "casi e colpi della statistica. La seconda cifra dice quanto spesso il puro caso arriverebbe alla percentuale "
    "ottenuta o più: sotto il 5% il risultato è difficile da attribuire alla sorte. Dopo la ricerca della migliore "
    "ambata il confronto è con il migliore di altrettanti candidati per puro caso.";

inline constexpr std::string_view kSpiegazioneBaseCasoZevedive =
    "Percentuale che ogni numero raggiungerebbe se le estrazioni fossero puro caso, presa sui casi di tutti gli "
    "studi delle spie di questa estrazione. Il migliore dei 90 di ogni studio supera sempre la media per caso: "
    "le somme della tabella dicono qualcosa solo se i loro numeri vanno oltre quel valore.";

// The one-line texts the windows show under their results, with the given
// decimal separator:
// "Per puro caso: 27,8% per numero; il migliore dei 90 arriverebbe a 41,2% (95%: 47,0%)"
std::string TestoBaseCasoSpia(const BaseCasoSpia& b, char separatore = '.');
// "Per puro caso, nei 15 studi: 27,8% per numero; il migliore dei 90 arriverebbe a 41,2% (95%: 47,0%)"
std::string TestoBaseCasoZevedive(const BaseCasoZevedive& b, char separatore = '.');
// "Per puro caso: 52,4% di casi vincenti con 2 ambate; 55,1% o più capita nel 21,3% degli studi"
std::string TestoBaseCasoKostanti(const BaseCasoKostanti& b, double osservata, char separatore = '.');

}  // namespace ruotario
