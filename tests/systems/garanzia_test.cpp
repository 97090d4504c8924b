// The exhaustive check of a guarantee, the guarantee of any system, the direct
// constructions proved by it, and the bounds beside them.

#include "systems/Garanzia.h"

#include <gtest/gtest.h>

#include "systems/Costruzioni.h"
#include "systems/Limiti.h"
#include "systems/Sviluppo.h"

namespace ruotario {
namespace {

// The Fano plane on 1..7: every pair of numbers in exactly one ticket.
const Sistema kFano = {{1, 2, 4}, {2, 3, 5}, {3, 4, 6}, {4, 5, 7}, {1, 5, 6}, {2, 6, 7}, {1, 3, 7}};
const std::vector<int> kSette = {1, 2, 3, 4, 5, 6, 7};

TEST(VerificaGaranzia, FindsThePairsATicketLessLeavesOut) {
  const EsitoVerificaGaranzia intera = VerificaGaranzia(kSette, kFano, 2, 2);
  EXPECT_TRUE(intera.Verificata);
  EXPECT_EQ(intera.Combinazioni, 21u);

  // Without {1, 2, 4} the pairs 1-2, 1-4, 2-4 are in no ticket: 1-2 comes first.
  Sistema senza(kFano.begin() + 1, kFano.end());
  const EsitoVerificaGaranzia e = VerificaGaranzia(kSette, senza, 2, 2);
  EXPECT_FALSE(e.Verificata);
  EXPECT_EQ(e.Controesempio, (std::vector<int>{1, 2}));
  senza.push_back({1, 2, 5});
  EXPECT_EQ(VerificaGaranzia(kSette, senza, 2, 2).Controesempio, (std::vector<int>{1, 4}));

  // The integral pairs of 1..12 less the pair 5-9.
  Sistema ambi = SviluppoIntegrale(std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}, 2).Colonne;
  ambi.erase(std::find(ambi.begin(), ambi.end(), Colonna{5, 9}));
  EXPECT_EQ(VerificaGaranzia(std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}, ambi, 2, 2).Controesempio,
            (std::vector<int>{5, 9}));
  EXPECT_FALSE(VerificaGaranzia(kSette, kFano, 3, 2).Errore.empty());  // terno if two come out: no such thing

  // The 142,506 cinquine of 30 numbers, each case its own ticket, proved in a moment (not minutes).
  const std::vector<int> trenta = LeggiElencoNumeri("1-30").Numeri;
  EXPECT_TRUE(GaranziaIntegrale(trenta, 5, SviluppoIntegrale(trenta, 5).Colonne).value().Verificata);
}

TEST(GaranzieSistema, TheStrongestForEachMWithTheCaseThatDeniesTheNext) {
  const EsitoGaranzie e = GaranzieSistema({}, kFano);
  ASSERT_TRUE(e.Errore.empty());
  ASSERT_EQ(e.Garanzie.size(), 5u);
  const std::vector<std::pair<int, std::vector<int>>> attese = {
      {1, {}},            // every number is on a ticket; an ambo needs two numbers
      {2, {}},            // the plane's pairs; a terno needs three
      {2, {1, 2, 3}},     // three numbers off a line
      {2, {1, 2, 3, 6}},  // the complement of the line 4 5 7 holds no line
      {3, {}},            // five numbers always hold a line: the tickets' best
  };
  for (std::size_t i = 0; i < attese.size(); ++i) {
    EXPECT_EQ(e.Garanzie[i].Se, static_cast<int>(i) + 1);
    EXPECT_EQ(e.Garanzie[i].Sorte, attese[i].first) << i + 1;
    EXPECT_EQ(e.Garanzie[i].Controesempio, attese[i].second) << i + 1;
  }
  // Numbers on no ticket: nothing is sure when one of them is the one drawn.
  const EsitoGaranzie largo = GaranzieSistema(std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8}, kFano);
  EXPECT_EQ(largo.Garanzie[0].Sorte, 0);
  EXPECT_EQ(largo.Garanzie[0].Controesempio, (std::vector<int>{8}));
  EXPECT_EQ(TestoGaranzia(0, 1), "nessuna garanzia se esce 1 numero");
  EXPECT_EQ(TestoGaranzia(2, 3), "ambo se escono 3 numeri");
}

TEST(Costruzioni, EveryDesignIsProvedAndMeetsSchonheimsBound) {
  struct Caso {
    int n, k, t;
  };
  const Caso casi[] = {{7, 3, 2},  {9, 3, 2},  {13, 3, 2}, {15, 3, 2}, {19, 3, 2}, {21, 3, 2}, {25, 3, 2},
                       {27, 3, 2}, {31, 3, 2}, {33, 3, 2}, {37, 3, 2}, {39, 3, 2}, {13, 4, 2}, {21, 5, 2},
                       {31, 6, 2}, {16, 4, 2}, {25, 5, 2}, {8, 4, 3},  {10, 4, 3}, {16, 4, 3}, {20, 4, 3},
                       {32, 4, 3}, {40, 4, 3}, {17, 5, 3}, {26, 6, 3}};
  for (const Caso& c : casi) {
    const auto d = CostruzioneDiretta(c.n, c.k, c.t);
    ASSERT_TRUE(d) << c.n << "," << c.k << "," << c.t;
    Sistema s;
    for (const auto& b : d->Blocchi) {
      Colonna col;
      for (const int p : b) col.push_back(p + 1);
      ASSERT_EQ(col.size(), static_cast<std::size_t>(c.k));
      s.push_back(col);
    }
    std::vector<int> numeri;
    for (int i = 1; i <= c.n; ++i) numeri.push_back(i);
    EXPECT_TRUE(VerificaGaranzia(numeri, s, c.t, c.t).Verificata) << d->Nome;
    EXPECT_EQ(s.size(), LimiteSchonheim(c.n, c.k, c.t)) << d->Nome;
    EXPECT_EQ(s.size(), MiglioreNotoCopertura(c.n, c.k, c.t)->Colonne) << d->Nome;
  }
  EXPECT_FALSE(CostruzioneDiretta(14, 4, 3));  // SQS(14) exists, but is not built here
}

TEST(Limiti, SchonheimAndTheTable) {
  EXPECT_EQ(LimiteSchonheim(7, 3, 2), 7u);
  EXPECT_EQ(LimiteSchonheim(10, 4, 2), 8u);  // ceil(10/4 * ceil(9/3))
  EXPECT_EQ(LimiteSchonheim(11, 4, 3), 47u);
  EXPECT_EQ(MiglioreNotoCopertura(10, 3, 2)->Colonne, 17u);  // Fort-Hedlund
  EXPECT_EQ(MiglioreNotoCopertura(7, 4, 3)->Colonne, 12u);   // one above the bound, 11
  EXPECT_EQ(MiglioreNotoCopertura(14, 4, 3)->Colonne, 91u);  // SQS(14)
  EXPECT_FALSE(MiglioreNotoCopertura(20, 6, 3));
}

}  // namespace
}  // namespace ruotario
