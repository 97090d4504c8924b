#pragma once
// What chance alone gives a forecast, exactly: every draw puts m distinct
// numbers out of 90 on a wheel at random (m = 5 for a wheel drawn), wheels
// and draws independently.

#include <span>
#include <string>

#include "forecasts/Previsione.h"

namespace ruotario {

// P(winning within `colpi` draws on `ruote` wheels): 1 - (1 - q)^(ruote * colpi),
// q = ProbabilitaSorte(numeri, sorte); an estratto on one wheel in c colpi is 1 - (17/18)^c.
double ProbabilitaVincita(int sorte, int numeri, int ruote, int colpi);
double ProbabilitaVincita(const Previsione& p);

// P(a sum of independent yes/no trials with probabilities p reaches k), exact
// (the trials of equal probability are taken together; see DistribuzioneCaso).
double CodaSommaBernoulli(std::span<const double> p, int k);

// Wins of a set of settled forecasts against chance.
struct RiepilogoCaso {
  int Previsioni = 0;  // forecasts counted (settled ones)
  int Vinte = 0;
  double Attese = 0.0;  // expected wins by chance: the sum of the probabilities
  double Coda = 1.0;    // P(at least Vinte wins by chance)

  double Percentuale() const { return Previsioni ? 100.0 * Vinte / Previsioni : 0.0; }
  double PercentualeAttesa() const { return Previsioni ? 100.0 * Attese / Previsioni : 0.0; }
};

RiepilogoCaso RiepilogoDa(std::span<const double> probabilita, int vinte);
// The settled forecasts of a ledger (the ones still in play are left out).
RiepilogoCaso RiepilogoRegistro(std::span<const VocePrevisione> voci);

// "12 saldate, 3 vinte (25,0%); per puro caso 2,1 attese (17,5%); 3 o più vinte
// capitano per caso nel 35,2% dei casi", with the given decimal separator.
std::string TestoRiepilogoCaso(const RiepilogoCaso& r, char separatore = '.');

// A probability as a percentage with enough digits to be read: "35,2%", "0,0123%".
std::string TestoPercentuale(double p, char separatore = '.');

}  // namespace ruotario
