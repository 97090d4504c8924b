// The rows of the delays table: the chance figures against their closed
// forms, the order either way, the filters and the texts.

#include "ritardi/VociRitardi.h"

#include <gtest/gtest.h>

#include <cmath>

#include "ritardi/Tabellone.h"
#include "support/ArchivioProva.h"

namespace ruotario {
namespace {

double combinazioni(int n, int k) {
  double c = 1;
  for (int i = 1; i <= k; ++i) c = c * (n - k + i) / i;
  return c;
}

TEST(VociRitardi, ChanceOfStayingOut) {
  const double tutte = combinazioni(90, 5);
  EXPECT_NEAR(AssenzaPerEstrazione(TipoRitardo::Numero), combinazioni(89, 5) / tutte, 1e-15);
  EXPECT_NEAR(AssenzaPerEstrazione(TipoRitardo::Ambo), 1 - combinazioni(88, 3) / tutte, 1e-15);
  EXPECT_NEAR(AssenzaPerEstrazione(TipoRitardo::Terno), 1 - combinazioni(87, 2) / tutte, 1e-15);
  EXPECT_NEAR(AssenzaPerEstrazione(TipoRitardo::Gruppo, 0, 10), combinazioni(80, 5) / tutte, 1e-15);
  EXPECT_DOUBLE_EQ(AssenzaPerEstrazione(TipoRitardo::Gruppo, 2, 10), 80.0 / 90);
  EXPECT_NEAR(RitardoConProbabilita(0.01, 89.0 / 90), 412.16, 0.01);
  const std::pair<double, const char*> testi[] = {{100, "100.00"}, {0.0192345, "0.0192"}, {1.89e-4, "0.000189"}};
  for (const auto& [v, testo] : testi) EXPECT_EQ(TestoCifre(v), testo) << v;
  EXPECT_EQ(TestoCifre(0.25, ','), "0,250");
}

// Bari k 1..5 at records 1, 2, 4, 5, 6 (01..06/01/2000); the other wheels are never drawn.
EsitoRitardi Esito(int ruota = 1) {
  ParametriRitardi p;
  p.Ruota = ruota;
  return CalcolaRitardi(
      p, prova::ArchivioBari(
             {{1, 2, 3, 4, 5}, {6, 7, 8, 9, 10}, {}, {1, 6, 11, 12, 13}, {2, 14, 15, 16, 17}, {1, 18, 19, 20, 21}}));
}

std::vector<std::string> Testi(const std::vector<VoceRitardo>& voci, std::size_t quante) {
  std::vector<std::string> t;
  for (std::size_t i = 0; i < quante && i < voci.size(); ++i) t.push_back(TestoVoce(voci[i]));
  return t;
}

TEST(VociRitardi, RowsAndTheirOrderEitherWay) {
  std::vector<VoceRitardo> voci = VociRitardi(Esito());
  ASSERT_EQ(voci.size(), 90u);
  EXPECT_DOUBLE_EQ(voci[2].Probabilita, std::pow(17.0 / 18, 4));  // 3: four draws out
  EXPECT_DOUBLE_EQ(voci[2].Attesi, 90 * std::pow(17.0 / 18, 4));
  EXPECT_EQ(RigheRitardi(std::span(&voci[2], 1), false, ','),
            (RigheTabella{{"03", "1", "4", "4", "01/01/2000", "06/01/2000", "79,56", "71,61"}}));

  // Current delay: 22..90 never out (5), then 3 (4); ties in number order both ways.
  OrdinaVoci(voci, ColonnaRitardi::Attuale, Verso::Decrescente);
  EXPECT_EQ(Testi(voci, 3), (std::vector<std::string>{"22", "23", "24"}));
  EXPECT_EQ(TestoVoce(voci[69]), "03");
  OrdinaVoci(voci, ColonnaRitardi::Attuale, Verso::Crescente);
  EXPECT_EQ(Testi(voci, 4), (std::vector<std::string>{"01", "18", "19", "20"}));  // the five of k 5
  OrdinaVoci(voci, ColonnaRitardi::Ultima, Verso::Decrescente);
  EXPECT_EQ(TestoVoce(voci[0]), "01");
  OrdinaVoci(voci, ColonnaRitardi::Voce, Verso::Decrescente);
  EXPECT_EQ(TestoVoce(voci[0]), "90");
  EXPECT_EQ(Testi(PiuRitardatari(voci, 2), 2), (std::vector<std::string>{"22", "23"}));

  // Decade 1 (10..19) with final digit 1: 11 alone; a pair passes when both numbers do.
  FiltroNumeri f{1, 1, -1};
  std::vector<std::string> passano;
  for (const VoceRitardo& v : VociRitardi(Esito()))
    if (PassaFiltro(v, f)) passano.push_back(TestoVoce(v));
  EXPECT_EQ(passano, std::vector<std::string>{"11"});
  VoceRitardo ambo{1, TipoRitardo::Ambo, IndiceAmbo(11, 21), {11, 21, 0}, {}, 1, 0};
  EXPECT_EQ(TestoVoce(ambo), "11-21");
  EXPECT_FALSE(PassaFiltro(ambo, f));
  EXPECT_TRUE(PassaFiltro(ambo, {-1, 1, -1}));
}

TEST(VociRitardi, EveryWheelAndTheTabellone) {
  const std::vector<VoceRitardo> tutte = VociRitardi(Esito(kTutteLeRuote));
  ASSERT_EQ(tutte.size(), 900u);
  EXPECT_DOUBLE_EQ(tutte[2].Attesi, 900 * std::pow(17.0 / 18, 4));
  EXPECT_EQ(RigheRitardi(std::span(&tutte[90], 1), true, '.')[0][1], "Cagliari");
  EXPECT_EQ(TitoliRitardi(TipoRitardo::Terno, true).at(1), "Ruota");
  // Cagliari never drawn: no delay, nothing to judge.
  EXPECT_EQ(tutte[90].Figure, Ritardo{});
  EXPECT_EQ((std::array{LivelloCaso(10), LivelloCaso(9.9), LivelloCaso(1), LivelloCaso(0.5), LivelloCaso(0.09)}),
            (std::array{0, 1, 1, 2, 3}));
}

}  // namespace
}  // namespace ruotario
