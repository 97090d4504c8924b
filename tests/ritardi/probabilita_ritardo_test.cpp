// The chance figures against their closed forms, and the rows built from them.

#include "ritardi/ProbabilitaRitardo.h"

#include <gtest/gtest.h>

#include <cmath>

#include "ritardi/VociRitardi.h"
#include "support/ArchivioProva.h"

namespace ruotario {
namespace {

double combinazioni(int n, int k) {
  double c = 1;
  for (int i = 1; i <= k; ++i) c = c * (n - k + i) / i;
  return c;
}

TEST(ProbabilitaRitardo, ClosedForms) {
  // One draw: 5 numbers of 90; a number is in C(89,4) of the C(90,5), a pair in C(88,3).
  EXPECT_NEAR(ProbabilitaRitardo(1, false), 1 - combinazioni(89, 4) / combinazioni(90, 5), 1e-15);
  EXPECT_NEAR(ProbabilitaRitardo(1, true), 1 - combinazioni(88, 3) / combinazioni(90, 5), 1e-15);
  EXPECT_DOUBLE_EQ(ProbabilitaRitardo(0, true), 1.0);
  EXPECT_DOUBLE_EQ(ProbabilitaRitardo(2, false), 289.0 / 324.0);
  EXPECT_DOUBLE_EQ(ProbabilitaRitardo(2, true), 799.0 * 799.0 / (801.0 * 801.0));
  EXPECT_DOUBLE_EQ(AttesiPerCaso(2, false, 90), 90 * 289.0 / 324.0);
}

TEST(ProbabilitaRitardo, TextKeepsThreeSignificantDigits) {
  const std::pair<double, const char*> casi[] = {{100, "100.00"},       {75.14188, "75.14"}, {0.0192345, "0.0192"},
                                                 {1.89e-4, "0.000189"}, {0, "0.00"},         {0.999, "0.999"}};
  for (const auto& [v, testo] : casi) EXPECT_EQ(TestoCifre(v), testo) << v;
  EXPECT_EQ(TestoCifre(0.25, ','), "0,250");
}

TEST(VociRitardi, RowsCarryTheChanceOfTheCurrentDelay) {
  // Bari k 1..5 as in the delay tests; the other wheels are never drawn.
  const auto archivio = prova::ArchivioBari(
      {{1, 2, 3, 4, 5}, {6, 7, 8, 9, 10}, {}, {1, 6, 11, 12, 13}, {2, 14, 15, 16, 17}, {1, 18, 19, 20, 21}});
  const EsitoRitardi bari = CalcolaRitardi({1, 1, 0}, archivio);
  const auto voci = VociNumeri(bari);
  ASSERT_EQ(voci.size(), 90u);
  EXPECT_EQ(PiuRitardatari(voci, 3).at(0).Numero, 22);  // 22..90 never out (5, 5): the number settles the tie
  // Sorted by current delay, then maximum, then number: 3 (1, 4, 4), 6 (2, 2, 2), 11 (1, 2, 2).
  std::vector<VoceRitardo> alcuni;
  for (int n : {1, 11, 6, 3}) alcuni.push_back(voci[static_cast<std::size_t>(n - 1)]);
  std::vector<int> ordine;
  for (const auto& v : PiuRitardatari(alcuni, 0)) ordine.push_back(v.Numero);
  EXPECT_EQ(ordine, (std::vector<int>{3, 6, 11, 1}));

  // All ten wheels: 900 numbers watched; pairs show "a-b" and the wheel.
  const EsitoRitardi tutte = CalcolaRitardi({kTutteLeRuote, 1, 0}, archivio);
  const auto numeri = VociNumeri(tutte);
  ASSERT_EQ(numeri.size(), 900u);
  EXPECT_DOUBLE_EQ(numeri[2].Attesi, 900 * std::pow(17.0 / 18.0, 4));  // Bari 3: delay 4
  const auto ambi = VociAmbi(tutte);
  ASSERT_EQ(ambi.size(), 40050u);
  const VoceRitardo& ambo = ambi[static_cast<std::size_t>(IndiceAmbo(1, 2))];
  EXPECT_EQ(RigheRitardi(std::span(&ambo, 1), true, ','),
            (RigheTabella{{"01-02", "Bari", "1", "4", "4", "99,00", "39651,50"}}));
  EXPECT_EQ(FormatoRitardi(true, true),
            "    Ambo    |   Ruota    |  Frequenza  | Rit. Attuale | Rit. Massimo | Probabilità % |   Attesi   ");
}

}  // namespace
}  // namespace ruotario
