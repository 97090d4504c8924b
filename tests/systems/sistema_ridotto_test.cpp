// Reduced systems: the search reaching the optimum of small cases worked out by
// hand, the same tickets for the same seed, and what the results state.

#include "systems/SistemaRidotto.h"

#include <gtest/gtest.h>

namespace ruotario {
namespace {

std::vector<int> DaUnoA(int n) {
  std::vector<int> v;
  for (int i = 1; i <= n; ++i) v.push_back(i);
  return v;
}

std::size_t Cercato(const ProblemaCopertura& p, std::size_t minimo) {
  const auto iniziale = CoperturaGolosa(p, 1000);
  return RiduciCopertura(p, iniziale, minimo, kSemePredefinito, kSforzoPredefinito).Blocchi.size();
}

TEST(RicercaLocale, ReachesTheOptimumOfSmallCasesFromAGreedyStart) {
  // Each ticket of 3 holds 3 pairs: 21 pairs of 7 need 7 tickets (the Fano
  // plane), 15 of 6 need 5 but a number lies on pairs with 5 others, an odd
  // count, so on 3 tickets: 6 * 3 / 3 = 6. Of 8 numbers each lies on 4
  // tickets, 8 * 4 / 3 -> 11.
  // The search stops at the size asked for, so each case ends as soon as it is met.
  EXPECT_EQ(Cercato({7, 3, 2, 2}, 7), 7u);
  EXPECT_EQ(Cercato({6, 3, 2, 2}, 6), 6u);
  EXPECT_EQ(Cercato({8, 3, 2, 2}, 11), 11u);
  // Ambo if 3 of 6 come out: {1,2,3} and {4,5,6} hold two of any three; one
  // ticket leaves its complement bare.
  EXPECT_EQ(Cercato({6, 3, 2, 3}, 2), 2u);
}

TEST(SistemaRidotto, ProvedWithItsBoundsAndTheSameForTheSameSeed) {
  ParametriRiduzione p;
  p.Numeri = {3, 14, 15, 26, 53, 58, 79};
  p.PerColonna = 3;
  const EsitoRiduzione fano = RiduciSistema(p);
  ASSERT_TRUE(fano.Errore.empty()) << fano.Errore;
  EXPECT_EQ(fano.Colonne.size(), 7u);
  EXPECT_TRUE(fano.Verifica.Verificata);
  EXPECT_EQ(fano.Verifica.Combinazioni, 21u);
  EXPECT_EQ(fano.LimiteInferiore, 7u);
  EXPECT_TRUE(fano.Ottimo);
  for (const Colonna& c : fano.Colonne)
    for (const int n : c) EXPECT_NE(std::find(p.Numeri.begin(), p.Numeri.end(), n), p.Numeri.end());

  // A lotto design (m > t): no bound stated; the search, the same twice.
  p.Numeri = DaUnoA(14);
  p.PerColonna = 5;
  p.Se = 3;
  p.Sforzo = 1'000'000;
  const EsitoRiduzione a = RiduciSistema(p);
  ASSERT_TRUE(a.Errore.empty()) << a.Errore;
  EXPECT_TRUE(a.Verifica.Verificata);
  EXPECT_EQ(a.Verifica.Combinazioni, 364u);
  EXPECT_FALSE(a.LimiteInferiore);
  EXPECT_EQ(RiduciSistema(p).Colonne, a.Colonne);
  EXPECT_EQ(a.Metodo, "ricerca locale (seme 1)");
}

TEST(SistemaRidotto, RefusesWhatCannotBeGuaranteed) {
  ParametriRiduzione p;
  p.Numeri = DaUnoA(41);
  EXPECT_EQ(ControllaRiduzione(p), "un sistema ridotto si costruisce su al massimo 40 numeri, non 41");
  p.Numeri = DaUnoA(10);
  p.PerColonna = 2;
  p.Sorte = 3;
  p.Se = 3;
  EXPECT_EQ(ControllaRiduzione(p), "una colonna da 2 numeri non può dare terno");
  p.PerColonna = 5;
  p.Se = 2;
  EXPECT_FALSE(ControllaRiduzione(p).empty());
  p.Se = 6;
  EXPECT_FALSE(ControllaRiduzione(p).empty());
  EXPECT_FALSE(RiduciSistema(p).Errore.empty());
}

}  // namespace
}  // namespace ruotario
