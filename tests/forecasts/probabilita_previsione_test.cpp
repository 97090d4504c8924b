// The chance figures against their closed forms, and the exact tail of a sum
// of yes/no trials against the brute-force sum over every outcome.

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "forecasts/ProbabilitaPrevisione.h"

using namespace ruotario;

namespace {

TEST(ProbabilitaPrevisione, ClosedForms) {
  for (int c : {1, 9, 18}) EXPECT_NEAR(ProbabilitaVincita(1, 1, 1, c), 1 - std::pow(17.0 / 18.0, c), 1e-15) << c;
  EXPECT_NEAR(ProbabilitaVincita(1, 1, 10, 3), 1 - std::pow(17.0 / 18.0, 30), 1e-15);
  EXPECT_EQ(ProbabilitaVincita(3, 2, 1, 5), 0.0);
  EXPECT_NEAR(ProbabilitaVincita(2, 2, 1, 1) * 801, 2.0, 1e-13);
}

TEST(ProbabilitaPrevisione, TailMatchesTheSumOverEveryOutcome) {
  std::mt19937 caso(26);
  std::uniform_real_distribution<double> u(0.0, 1.0);
  for (int prova = 0; prova < 30; ++prova) {
    const int n = 1 + prova % 10;
    std::vector<double> p(static_cast<std::size_t>(n));
    for (double& x : p) x = u(caso);
    if (prova % 3 == 0) p[0] = p[n / 2];  // equal probabilities go together
    if (prova % 7 == 0) p.back() = prova % 2 ? 1.0 : 0.0;
    std::vector<double> esatta(static_cast<std::size_t>(n) + 2, 0.0);
    for (unsigned esiti = 0; esiti < (1u << n); ++esiti) {
      double pr = 1.0;
      int k = 0;
      for (int i = 0; i < n; ++i) {
        const bool si = esiti >> i & 1u;
        pr *= si ? p[static_cast<std::size_t>(i)] : 1 - p[static_cast<std::size_t>(i)];
        k += si;
      }
      for (int j = 0; j <= k; ++j) esatta[static_cast<std::size_t>(j)] += pr;
    }
    for (int k = 0; k <= n + 1; ++k)
      EXPECT_NEAR(CodaSommaBernoulli(p, k), esatta[static_cast<std::size_t>(k)], 1e-12) << prova << " k " << k;
  }
}

TEST(ProbabilitaPrevisione, SummaryLeavesForecastsInPlayOut) {
  auto voce = [](int colpi, EsitoPrevisione esito) {
    VocePrevisione v;
    v.Dati.Numeri = {1};
    v.Dati.Ruote = {1};
    v.Dati.Colpi = colpi;
    v.Stato.Esito = esito;
    return v;
  };
  const std::vector<VocePrevisione> voci = {voce(1, EsitoPrevisione::Vinta), voce(2, EsitoPrevisione::Scaduta),
                                            voce(9, EsitoPrevisione::InGioco)};
  const RiepilogoCaso r = RiepilogoRegistro(voci);
  EXPECT_EQ(r.Previsioni, 2);
  EXPECT_EQ(r.Vinte, 1);
  const double p1 = 1.0 / 18, p2 = 1 - std::pow(17.0 / 18.0, 2);
  EXPECT_NEAR(r.Attese, p1 + p2, 1e-15);
  EXPECT_NEAR(r.Coda, 1 - (1 - p1) * (1 - p2), 1e-15);
  EXPECT_EQ(TestoRiepilogoCaso(r, ','),
            "2 saldate, 1 vinta (50,0%); per puro caso 0,2 attese (8,2%); 1 o più vinte capitano per caso nel 15,8% "
            "dei casi");
}

}  // namespace
