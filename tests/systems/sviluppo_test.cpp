// Integral development and the texts systems are written in.

#include "systems/Sviluppo.h"

#include <gtest/gtest.h>

#include "systems/Combinatoria.h"

namespace ruotario {
namespace {

std::vector<int> DaUnoA(int n) {
  std::vector<int> v;
  for (int i = 1; i <= n; ++i) v.push_back(i);
  return v;
}

TEST(SviluppoIntegrale, EveryTicketOnceInLexicographicOrder) {
  for (const auto& [n, k] : {std::pair{5, 1}, {6, 2}, {10, 3}, {12, 5}, {10, 10}, {20, 4}}) {
    const EsitoSviluppo e = SviluppoIntegrale(DaUnoA(n), k);
    ASSERT_TRUE(e.Errore.empty()) << e.Errore;
    EXPECT_EQ(e.Conta, Binomiale(n, k));
    ASSERT_EQ(e.Colonne.size(), Binomiale(n, k)) << n << " " << k;
    // Strictly increasing tickets of k distinct ascending numbers: all different, all there.
    EXPECT_TRUE(std::is_sorted(e.Colonne.begin(), e.Colonne.end()));
    EXPECT_EQ(std::adjacent_find(e.Colonne.begin(), e.Colonne.end()), e.Colonne.end());
    for (const Colonna& c : e.Colonne)
      EXPECT_TRUE(c.size() == static_cast<std::size_t>(k) && std::is_sorted(c.begin(), c.end()));
  }
  // The chosen numbers in any order: tickets of the numbers, ascending.
  const EsitoSviluppo e = SviluppoIntegrale(std::vector<int>{90, 7, 45}, 2);
  EXPECT_EQ(e.Colonne, (Sistema{{7, 45}, {7, 90}, {45, 90}}));
}

TEST(SviluppoIntegrale, RefusesWhatCannotBePlayed) {
  EXPECT_EQ(SviluppoIntegrale(DaUnoA(40), 6).Errore,
            "lo sviluppo integrale di 40 numeri in colonne da 6 dà 3.838.380 colonne, più del massimo di 1.000.000");
  EXPECT_TRUE(SviluppoIntegrale(DaUnoA(90), 3).Errore.empty());  // 117,480 tickets
  EXPECT_FALSE(SviluppoIntegrale(DaUnoA(5), 6).Errore.empty());
  EXPECT_FALSE(SviluppoIntegrale(DaUnoA(12), 11).Errore.empty());
  EXPECT_FALSE(SviluppoIntegrale(std::vector<int>{1, 2, 2}, 2).Errore.empty());
  EXPECT_FALSE(SviluppoIntegrale(std::vector<int>{0, 1, 2}, 2).Errore.empty());
}

TEST(TestiSistema, ListsAndSystemsAreReadBack) {
  EXPECT_EQ(LeggiElencoNumeri("1-4, 23,45 7").Numeri, (std::vector<int>{1, 2, 3, 4, 7, 23, 45}));
  EXPECT_EQ(LeggiElencoNumeri("3-5,4").Errore, "il numero 4 è ripetuto");
  EXPECT_FALSE(LeggiElencoNumeri("88-91").Errore.empty());
  EXPECT_FALSE(LeggiElencoNumeri("9-2").Errore.empty());
  EXPECT_FALSE(LeggiElencoNumeri("").Errore.empty());

  const SistemaLetto s = LeggiSistema("# una nota\r\n3 1 2\n\n 10,20;30\t40\n");
  EXPECT_EQ(s.Colonne, (Sistema{{1, 2, 3}, {10, 20, 30, 40}}));
  EXPECT_EQ(TestoSistema(s.Colonne), "1 2 3\n10 20 30 40\n");
  EXPECT_EQ(LeggiSistema("1 2\n3 3\n").Errore, "riga 2: il numero 3 è ripetuto");
  EXPECT_EQ(LeggiSistema("1 2\n1 91\n").Errore, "riga 2: \"91\" non è un numero da 1 a 90");
  EXPECT_EQ(LeggiSistema("1 2 3 4 5 6 7 8 9 10 11").Errore, "riga 1: più di 10 numeri");
  EXPECT_EQ(LeggiSistema("# niente\n").Errore, "nessuna colonna nel sistema");
}

}  // namespace
}  // namespace ruotario
